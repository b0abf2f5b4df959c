#pragma once
// Controls of the windows, named by kind as the windows name them: TextBox,
// Label, CommandButton, Frame, CheckBox, OptionButton, HScrollBar,
// VScrollBar, Image (PictureBox in PictureBox.h), and ControlArray for the
// arrays indexed as the windows index them (Check2(0..10)).
//
// A control is a member of its window, built with the window as owner:
//   ui::TextBox Text53{this};
//   ui::ControlArray<ui::TextBox> Text1{this, 0, 10};
// Properties are read by their name and written by set + name:
//   Text53.Text(), Text53.setText("12:00:01"), Check2[3].Value(),
//   Check2[3].setValue(1), Label10.setCaption("..."), HScroll1.Value().
// Handlers are set in the window's constructor; an array's handler gets the
// index of the control:
//   Command1.onClick([this] { Command1_Click(); });
//   Check2.onClick([this](int Index) { Check2_Click(Index); });
// Writes in the constructor are design-time defaults and fire nothing.
// After it, a write by code fires the handler inline (see each property);
// SuppressEvents writes without firing. Handlers are also ordinary member
// functions that code may call directly.
#include <QFont>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/EventDispatch.h"

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace ui {

class Form;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Enabled and Visible are the control's own settings: a control stays
  // Visible while its window is hidden.
  bool Enabled() const;
  void setEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void setVisible(bool visible);

  QWidget* widget() const { return widget_; }
  Form& owner() const { return *owner_; }

 protected:
  Control(Form* owner, QWidget* widget);
  // Runs handler as this control's event, unless SuppressEvents holds it or
  // the window cannot run handlers (see EventDispatch.h).
  void fire(const std::function<void()>& handler, EventOrigin origin) const;
  // The receiver of the control's signal connections: they end with the
  // control.
  QObject* connectionContext() { return &context_; }
  // True while the window holds its drawing (Form::drawingHeld): a control
  // then keeps what code writes and calls showWhenDrawn, and its showHeld
  // puts it on the screen when the window shows what it holds.
  bool drawingHeld() const;
  void showWhenDrawn();

 private:
  friend class SuppressEvents;
  friend class Form;
  virtual void showHeld() {}
  bool waitingToShow_ = false;
  Form* owner_;
  QPointer<QWidget> widget_;
  bool visible_ = true;
  int suppressed_ = 0;
  QObject context_;
};

// Writes to a control without firing its handlers while the guard lives:
//   { ui::SuppressEvents quiet(Text24); Text24.setText(""); }
class SuppressEvents {
 public:
  explicit SuppressEvents(Control& control) : control_(control) { ++control_.suppressed_; }
  ~SuppressEvents() { --control_.suppressed_; }
  SuppressEvents(const SuppressEvents&) = delete;
  SuppressEvents& operator=(const SuppressEvents&) = delete;

 private:
  Control& control_;
};

enum class TextBoxStyle {
  SingleLine,
  MultiLine,  // several lines with a vertical scroll bar
};

// TextBox. Change fires on every change the user types and on EVERY write
// by code, even when the new text equals the old one: the trigger boxes are
// written with the time of day to run their handler, and two writes within
// one clock tick carry the same text. (A plain Qt line edit would stay
// silent then.) The handler runs synchronously, nested inside the writer.
// A multi-line box returns its lines joined by CR LF and takes CR LF or LF.
// While the window holds its drawing (PassDrawing.h), a one-line box shows
// a text written by code only when the window shows what it holds; Text
// and Change behave as ever; a number written with the function that puts
// it into words is put into words only when it is read or shown.
// A single-line box whose text is wider than the box shows it in the
// condensed face of its font, smaller if need be (down to
// kSmallestFittedPoints), so that no part of a number is hidden; a text that
// fits is shown in the box's own font.
class TextBox : public Control {
 public:
  explicit TextBox(Form* owner, TextBoxStyle style = TextBoxStyle::SingleLine);
  std::string Text() const;
  void setText(const std::string& text);
  // The number's text as words(number) gives it (at once when the number is
  // not finite, so that words raises its error where it was written).
  void setText(double number, std::string (*words)(double));
  // Locked: the user cannot edit the text; code still can.
  bool Locked() const;
  void setLocked(bool locked);
  void onChange(std::function<void()> handler) { change_ = std::move(handler); }

  static constexpr double kSmallestFittedPoints = 7;

 private:
  void showText(const std::string& text);
  void holdUntilShown();
  const std::string& heldText() const;
  void showHeld() override;
  void fitTextToBox();
  QLineEdit* line_ = nullptr;
  QPlainTextEdit* lines_ = nullptr;
  std::function<void()> change_;
  // A one-line box whose window holds its drawing keeps the text written
  // here until it is shown; Text gives it back meanwhile.
  mutable std::string heldText_;
  bool holdsText_ = false;
  // A held number not yet put into words.
  double heldNumber_ = 0;
  mutable std::string (*heldWords_)(double) = nullptr;
  // The box's own font, kept while a fitted one is shown; whether the
  // window had set it (otherwise the box takes the window's).
  std::optional<QFont> ownFont_;
  bool ownFontSet_ = false;
};

class Label : public Control {
 public:
  explicit Label(Form* owner);
  std::string Caption() const;
  void setCaption(const std::string& caption);

 private:
  QLabel* label_;
};

class CommandButton : public Control {
 public:
  explicit CommandButton(Form* owner);
  std::string Caption() const;
  void setCaption(const std::string& caption);
  // Click: the user's click. Code runs the handler by calling it directly.
  void onClick(std::function<void()> handler) { click_ = std::move(handler); }

