#include "ui/Layout.h"

#include <QLabel>

namespace ui {

void place(QGridLayout& grid, Control& control, int row, int column, int rowSpan,
           int columnSpan) {
  grid.addWidget(control.widget(), row, column, rowSpan, columnSpan);
}

void addCaption(QGridLayout& grid, const std::string& text, int row, int column, int rowSpan,
                int columnSpan) {
  auto* caption = new QLabel(QString::fromStdString(text), grid.parentWidget());
  caption->setTextFormat(Qt::PlainText);
  grid.addWidget(caption, row, column, rowSpan, columnSpan);
}

void placeCaptioned(QGridLayout& grid, const std::string& caption, TextBox& box, int row,
                    int column, int boxWidth) {
  addCaption(grid, caption, row, column);
  place(grid, box, row, column + 1);
  setWidthPixels(box, boxWidth);
}

QGridLayout& addGrid(QGridLayout& grid, int row, int column, int rowSpan, int columnSpan) {
  auto* nested = new QGridLayout;
  grid.addLayout(nested, row, column, rowSpan, columnSpan);
  return *nested;
}

void setWidthPixels(Control& control, int width) { control.widget()->setFixedWidth(width); }

void takeSpareWidth(Control& control, int leastWidth) {
  QWidget& widget = *control.widget();
  widget.setMinimumWidth(leastWidth);
  widget.setSizePolicy(QSizePolicy::Ignored, widget.sizePolicy().verticalPolicy());
}

}  // namespace ui
