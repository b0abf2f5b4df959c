#include "ui/EventDispatch.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <cfenv>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "core/runtime/MessageBox.h"
#include "core/runtime/RuntimeError.h"
#include "ui/Forms.h"

namespace ui {
namespace {

int depth = 0;
std::vector<std::function<void()>> idleTasks;

void postIdleRunner();

void runIdleTasks() {
  if (depth > 0) return;  // posted again when the running handlers end
  std::vector<std::function<void()>> tasks;
  tasks.swap(idleTasks);
  for (auto& task : tasks) task();
}

void postIdleRunner() {
  if (QCoreApplication* app = QCoreApplication::instance())
    QMetaObject::invokeMethod(app, &runIdleTasks, Qt::QueuedConnection);
}

void showEscapedError(const std::string& what) {
  MsgBox("Ошибка выполнения программы: " + what, MsgBoxButtons::Ok, "Celvan7");
}

// Keeps the floating-point flags of the computation that was interrupted
// (a handler run from DoEvents inside a loop) and gives the handler clean
// flags of its own.
class FloatingPointFlagsScope {
 public:
  FloatingPointFlagsScope() {
    std::fegetexceptflag(&saved_, FE_ALL_EXCEPT);
    std::feclearexcept(FE_ALL_EXCEPT);
  }
  ~FloatingPointFlagsScope() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetexceptflag(&saved_, FE_ALL_EXCEPT);
  }
  FloatingPointFlagsScope(const FloatingPointFlagsScope&) = delete;
  FloatingPointFlagsScope& operator=(const FloatingPointFlagsScope&) = delete;

 private:
  std::fexcept_t saved_;
};

}  // namespace

HandlerDepthScope::HandlerDepthScope() { ++depth; }

HandlerDepthScope::~HandlerDepthScope() {
  if (--depth == 0 && !idleTasks.empty()) postIdleRunner();
}

int handlerDepth() { return depth; }

void runWhenIdle(std::function<void()> task) {
  idleTasks.push_back(std::move(task));
  postIdleRunner();
}

void runAtEventEdge(const std::function<void()>& work) {
  HandlerDepthScope running;
  FloatingPointFlagsScope flags;
  try {
    work();
    throwOnFloatingPointFlags();
  } catch (const std::exception& error) {
    showEscapedError(error.what());
  } catch (...) {
    showEscapedError("неизвестная ошибка");
  }
}

void dispatchEvent(Form& form, EventOrigin origin, const std::function<void()>& handler) {
  if (!handler || !FormLifecycle::handlersEnabled(form)) return;
  if (origin == EventOrigin::Code && depth > 0) {
    HandlerDepthScope running;
    handler();
    return;
  }
  runAtEventEdge([&] {
    if (origin == EventOrigin::User) FormLifecycle::activate(form);
    if (FormLifecycle::handlersEnabled(form)) handler();
  });
}

}  // namespace ui