 private:
  QPushButton* button_;
  std::function<void()> click_;
};

// Frame: a captioned box that holds other controls in its own grid. Option
// buttons placed in one frame form one group; those of different frames (or
// placed on the window itself) are independent.
class Frame : public Control {
 public:
  explicit Frame(Form* owner);
  std::string Caption() const;
  void setCaption(const std::string& caption);
  QGridLayout& grid() const { return *grid_; }

 private:
  QGroupBox* box_;
  QGridLayout* grid_;
};

// CheckBox: Value 0 (unticked), 1 (ticked) or 2 (grey; counts as not
// ticked). Setting Value by code fires Click when the value changes. A
// user's click ticks an unticked or grey box and unticks a ticked one, then
// fires Click. Another value than 0, 1, 2 is a RuntimeError(InvalidCall).
class CheckBox : public Control {
 public:
  explicit CheckBox(Form* owner);
  int Value() const { return value_; }
  void setValue(int value);
  std::string Caption() const;
  void setCaption(const std::string& caption);
  void onClick(std::function<void()> handler) { click_ = std::move(handler); }

 private:
  void showValue();
  QCheckBox* box_;
  int value_ = 0;
  std::function<void()> click_;
};

// OptionButton: Value true for the chosen option of its group (the frame it
// is placed in). setValue(true) by code clears the others of the group and
// fires Click, each time; setValue(false) clears it silently. A user's click
// on an unchosen option does the same; a click on the chosen one does
// nothing. A disabled option keeps its Value. In the window's constructor
// (before the layout has put the options into their frames) each option
// takes the design-time Value written to it, and the others stay as they are.
class OptionButton : public Control {
 public:
  explicit OptionButton(Form* owner);
  bool Value() const { return value_; }
  void setValue(bool value);
  std::string Caption() const;
  void setCaption(const std::string& caption);
  void onClick(std::function<void()> handler) { click_ = std::move(handler); }

 private:
  void choose(EventOrigin origin);
  void clearOthersOfGroup();
  void showValue();
  QRadioButton* radio_;
  bool value_ = false;
  std::function<void()> click_;
};

// Scroll bars. Min may exceed Max (the bar then runs from Min at its left
// or top end to Max at the other end). Change fires when Value changes, by
// code or by the user (an arrow, the track, the end of a drag); Scroll
// fires while the user drags the thumb. A Value outside Min..Max is a
// RuntimeError(InvalidCall); changing Min or Max moves Value into the new
// range (firing Change).
class ScrollBar : public Control {
 public:
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Value() const { return value_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }
  void setMin(int min);
  void setMax(int max);
  void setValue(int value);
  void setSmallChange(int step);
  void setLargeChange(int step);
  void onChange(std::function<void()> handler) { change_ = std::move(handler); }
  void onScroll(std::function<void()> handler) { scroll_ = std::move(handler); }

 protected:
  ScrollBar(Form* owner, Qt::Orientation orientation);

 private:
  void applyRange();
  int valueFromBar(int barPosition) const;
  int barPosition(int value) const;
  void takeUserValue(int barPosition, EventOrigin origin, bool scrolling);
  QScrollBar* bar_;
  int min_ = 0;
  int max_ = 32767;
  int value_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
  std::function<void()> change_;
  std::function<void()> scroll_;
};

class HScrollBar : public ScrollBar {
 public:
  explicit HScrollBar(Form* owner) : ScrollBar(owner, Qt::Horizontal) {}
};

class VScrollBar : public ScrollBar {
 public:
  explicit VScrollBar(Form* owner) : ScrollBar(owner, Qt::Vertical) {}
};

// Image: shows a fixed picture at its own size.
class Image : public Control {
 public:
  explicit Image(Form* owner);
  void setPicture(const QImage& picture);

 private:
  QLabel* label_;
};

// A control array with indices lowest..highest, each control built with the
// same arguments. An index outside the bounds is a RuntimeError
// (SubscriptOutOfRange). onClick, onChange, onScroll give the handler the
// index of the control that fired.
template <class C>
class ControlArray {
 public:
  template <class... Args>
  ControlArray(Form* owner, int lowest, int highest, Args... args) : lowest_(lowest) {
    for (int i = lowest; i <= highest; ++i) items_.push_back(std::make_unique<C>(owner, args...));
  }
  C& operator[](int index) const;
  int LBound() const { return lowest_; }
  int UBound() const { return lowest_ + static_cast<int>(items_.size()) - 1; }

  template <class Handler>
  void onClick(Handler handler) {
    forEachIndexed([&](C& c, int i) { c.onClick([handler, i] { handler(i); }); });
  }
  template <class Handler>
  void onChange(Handler handler) {
    forEachIndexed([&](C& c, int i) { c.onChange([handler, i] { handler(i); }); });
  }
  template <class Handler>
  void onScroll(Handler handler) {
    forEachIndexed([&](C& c, int i) { c.onScroll([handler, i] { handler(i); }); });
  }

 private:
  template <class Visit>
  void forEachIndexed(Visit visit) {
    for (int i = LBound(); i <= UBound(); ++i) visit(*items_[i - lowest_], i);
  }
  int lowest_;
  std::vector<std::unique_ptr<C>> items_;
};

// Refuses an index outside lowest..highest as the classic arrays do.
void checkControlIndex(int index, int lowest, int highest);

template <class C>
C& ControlArray<C>::operator[](int index) const {
  checkControlIndex(index, LBound(), UBound());
  return *items_[index - lowest_];
}

}  // namespace ui
