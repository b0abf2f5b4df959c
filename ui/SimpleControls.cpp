// The controls without state of their own: Label, CommandButton, Frame and
// Image.
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/Controls.h"
#include "ui/Forms.h"

namespace ui {

Label::Label(Form* owner) : Control(owner, new QLabel(owner->window())) {
  label_ = static_cast<QLabel*>(widget());
  label_->setTextFormat(Qt::PlainText);
}

std::string Label::Caption() const { return label_->text().toStdString(); }

void Label::setCaption(const std::string& caption) {
  label_->setText(QString::fromStdString(caption));
}

CommandButton::CommandButton(Form* owner) : Control(owner, new QPushButton(owner->window())) {
  button_ = static_cast<QPushButton*>(widget());
  button_->setAutoDefault(false);
  QObject::connect(button_, &QPushButton::clicked, connectionContext(),
                   [this] { fire(click_, EventOrigin::User); });
}

std::string CommandButton::Caption() const { return button_->text().toStdString(); }

void CommandButton::setCaption(const std::string& caption) {
  button_->setText(QString::fromStdString(caption));
}

Frame::Frame(Form* owner) : Control(owner, new QGroupBox(owner->window())) {
  box_ = static_cast<QGroupBox*>(widget());
  grid_ = new QGridLayout(box_);
  grid_->setAlignment(Qt::AlignTop | Qt::AlignLeft);  // controls stay together at the top
}

std::string Frame::Caption() const { return box_->title().toStdString(); }

void Frame::setCaption(const std::string& caption) {
  box_->setTitle(QString::fromStdString(caption));
}

Image::Image(Form* owner) : Control(owner, new QLabel(owner->window())) {
  label_ = static_cast<QLabel*>(widget());
}

void Image::setPicture(const QImage& picture) {
  label_->setPixmap(QPixmap::fromImage(picture));
  label_->setFixedSize(picture.size());
}

}  // namespace ui
