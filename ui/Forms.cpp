#include "ui/Forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <memory>

#include "ui/EventDispatch.h"
#include "ui/ScreenPlacement.h"

namespace ui {
namespace {

struct FormRegistry {
  std::vector<Form*> loaded;    // in the order of loading
  std::vector<Form*> unloaded;  // waiting until no handler runs
  Form* active = nullptr;
  bool endProcessWithLastForm = false;
  bool freeingScheduled = false;
  bool endCheckScheduled = false;
};

// Never destroyed: forms still loaded when the process ends are left to it,
// since the window system is gone by then.
FormRegistry& registry() {
  static auto* forms = new FormRegistry;
  return *forms;
}

void scheduleFreeing() {
  if (std::exchange(registry().freeingScheduled, true)) return;
  runWhenIdle([] {
    registry().freeingScheduled = false;
    destroyUnloadedForms();
  });
}

// A window left the screen: when the handlers are done and no loaded window
// is on the screen any more, the hidden ones would keep the process alive
// with nothing for the user to reach, so they are unloaded, and the last
// unload ends the process. Checked once the handlers are done, so that a
// handler may hide or unload its window and show another.
void endProcessWhenNothingIsShown() {
  FormRegistry& forms = registry();
  if (!forms.endProcessWithLastForm || std::exchange(forms.endCheckScheduled, true)) return;
  runWhenIdle([] {
    registry().endCheckScheduled = false;
    const std::vector<Form*>& loaded = registry().loaded;
    if (!registry().endProcessWithLastForm || loaded.empty()) return;
    if (std::none_of(loaded.begin(), loaded.end(), [](const Form* form) { return form->Visible(); }))
      unloadAllForms();
  });
}

}  // namespace

// The top-level widget of a form: a close by the title bar unloads the form,
// and an activation by the window system activates it.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form* form) : form_(form) {}
  void forgetForm() { form_ = nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();  // the widget stays; Unload hides it
    if (form_ == nullptr) return;
    Form* form = form_;
    runAtEventEdge([form] {
      if (FormLifecycle::handlersEnabled(*form)) form->closeByTitleBar();
    });
  }

  bool event(QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && form_ != nullptr) activateLater();
    return QWidget::event(event);
  }

 private:
  // The window system may report several activations in a row (each window
  // that was shown); only the one that is still active when they have all
  // arrived counts.
  void activateLater() {
    QPointer<FormWindow> self(this);
    QTimer::singleShot(0, this, [self] {
      if (!self || self->form_ == nullptr || QApplication::activeWindow() != self) return;
      Form* form = self->form_;
      if (activeForm() == form || !FormLifecycle::handlersEnabled(*form)) return;
      runAtEventEdge([form] { FormLifecycle::activate(*form); });
    });
  }

  Form* form_;
};

Form::Form(int number, const std::string& caption) : number_(number) {
  auto* window = new FormWindow(this);
  window_ = window;
  grid_ = new QGridLayout(window_);
  setCaption(caption);
}

Form::~Form() {
  static_cast<FormWindow*>(window_)->forgetForm();
  delete window_;
}

void Form::releaseDrawing() {
  if (drawingHolds_ > 0 && --drawingHolds_ == 0) showHeldDrawing();
}

void showAllHeldDrawing() {
  for (Form* form : loadedForms()) form->showHeldDrawing();
}

std::string Form::Caption() const { return window_->windowTitle().toStdString(); }

void Form::setCaption(const std::string& caption) {
  window_->setWindowTitle(QString::fromStdString(caption));
}

void Form::Show() {
  if (!loaded_) return;
  placeOnScreen(*window_);  // its first showing only
  window_->show();
  window_->raise();
  window_->activateWindow();
  FormLifecycle::activate(*this);
}

void Form::Hide() {
  window_->hide();
  if (registry().active == this) registry().active = nullptr;
  endProcessWhenNothingIsShown();
}

void Form::Unload() {
  if (!loaded_) return;
  loaded_ = false;
  FormRegistry& forms = registry();
  if (forms.active == this) forms.active = nullptr;
  forms.loaded.erase(std::remove(forms.loaded.begin(), forms.loaded.end(), this),
                     forms.loaded.end());
  if (slot_ != nullptr && *slot_ == this) *slot_ = nullptr;
  window_->hide();
  forms.unloaded.push_back(this);
  scheduleFreeing();
  if (forms.loaded.empty() && forms.endProcessWithLastForm) QCoreApplication::quit();
  endProcessWhenNothingIsShown();
}

bool Form::Visible() const { return window_->isVisible(); }

Form& FormLifecycle::load(Form*& slot, Form* created) {
  created->designing_ = false;
  created->loaded_ = true;
  created->slot_ = &slot;
  slot = created;
  registry().loaded.push_back(created);
  dispatchEvent(*created, EventOrigin::Code, [created] { created->Form_Load(); });
  return *created;
}

void FormLifecycle::activate(Form& form) {
  if (registry().active == &form || !handlersEnabled(form)) return;
  registry().active = &form;
  dispatchEvent(form, EventOrigin::Code, [&form] { form.Form_Activate(); });
}

bool FormLifecycle::handlersEnabled(const Form& form) { return form.loaded_ && !form.designing_; }

std::vector<Form*> loadedForms() {
  std::vector<Form*> forms = registry().loaded;
  std::stable_sort(forms.begin(), forms.end(),
                   [](const Form* a, const Form* b) { return a->Number() < b->Number(); });
  return forms;
}

int loadedFormCount() { return static_cast<int>(registry().loaded.size()); }

void unloadAllForms() {
  for (Form* form : loadedForms()) form->Unload();
}

Form* activeForm() { return registry().active; }

void endProcessWithLastForm(bool enabled) { registry().endProcessWithLastForm = enabled; }

void destroyUnloadedForms() {
  if (handlerDepth() > 0) return;
  std::vector<Form*> forms;
  forms.swap(registry().unloaded);
  for (Form* form : forms) delete form;
}

}  // namespace ui
