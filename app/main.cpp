// The program starts with its start-up window Form1 and nothing else; the
// other windows open from it.
#include <QApplication>

#include "setup/Form1.h"
#include "ui/Runtime.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ui::installRuntime(app);
  form1().Show();
  return app.exec();
}
