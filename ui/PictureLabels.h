#pragma once
// PictureLabels: axis numbers and captions on a picture, each one whole and
// apart from the others.
//
// A label whose ink would cross an edge of the picture is moved just inside
// it (the last number of an axis ends at the right edge instead of being
// cut). A label that would touch one printed before it through the same
// PictureLabels is left out, so print the captions first; along an axis the
// numbers that would run together are left out, the ends kept. Labels are
// single lines.
//
//   ui::PictureLabels labels(Picture4);
//   labels.print(2.7, -2.8, "азимут, град");
//   std::vector<ui::AxisLabel> row;
//   for (int a = -180; a <= 180; a += 30) row.push_back({a / 30.0 - 0.3, -3.4, Str(a)});
//   labels.printAxis(row);
#include <QImage>
#include <QColor>
#include <QPoint>
#include <QRect>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/PictureBox.h"

namespace ui {

// A label wanted with its top left corner at (x, y), in user units.
struct AxisLabel {
  double x;
  double y;
  std::string text;
};

class PictureLabels {
 public:
  explicit PictureLabels(PictureBox& picture) : picture_(picture) {}

  // Prints the text with its top left corner at (x, y), moved as far as its
  // ink needs to lie inside the picture; false when it was left out because it would
  // touch a label printed before.
  bool print(double x, double y, const std::string& text);

  // Prints the numbers of one axis, given in their order along it: the
  // first and the last one before the others, as they show the axis' range;
  // each one that would touch a label printed before is left out.
  void printAxis(const std::vector<AxisLabel>& labels);

 private:
  // The pixel nearest to the point (x, y) in user units.
  QPoint pixelOf(double x, double y) const;
  // Whether the ink comes nearer to that of a label printed before than a
  // blank's width side by side, or leaves no clear pixel row above or below.
  bool touchesPrinted(const QRect& ink) const;

  PictureBox& picture_;
  std::vector<QRect> printed_;  // their ink
};

// PrintedLines: lines of text printed again and again at fixed places of a
// picture (values of a run, the working of a step), each one replacing the
// line printed at its place before. Before a line is printed, the pixels
// under the earlier line at its place are put back as they were before that
// line, and the place of the new line is cleared to the picture's
// background, so that no text lands on other text. A cleared picture (Cls)
// starts afresh.
//
//   ui::PrintedLines lines(Picture1);          // a member of the window
//   lines.print(-9, -4.1, "E0sys (Дж)=  " + Str(E0sys));
class PrintedLines {
 public:
  explicit PrintedLines(PictureBox& picture) : picture_(picture) {}

  // Prints the text with its top left corner at (x, y) in user units.
  void print(double x, double y, const std::string& text);

 private:
  struct Printed {
    QPoint corner;   // of the pixels kept
    QImage under;    // the pixels under the line before it was printed
  };
  PictureBox& picture_;
  int clearings_ = -1;
  std::map<std::pair<double, double>, Printed> printed_;
};

}  // namespace ui
