#include <QEvent>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {
namespace {

QWidget* makeTextWidget(Form* owner, TextBoxStyle style) {
  if (style == TextBoxStyle::SingleLine) return new QLineEdit(owner->window());
  auto* lines = new QPlainTextEdit(owner->window());
  lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  return lines;
}

// Line ends inside the box are LF; the program sees CR LF.
QString withLineFeeds(const std::string& text) {
  QString result = QString::fromStdString(text);
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}

// Runs an action each time the widget it watches changes its size.
class ResizeWatcher : public QObject {
 public:
  ResizeWatcher(QWidget* watched, std::function<void()> action) : QObject(watched), action_(std::move(action)) {
    watched->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) action_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> action_;
};

// The width a line box needs to show its whole text in the font: the text,
// the box's inner margins and the cursor after the text, inside its frame.
int widthNeeded(const QLineEdit& box, const QFont& font) {
  constexpr int kInnerMargins = 2 * 2;  // the box's own, left and right
  const QMargins margins = box.textMargins();
  const int cursor = box.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &box);
  const int text = static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(box.text())));
  QStyleOptionFrame frame;
  frame.initFrom(&box);
  frame.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, &box) : 0;
  const QSize contents(text + kInnerMargins + margins.left() + margins.right() + 1 + cursor, box.height());
  return box.style()->sizeFromContents(QStyle::CT_LineEdit, &frame, contents, &box).width();
}

}  // namespace

TextBox::TextBox(Form* owner, TextBoxStyle style) : Control(owner, makeTextWidget(owner, style)) {
  if (style == TextBoxStyle::SingleLine) {
    line_ = static_cast<QLineEdit*>(widget());
    // textEdited: changes by the user only; writes by code fire in setText.
    QObject::connect(line_, &QLineEdit::textEdited, connectionContext(), [this] {
      holdsText_ = false;  // what the user typed replaces a text not yet shown
      fitTextToBox();
      fire(change_, EventOrigin::User);
    });
    new ResizeWatcher(line_, [this] { fitTextToBox(); });
  } else {
    lines_ = static_cast<QPlainTextEdit*>(widget());
    // setText blocks this signal while it writes.
    QObject::connect(lines_, &QPlainTextEdit::textChanged, connectionContext(),
                     [this] { fire(change_, EventOrigin::User); });
  }
}

std::string TextBox::Text() const {
  // A text held back reads as the line edit would give it back.
  if (holdsText_) return QString::fromStdString(heldText()).left(line_->maxLength()).toStdString();
  if (line_ != nullptr) return line_->text().toStdString();
  return lines_->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

void TextBox::setText(const std::string& text) {
  if (line_ != nullptr && drawingHeld()) {
    heldText_ = text;
    heldWords_ = nullptr;
    holdUntilShown();
  } else {
    showText(text);
  }
  // Every write fires Change, also when the text stays the same.
  fire(change_, EventOrigin::Code);
}

void TextBox::setText(double number, std::string (*words)(double)) {
  if (line_ == nullptr || !drawingHeld() || !std::isfinite(number)) return setText(words(number));
  heldNumber_ = number;
  heldWords_ = words;
  holdUntilShown();
  fire(change_, EventOrigin::Code);
}

void TextBox::holdUntilShown() {
  holdsText_ = true;
  showWhenDrawn();
}

const std::string& TextBox::heldText() const {
  if (heldWords_ != nullptr) {
    heldText_ = heldWords_(heldNumber_);
    heldWords_ = nullptr;
  }
  return heldText_;
}

void TextBox::showText(const std::string& text) {
  holdsText_ = false;
  if (line_ != nullptr) {
    line_->setText(QString::fromStdString(text));
    fitTextToBox();
    line_->setCursorPosition(0);  // show the start of a long text
  } else {
    const QSignalBlocker quiet(lines_);
    lines_->setPlainText(withLineFeeds(text));
  }
}

void TextBox::showHeld() {
  if (holdsText_) showText(heldText());
}

void TextBox::fitTextToBox() {
  const QFont own = ownFont_.value_or(line_->font());
  if (widthNeeded(*line_, own) <= line_->width()) {
    if (!ownFont_) return;
    line_->setFont(ownFontSet_ ? own : QFont());  // QFont(): the window's font again
    ownFont_.reset();
    return;
  }
  if (!ownFont_) {
    ownFont_ = own;
    ownFontSet_ = line_->testAttribute(Qt::WA_SetFont);
  }
  QFont fitted = own;
  fitted.setFamily(QStringLiteral("DejaVu Sans Condensed"));
  constexpr double kPointStep = 0.5;
  double points = own.pointSizeF();
  fitted.setPointSizeF(points);
  while (points - kPointStep >= kSmallestFittedPoints && widthNeeded(*line_, fitted) > line_->width()) {
    points -= kPointStep;
    fitted.setPointSizeF(points);
  }
  line_->setFont(fitted);
}

bool TextBox::Locked() const { return line_ != nullptr ? line_->isReadOnly() : lines_->isReadOnly(); }

void TextBox::setLocked(bool locked) {
  if (line_ != nullptr)
    line_->setReadOnly(locked);
  else
    lines_->setReadOnly(locked);
}

}  // namespace ui
