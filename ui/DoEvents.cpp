#include <QCoreApplication>

#include "ui/EventDispatch.h"
#include "ui/Forms.h"
#include "ui/Runtime.h"

int DoEvents() {
  // Counted as a running handler: a window unloaded by a nested handler
  // stays in memory until the caller's loop has returned.
  const ui::HandlerDepthScope waiting;
  // Repaints and the window system may raise floating-point flags; they are
  // no error of the loop that waits here, whose own flags stay as they were.
  const ui::FloatingPointFlagsScope loopFlags;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return ui::loadedFormCount();
}
