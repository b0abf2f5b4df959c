#pragma once
// Form5, "Система координат и обозначения в программе": a picture of the
// program's coordinate system and of the names it gives the elements of an
// orbit. The window has no handlers; the picture is drawn as the window is
// built.
#include "ui/FormsRuntime.h"

class Form5 : public ui::Form {
 public:
  Form5();

  ui::PictureBox Picture1{this, 940, 660};

 private:
  // Draws the coordinate system, an orbit with its node, perihelion and
  // planet, the angles AlfaU, AlfaP, AlfaL and Betta, and the legend
  // (Form5Picture.cpp).
  void drawNotation();
};

// The accessor: loads Form5 (hidden) on first touch.
Form5& form5();
