// The program starts with its start-up window Form1 and nothing else; the
// other windows open from it. Without a graphical display it says so and
// how to run it under a virtual one, before the window system is touched.
#include <QApplication>

#include <iostream>

#include "setup/Form1.h"
#include "ui/DisplayCheck.h"
#include "ui/Runtime.h"

int main(int argc, char* argv[]) {
  const std::string noDisplay = ui::missingDisplayMessage(ui::currentDisplayEnvironment());
  if (!noDisplay.empty()) {
    std::cerr << noDisplay;
    return 1;
  }
  QApplication app(argc, argv);
  ui::installRuntime(app);
  form1().Show();
  return app.exec();
}
