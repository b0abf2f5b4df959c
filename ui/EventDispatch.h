#pragma once
// The edge between the window system and the handlers of the windows.
//
// Every handler of a control runs through dispatchEvent:
// - An event of the user (a click, typing, a scroll, a mouse press, a close
//   by the title bar) first activates its window when that window is not
//   the active one (Form_Activate runs before the handler), and its handler
//   runs behind an edge: the floating-point flags are saved and cleared
//   before it, tested after it; an exception that leaves the handler (a
//   RuntimeError outside any error trap, a raised flag, anything else) is
//   shown as one message box, "Ошибка выполнения программы" with the error
//   text under the title "Celvan7", and the program goes on. The flags of
//   an interrupted outer computation are restored afterwards, so a handler
//   that runs nested inside a loop's DoEvents does not hide them.
// - An event fired by code (a write into a text box, a Value set by code,
//   a Form_Load run by an accessor) runs its handler inline, nested inside
//   the writer, so that an error passes to the writer's own error trap as
//   it would from a procedure call. Only when no handler is running at all
//   (a test, the start of the program) does it get the edge of a user event.
// - Handlers of a window that is being constructed or was unloaded do not
//   run.
#include <cfenv>
#include <functional>

namespace ui {

class Form;

enum class EventOrigin { User, Code };

void dispatchEvent(Form& form, EventOrigin origin, const std::function<void()>& handler);

// Runs work behind the edge of a user event (no window to activate): for
// the start of the program and for tests.
void runAtEventEdge(const std::function<void()>& work);

// The number of handlers and DoEvents calls now running, outermost first.
int handlerDepth();

// Runs task from the event loop as soon as no handler and no DoEvents is
// running (never inside the caller).
void runWhenIdle(std::function<void()> task);

// Keeps the floating-point flags of the code around it: saves them, gives
// the work inside clean flags, and puts the saved ones back at the end,
// dropping whatever the work raised. For work of the window system inside a
// computation (repaints in DoEvents, dialogs, drawing), whose flags are no
// error of the computation; and for the edge of a handler run nested inside
// a loop, which must not hide the loop's own flags.
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

// For DoEvents: counts it as running, so that unloaded windows are not
// freed under a handler that waits in it.
class HandlerDepthScope {
 public:
  HandlerDepthScope();
  ~HandlerDepthScope();
  HandlerDepthScope(const HandlerDepthScope&) = delete;
  HandlerDepthScope& operator=(const HandlerDepthScope&) = delete;
};

}  // namespace ui
