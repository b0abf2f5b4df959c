// Form1 as the hub of the program: "К моделированию" hands the elements to
// the model window, "Выход" ends the program.
#include "core/de405/DE405.h"
#include "core/state/SharedState.h"
#include "model/Form2.h"
#include "observations/Form10.h"
#include "setup/Form1.h"
#include "setup/Form11.h"
#include "setup/Form14.h"
#include "setup/Form20.h"
#include "setup/Form24.h"
#include "setup/Form3.h"
#include "setup/Form4.h"
#include "setup/Form5.h"
#include "statistics/Form18.h"
#include "tools/Form12.h"
#include "tools/Form16.h"
#include "twobody/Form25.h"

// Command1_Click "К моделированию": the current elements of objects 1..10
// become the reference elements of the model window, StartElements(e, i):
// e = 1 AlfaP, 2 AlfaU, 3 Betta, 4 Eks, 5 Rsr, 6 Wsr, 7 AlfaL; then the
// model window is shown.
void Form1::Command1_Click() {
  for (int i = 1; i <= 10; ++i) {
    Main.StartElements(1, i) = Main.AlfaP[i];
    Main.StartElements(2, i) = Main.AlfaU[i];
    Main.StartElements(3, i) = Main.Betta[i];
    Main.StartElements(4, i) = Main.Eks[i];
    Main.StartElements(5, i) = Main.Rsr[i];
    Main.StartElements(6, i) = Main.Wsr[i];
    Main.StartElements(7, i) = Main.AlfaL[i];
  }
  form2().Show();
}

// Command9_Click "Выход": closes the DE405 file when the reader left one
// open and unloads every window, this one first; the program ends with the
// last window, and a loop that is letting events run ends with it.
void Form1::Command9_Click() {
  closeDE405File();
  ui::unloadAllForms();
}

// The buttons that show the additional windows and the independent tools.
void Form1::Command10_Click() { form4().Show(); }   // "Скорость системы* "
void Form1::Command20_Click() { form10().Show(); }  // "К наблюдениям"
void Form1::Command25_Click() { form20().Show(); }  // "Bary - Geo*"
void Form1::Command8_Click() { form3().Show(); }    // "About*"
void Form1::Command11_Click() { form5().Show(); }   // "Обозначения*"
void Form1::Command21_Click() { form18().Show(); }  // "Планы*"
void Form1::Command22_Click() { form12().Show(); }  // "Координаты*"
void Form1::Command23_Click() { form14().Show(); }  // "Эллипс*"
void Form1::Command24_Click() { form11().Show(); }  // "Аберрация*"
void Form1::Command26_Click() { form24().Show(); }  // "JPL (DE405)*"
void Form1::Command27_Click() { form25().Show(); }  // "2-а тела*"
void Form1::Command19_Click() { form16().Show(); }  // "ET-UT*"
