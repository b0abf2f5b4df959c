#include "ui/EventDispatch.h"

#include <QCoreApplication>
#include <QMetaObject>

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
