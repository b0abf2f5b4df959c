#pragma once
// Windows of the program: load, activation, showing, hiding and unloading.
//
// A window is a class derived from ui::Form that holds its controls as
// members (see Controls.h) and overrides Form_Load and Form_Activate. Each
// window has one accessor that loads it hidden on first touch:
//
//   // Form7.h
//   class Form7 : public ui::Form {
//    public:
//     Form7();
//     ui::TextBox Text1{this};                          // one control
//     ui::ControlArray<ui::CheckBox> Check2{this, 0, 10}; // Check2(0..10)
//     ui::CommandButton Command1{this};
//     void Command1_Click();
//     void Check2_Click(int Index);
//    protected:
//     void Form_Load() override;
//     void Form_Activate() override;
//   };
//   Form7& form7();  // loads Form7 hidden (running Form_Load) on first touch
//
//   // Form7.cpp
//   Form7& form7() { return ui::formInstance<Form7>(); }
//   Form7::Form7() : Form(7, "Тест ...  - форма 7") {
//     Text1.setText("0,001");             // design-time defaults: no handler runs
//     Command1.setCaption("Начать");
//     Command1.onClick([this] { Command1_Click(); });
//     Check2.onClick([this](int Index) { Check2_Click(Index); });
//     ui::place(grid(), Text1, 0, 0);      // layout helpers: Layout.h
//   }
//
// Another window then writes form7().Text1.setText(TimeText()), reads
// form7().Check2[3].Value() or shows it with form7().Show().
//
// Lifecycle:
// - The constructor builds the window with its design-time defaults; while
//   it runs, no event handler fires. Then the form counts as loaded and
//   Form_Load runs once. Form_Load may touch other windows, and code it
//   calls may touch this window through its accessor: the accessor already
//   returns this instance.
// - Show() shows the window modeless, brings it to the front and, when it is
//   not already the active window, runs Form_Activate. A click or any other
//   user event on a control of a window that is not the active one runs that
//   window's Form_Activate first, then the event's handler. The window
//   system's own activation (title bar, keyboard) also runs Form_Activate.
// - Unload() hides the window and ends its load: the accessor's next touch
//   builds a fresh instance with its design-time defaults. The unloaded
//   object stays alive until no handler is running any more (a handler may
//   unload its own window and go on), but its controls fire no handlers.
//   unloadForm<F>() unloads a window only when it is loaded. Closing a window
//   by its title bar runs closeByTitleBar(): an Unload, or what the window's
//   own close button does.
// - The process ends when no loaded window is on the screen any more, once
//   the running handlers are done: the hidden ones are unloaded then, and
//   the process ends with the last unload (installRuntime() arms this;
//   tests leave it off).
#include <QGridLayout>
#include <QWidget>

#include <string>
#include <vector>

namespace ui {

class Control;

class Form {
 public:
  // number: 1..26, the order in which unloadAllForms() unloads windows.
  Form(int number, const std::string& caption);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  int Number() const { return number_; }
  std::string Caption() const;
  void setCaption(const std::string& caption);

  // Shows the window modeless and activates it (Form_Activate runs unless
  // it is already the active window).
  void Show();
  void Hide();
  void Unload();
  // A close by the title bar: an Unload. A window whose own close button
  // does more (unloads the companion windows it owns, closes its files)
  // runs that button's handler instead, so that both ways of closing leave
  // the same windows loaded.
  virtual void closeByTitleBar() { Unload(); }
  // Visible: shown on the screen (a loaded hidden window is not).
  bool Visible() const;
  bool isLoaded() const { return loaded_; }

  // The top-level widget and its grid, where the constructor lays out the
  // controls (Layout.h).
  QWidget* window() const { return window_; }
  QGridLayout& grid() const { return *grid_; }

  // Held drawing (PassDrawing.h): while a run holds the window's drawing,
  // its text boxes and pictures keep what code writes to them, and show it
  // when showHeldDrawing runs. Holds nest; the last release shows.
  bool drawingHeld() const { return drawingHolds_ > 0; }
  void holdDrawing() { ++drawingHolds_; }
  void releaseDrawing();
  void showHeldDrawing();

 protected:
  // Runs once per load, right after the constructor.
  virtual void Form_Load() {}
  // Runs each time the window becomes the active window.
  virtual void Form_Activate() {}

 private:
  friend struct FormLifecycle;
  int number_;
  QWidget* window_;
  QGridLayout* grid_;
  bool designing_ = true;  // constructor still running: controls fire no handlers
  bool loaded_ = false;
  Form** slot_ = nullptr;  // the accessor's slot, emptied by Unload
  friend class Control;
  int drawingHolds_ = 0;
  std::vector<Control*> heldControls_;  // controls with something to show
};

// The steps of a window's life that the accessor, the controls and the
// event dispatcher run. Not for window code.
struct FormLifecycle {
  // Takes a freshly constructed window, counts it as loaded, fills the
  // accessor's slot and runs Form_Load. Returns the window.
  static Form& load(Form*& slot, Form* created);
  // Makes the window the active one and runs its Form_Activate, unless it is
  // the active one already.
  static void activate(Form& form);
  // True while the handlers of the window's controls may run: loaded and
  // past its constructor.
  static bool handlersEnabled(const Form& form);
};

// The slot of window F: the loaded instance or nullptr.
template <class F>
Form*& formSlot() {
  static Form* slot = nullptr;
  return slot;
}

// The accessor of window F: loads F hidden on first touch (constructor, then
// Form_Load) and returns the loaded instance. F's constructor must not touch
// its own accessor.
template <class F>
F& formInstance() {
  Form*& slot = formSlot<F>();
  if (slot != nullptr) return static_cast<F&>(*slot);
  return static_cast<F&>(FormLifecycle::load(slot, new F()));
}

// True when window F is loaded; never loads it.
template <class F>
bool isFormLoaded() {
  return formSlot<F>() != nullptr;
}

// Unloads window F when it is loaded; a window not loaded stays unloaded
// (its load handler does not run).
template <class F>
void unloadForm() {
  if (Form* form = formSlot<F>()) form->Unload();
}

// Loaded windows in number order.
std::vector<Form*> loadedForms();
int loadedFormCount();
// Unloads every loaded window in number order.
void unloadAllForms();
// The active window (the one whose Form_Activate ran last and that was
// neither hidden nor unloaded since), or nullptr.
Form* activeForm();
// When enabled (installRuntime does it), the application quits as soon as
// no window is loaded any more, and the windows still loaded are unloaded
// as soon as none of them is on the screen when no handler is running.
void endProcessWithLastForm(bool enabled);
// Shows what every loaded window holds of a run's drawing (before a
// message box, so that it stands over the windows as they are).
void showAllHeldDrawing();
// Frees the unloaded windows now, when no handler is running. The event loop
// does it on its own; tests call it between cases.
void destroyUnloadedForms();

}  // namespace ui
