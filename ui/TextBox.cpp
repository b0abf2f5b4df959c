#include <QLineEdit>
#include <QPlainTextEdit>

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

}  // namespace

TextBox::TextBox(Form* owner, TextBoxStyle style) : Control(owner, makeTextWidget(owner, style)) {
  if (style == TextBoxStyle::SingleLine) {
    line_ = static_cast<QLineEdit*>(widget());
    // textEdited: changes by the user only; writes by code fire in setText.
    QObject::connect(line_, &QLineEdit::textEdited, connectionContext(), [this] {
      holdsText_ = false;  // what the user typed replaces a text not yet shown
      fire(change_, EventOrigin::User);
    });
  } else {
    lines_ = static_cast<QPlainTextEdit*>(widget());
    // setText blocks this signal while it writes.
    QObject::connect(lines_, &QPlainTextEdit::textChanged, connectionContext(),
                     [this] { fire(change_, EventOrigin::User); });
  }
}

std::string TextBox::Text() const {
  // A text held back reads as the line edit would give it back.
  if (holdsText_) return QString::fromStdString(heldText_).left(line_->maxLength()).toStdString();
  if (line_ != nullptr) return line_->text().toStdString();
  return lines_->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")).toStdString();
}

void TextBox::setText(const std::string& text) {
  if (line_ != nullptr && drawingHeld()) {
    heldText_ = text;
    holdsText_ = true;
    showWhenDrawn();
  } else {
    showText(text);
  }
  // Every write fires Change, also when the text stays the same.
  fire(change_, EventOrigin::Code);
}

void TextBox::showText(const std::string& text) {
  holdsText_ = false;
  if (line_ != nullptr) {
    line_->setText(QString::fromStdString(text));
    line_->setCursorPosition(0);  // show the start of a long text
  } else {
    const QSignalBlocker quiet(lines_);
    lines_->setPlainText(withLineFeeds(text));
  }
}

void TextBox::showHeld() {
  if (holdsText_) showText(heldText_);
}

bool TextBox::Locked() const { return line_ != nullptr ? line_->isReadOnly() : lines_->isReadOnly(); }

void TextBox::setLocked(bool locked) {
  if (line_ != nullptr)
    line_->setReadOnly(locked);
  else
    lines_->setReadOnly(locked);
}

}  // namespace ui
