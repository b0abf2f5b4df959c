// The test bench's load and activation: the system velocity of the model in
// its boxes, the scale of the picture, the grid with the pair, and the note.
#include "core/runtime/NumberText.h"
#include "core/state/SharedState.h"
#include "model/Form7.h"
#include "model/Form7Texts.h"

// Form_Load: the system velocity, the scale and the picture (the scale
// bar's handler draws the grid and the pair; the grid is then drawn once
// more, which clears the pair again), then the note. The note stays until
// the grid is next drawn.
void Form7::Form_Load() {
  showSystemVelocity();
  Main.ImageScale = HScroll1.Value() * 1e5 * 1e3;
  HScroll1_Change();
  DrawGrid();
  printNote();
  showSystemVelocity();
}

// Form_Activate: this window's scale becomes the shared picture scale.
void Form7::Form_Activate() { Main.ImageScale = HScroll1.Value() * 1e5 * 1e3; }

// VXsys, VYsys, VZsys (km/s) into "VXsys", "VYsys", "VZsys".
void Form7::showSystemVelocity() {
  Text3.setText(Str(Main.VXsys));
  Text4.setText(Str(Main.VYsys));
  Text5.setText(Str(Main.VZsys));
}

void Form7::printNote() {
  for (const form7text::NoteLine& line : form7text::kNote) {
    Picture1.setCurrentX(line.x);
    Picture1.setCurrentY(line.y);
    Picture1.Print(line.text);
  }
}
