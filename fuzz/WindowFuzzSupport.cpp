#include "fuzz/WindowFuzzSupport.h"

#include <QApplication>

#include "core/state/SharedState.h"
#include "setup/Form1.h"

namespace fuzz {

void startWindows(std::initializer_list<const char*> subfolders) {
  static QApplication* application = nullptr;
  if (application != nullptr) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "celvan-fuzz";
  static char* argv[] = {name, nullptr};
  application = new QApplication(argc, argv);
  useProgramFolder(subfolders);
  resetSharedState();
  form1().Show();
}

}  // namespace fuzz
