#include "ui/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"
#include "ui/EventDispatch.h"
#include "ui/Forms.h"

int32_t RGB(int red, int green, int blue) {
  auto component = [](int value) { return std::clamp(value, 0, 255); };
  return component(red) + 256 * component(green) + 65536 * component(blue);
}

namespace ui {

// The widget of a picture box: shows the persistent image and reports mouse
// presses.
class PictureWidget : public QWidget {
 public:
  PictureWidget(PictureBox* picture, QWidget* parent) : QWidget(parent), picture_(picture) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, picture_->image());
  }

  void mousePressEvent(QMouseEvent* event) override {
    const QPoint at = event->position().toPoint();
    picture_->mousePressed(buttonNumber(event->button()), shiftNumber(event->modifiers()), at.x(),
                           at.y());
  }

 private:
  static int buttonNumber(Qt::MouseButton button) {
    switch (button) {
      case Qt::LeftButton: return 1;
      case Qt::RightButton: return 2;
      case Qt::MiddleButton: return 4;
      default: return 0;
    }
  }
  static int shiftNumber(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) + (modifiers & Qt::ControlModifier ? 2 : 0) +
           (modifiers & Qt::AltModifier ? 4 : 0);
  }

  PictureBox* picture_;
};

namespace {

QColor colourOf(int32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// A painter that draws exactly: no antialiasing, so that the same figure in
// the background colour covers every pixel it drew. The painter's own
// floating-point flags are dropped (the guard is the first base, so it ends
// after the painter): drawing raises no error of the caller's computation.
class ExactPainter : private FloatingPointFlagsScope, public QPainter {
 public:
  ExactPainter(QImage* image, QColor pen, int width) : QPainter(image) {
    setRenderHint(QPainter::Antialiasing, false);
    setRenderHint(QPainter::TextAntialiasing, false);
    QPen outline(pen);
    outline.setWidth(width <= 1 ? 0 : width);  // 0: exactly one pixel wide
    setPen(outline);
    setBrush(Qt::NoBrush);
  }
};

// A position this far outside the picture cannot be drawn: the classic
// run-time reports an overflow, and so do we.
constexpr double farthestPixel = 1e7;

double checkedPixel(double pixel) {
  if (!(std::abs(pixel) <= farthestPixel))
    throw RuntimeError(ErrorCode::Overflow, "Overflow: drawing coordinate out of range");
  return pixel;
}

void checkArcAngle(double angle) {
  if (std::abs(angle) > 2 * std::numbers::pi)
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid procedure call or argument: angle");
}

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// The lines of a printed text: a line break starts a new line, a carriage
// return is dropped.
QStringList printedLines(const std::string& text) {
  return QString::fromStdString(text).remove(QChar('\r')).split(QChar('\n'));
}

// The width of a text's widest line, in pixels.
int widestLine(const QFontMetrics& metrics, const std::string& text) {
  int widest = 0;
  for (const QString& line : printedLines(text))
    widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

}  // namespace

PictureBox::PictureBox(Form* owner, int widthPixels, int heightPixels)
    : Control(owner, new PictureWidget(this, owner->window())) {
  surface_ = static_cast<PictureWidget*>(widget());
  resizeImage(widthPixels, heightPixels);
  Cls();
}

int PictureBox::widthPixels() const { return image_.width(); }
int PictureBox::heightPixels() const { return image_.height(); }

void PictureBox::setSizePixels(int width, int height) { resizeImage(width, height); }

int PictureBox::leftPixels() const { return surface_->x(); }
int PictureBox::topPixels() const { return surface_->y(); }
void PictureBox::setLeftPixels(int left) { surface_->move(left, surface_->y()); }
void PictureBox::setTopPixels(int top) { surface_->move(surface_->x(), top); }

void PictureBox::embed(PictureBox& inner) {
  inner.surface_->setParent(surface_);
  inner.surface_->move(0, 0);
  inner.surface_->setVisible(inner.Visible());
}

void PictureBox::Scale(double x1, double y1, double x2, double y2) {
  if (x1 == x2 || y1 == y2)
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid procedure call or argument: scale");
  userScale_ = true;
  scaleLeft_ = x1;
  scaleTop_ = y1;
  scaleWidth_ = x2 - x1;
  scaleHeight_ = y2 - y1;
}

double PictureBox::ScaleWidth() const { return userScale_ ? scaleWidth_ : image_.width(); }
double PictureBox::ScaleHeight() const { return userScale_ ? scaleHeight_ : image_.height(); }

void PictureBox::setBackColor(int32_t colour) {
  backColor_ = colour;
  Cls();
}

void PictureBox::setDrawWidth(int pixels) {
  if (pixels < 1)
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid property value: DrawWidth");
  drawWidth_ = pixels;
}

void PictureBox::Cls() {
  keptFigures_.clear();  // the fill would cover them
  image_.fill(colourOf(backColor_));
  ++clearings_;
  currentX_ = 0;
  currentY_ = 0;
  changed();
}

void PictureBox::Line(double x1, double y1, double x2, double y2, int32_t colour,
                      LineShape shape) {
  const QColor pen = colourOf(colour == foreColor ? foreColor_ : colour);
  const double fromX = std::lround(toPixelX(x1));
  const double fromY = std::lround(toPixelY(y1));
  const double toX = std::lround(toPixelX(x2));
  const double toY = std::lround(toPixelY(y2));
  const Figure::Shape figure = shape == LineShape::Line  ? Figure::Shape::Line
                               : shape == LineShape::Box ? Figure::Shape::Box
                                                         : Figure::Shape::FilledBox;
  draw({figure, false, drawWidth_, {fromX, fromY, toX, toY}, pen, pen});
  currentX_ = x2;
  currentY_ = y2;
  changed();
}

void PictureBox::PSet(double x, double y, int32_t colour) {
  const QColor pen = colourOf(colour == foreColor ? foreColor_ : colour);
  double atX = toPixelX(x);
  double atY = toPixelY(y);
  if (drawWidth_ <= 1) {  // the nearest pixel
    atX = std::lround(atX);
    atY = std::lround(atY);
  }
  draw({Figure::Shape::Point, false, drawWidth_, {atX, atY, 0, 0}, pen, pen});
  currentX_ = x;
  currentY_ = y;
  changed();
}

void PictureBox::Circle(double x, double y, double radius, int32_t colour,
                        const CircleOptions& options) {
  const QColor pen = colourOf(colour == foreColor ? foreColor_ : colour);
  const double start = options.start.value_or(0.0);
  const double end = options.end.value_or(2 * std::numbers::pi);
  checkArcAngle(start);
  checkArcAngle(end);
  if (!(options.aspect > 0))
    throw RuntimeError(ErrorCode::InvalidCall, "Invalid procedure call or argument: aspect");
  // The radius is measured in x units; aspect turns it into the other axis.
  double rx = std::abs(checkedPixel(radius * pixelsPerUnitX()));
  double ry = checkedPixel(rx * options.aspect);
  if (options.aspect > 1) {
    ry = rx;
    rx = rx / options.aspect;
  }
  const QPointF centre(toPixelX(x), toPixelY(y));
  const QRectF bounds(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);

  const bool solid = fillStyle_ == Fill::Solid;
  if (!options.start && !options.end) {
    draw({Figure::Shape::Circle, solid, drawWidth_, {bounds.x(), bounds.y(), bounds.width(), bounds.height()},
          pen, colourOf(fillColor_)});
  } else {
    drawKeptFigures();
    ExactPainter painter(&image_, pen, drawWidth_);
    if (solid) painter.setBrush(colourOf(fillColor_));
    const double from = std::abs(start);
    double span = std::abs(end) - from;
    if (span <= 0) span += 2 * std::numbers::pi;
    QPainterPath path;
    const bool pie = start < 0 && end < 0;
    if (start < 0) {
      path.moveTo(centre);
      path.arcTo(bounds, degrees(from), degrees(span));
    } else {
      path.arcMoveTo(bounds, degrees(from));
      path.arcTo(bounds, degrees(from), degrees(span));
    }
    if (end < 0) path.lineTo(centre);
    if (!pie) painter.setBrush(Qt::NoBrush);  // only a closed pie is filled
    painter.drawPath(path);
  }
  currentX_ = x;
  currentY_ = y;
  changed();
}

QFont PictureBox::printFont() const {
  QFont font = surface_->font();
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

double PictureBox::TextWidth(const std::string& text) const {
  return widestLine(QFontMetrics(printFont()), text) * std::abs(ScaleWidth()) / image_.width();
}

double PictureBox::TextHeight(const std::string& text) const {
  const QFontMetrics metrics(printFont());
  const double pixels = printedLines(text).size() * metrics.height();
  return pixels * std::abs(ScaleHeight()) / image_.height();
}

// Draws the lines of a text with the top left corner of the first one at
// (left, top), in pixels; returns the top of the line below the last one.
double PictureBox::drawLines(QImage& image, int32_t colour, double left, double top,
                             const std::string& text) const {
  const QFont font = printFont();
  const QFontMetrics metrics(font);
  ExactPainter painter(&image, colourOf(colour), 1);
  painter.setFont(font);
  for (const QString& line : printedLines(text)) {
    painter.drawText(QPointF(left, top + metrics.ascent()), line);
    top += metrics.height();
  }
  return top;
}

void PictureBox::Print(const std::string& text) {
  drawKeptFigures();
  const double below =
      drawLines(image_, foreColor_, toPixelX(currentX_), toPixelY(currentY_), text);
  currentX_ = ScaleLeft();
  currentY_ = fromPixelY(below);
  changed();
}

// The ink of a text depends on the print font and the text alone: the
// labels a run redraws at every pass find theirs among the texts measured
// before (a few hundred at most are kept).
QRect PictureBox::printedInk(const std::string& text) const {
  const QFont font = printFont();
  static std::map<std::pair<QString, std::string>, QRect> measured;
  const auto key = std::make_pair(font.key(), text);
  if (const auto known = measured.find(key); known != measured.end()) return known->second;
  if (measured.size() >= 500) measured.clear();
  return measured[key] = measuredInk(font, text);
}

QRect PictureBox::measuredInk(const QFont& font, const std::string& text) const {
  const QFontMetrics metrics(font);
  const int margin = metrics.height();
  const int lines = static_cast<int>(printedLines(text).size());
  QImage scratch(widestLine(metrics, text) + 2 * margin, (lines + 2) * metrics.height(),
                 QImage::Format_RGB32);
  const QRgb blank = qRgb(255, 255, 255);
  scratch.fill(blank);
  drawLines(scratch, RGB(0, 0, 0), margin, margin, text);
  QRect ink;
  for (int y = 0; y < scratch.height(); ++y)
    for (int x = 0; x < scratch.width(); ++x)
      if (scratch.pixel(x, y) != blank) ink |= QRect(x, y, 1, 1);
  return ink.translated(-margin, -margin);
}

void PictureBox::putPixels(const QPoint& at, const QImage& pixels) {
  drawKeptFigures();
  {
    QPainter painter(&image_);
    painter.drawImage(at, pixels);
  }
  changed();
}

PictureSettings PictureBox::settings() const {
  return {image_.width(), image_.height(), userScale_, scaleLeft_, scaleTop_, scaleWidth_,
          scaleHeight_, foreColor_, backColor_, fillColor_, fillStyle_, drawWidth_,
          surface_->font()};
}

// The settings a drawing can change (not the size, the back colour or the
// font).
void PictureBox::takeSettings(const PictureSettings& settings) {
  userScale_ = settings.userScale;
  scaleLeft_ = settings.scaleLeft;
  scaleTop_ = settings.scaleTop;
  scaleWidth_ = settings.scaleWidth;
  scaleHeight_ = settings.scaleHeight;
  foreColor_ = settings.foreColor;
  fillColor_ = settings.fillColor;
  fillStyle_ = settings.fillStyle;
  drawWidth_ = settings.drawWidth;
}

void PictureBox::drawStamped(PictureStamp& stamp, double key, const std::function<void()>& draw) {
  const PictureSettings now = settings();
  if (!stamp.recorded || stamp.key != key || !(stamp.before == now)) {
    stamp.key = key;
    stamp.before = now;
    recordStamp(stamp, draw);
  }
  putStamp(stamp);
}

// The drawing is made twice, on the picture filled with one colour and then
// with another: a pixel that ends the same in both was written, with that
// colour. The picture's own pixels are kept meanwhile.
void PictureBox::recordStamp(PictureStamp& stamp, const std::function<void()>& draw) {
  drawKeptFigures();
  const QImage kept = image_;
  const double x = currentX_, y = currentY_;
  const auto drawnOn = [&](QRgb colour) {
    takeSettings(stamp.before);
    currentX_ = x;
    currentY_ = y;
    image_ = QImage(kept.size(), kept.format());
    image_.fill(colour);
    draw();
    return image();  // with the figures it drew
  };
  QImage first, second;
  try {
    first = drawnOn(qRgb(0, 0, 0));
    second = drawnOn(qRgb(255, 255, 255));
  } catch (...) {
    image_ = kept;
    throw;
  }
  stamp.after = settings();
  stamp.currentX = currentX_;
  stamp.currentY = currentY_;
  stamp.pixels.clear();
  for (int row = 0; row < first.height(); ++row) {
    const auto* a = reinterpret_cast<const QRgb*>(first.constScanLine(row));
    const auto* b = reinterpret_cast<const QRgb*>(second.constScanLine(row));
    for (int column = 0; column < first.width(); ++column)
      if (a[column] == b[column])
        stamp.pixels.emplace_back(qsizetype{row} * first.bytesPerLine() / 4 + column, a[column]);
  }
  stamp.recorded = true;
  image_ = kept;
}

void PictureBox::putStamp(const PictureStamp& stamp) {
  draw({Figure::Shape::Stamp, false, 0, {0, 0, 0, 0}, QColor(), QColor(), &stamp});
  takeSettings(stamp.after);
  currentX_ = stamp.currentX;
  currentY_ = stamp.currentY;
  changed();
}

void PictureBox::Print(double number) { Print((number >= 0 ? " " : "") + Str(number)); }

void PictureBox::Refresh() {
  if (drawingHeld()) return showWhenDrawn();
  const FloatingPointFlagsScope callerFlags;  // a repaint raises no error of the caller
  surface_->repaint();
}

void PictureBox::resizeImage(int width, int height) {
  QImage resized(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  resized.fill(colourOf(backColor_));
  drawKeptFigures();
  if (!image_.isNull()) {
    QPainter painter(&resized);
    painter.drawImage(0, 0, image_);
  }
  image_ = resized;
  surface_->setFixedSize(image_.size());
  changed();
}

void PictureBox::mousePressed(int button, int shift, int px, int py) {
  const double x = fromPixelX(px);
  const double y = fromPixelY(py);
  fire([this, button, shift, x, y] {
    if (mouseDown_) mouseDown_(button, shift, x, y);
  }, EventOrigin::User);
}

double PictureBox::pixelsPerUnitX() const { return image_.width() / ScaleWidth(); }

double PictureBox::toPixelX(double x) const {
  return checkedPixel((x - ScaleLeft()) * image_.width() / ScaleWidth());
}
double PictureBox::toPixelY(double y) const {
  return checkedPixel((y - ScaleTop()) * image_.height() / ScaleHeight());
}
double PictureBox::fromPixelX(double px) const {
  return ScaleLeft() + px * ScaleWidth() / image_.width();
}
double PictureBox::fromPixelY(double py) const {
  return ScaleTop() + py * ScaleHeight() / image_.height();
}

// While the window holds its drawing the image changes at once and the
// screen when the window shows what it holds.
void PictureBox::changed() {
  if (drawingHeld())
    showWhenDrawn();
  else
    surface_->update();
}

void PictureBox::showHeld() {
  drawKeptFigures();
  surface_->update();
}

const QImage& PictureBox::image() const {
  drawKeptFigures();
  return image_;
}

void PictureBox::draw(const Figure& figure) {
  // A bound on what is kept, for a run that holds its drawing long.
  constexpr std::size_t kMostKept = 4096;
  keptFigures_.push_back(figure);
  if (!drawingHeld() || keptFigures_.size() >= kMostKept) drawKeptFigures();
}

void PictureBox::drawFigure(QPainter& painter, const Figure& figure) {
  QPen outline(figure.pen);
  outline.setWidth(figure.width <= 1 ? 0 : figure.width);  // 0: exactly one pixel wide
  painter.setPen(outline);
  painter.setBrush(Qt::NoBrush);
  const double* at = figure.outline;
  const QPoint from(static_cast<int>(at[0]), static_cast<int>(at[1]));
  const QPoint to(static_cast<int>(at[2]), static_cast<int>(at[3]));
  switch (figure.shape) {
    case Figure::Shape::Line:
      painter.drawLine(from, to);
      break;
    case Figure::Shape::Box: {
      const QPoint corners[] = {from, QPoint(to.x(), from.y()), to, QPoint(from.x(), to.y())};
      painter.drawPolygon(corners, 4);
      break;
    }
    case Figure::Shape::FilledBox:
      painter.fillRect(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                             QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))),
                       figure.pen);
      break;
    case Figure::Shape::Point:
      if (figure.width <= 1) {
        painter.drawPoint(from);
      } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(figure.pen);
        painter.drawEllipse(QPointF(at[0], at[1]), figure.width / 2.0, figure.width / 2.0);
      }
      break;
    case Figure::Shape::Circle:
      if (figure.filled) painter.setBrush(figure.fill);
      painter.drawEllipse(QRectF(at[0], at[1], at[2], at[3]));
      break;
    case Figure::Shape::Stamp: {
      auto* pixels = reinterpret_cast<QRgb*>(static_cast<QImage*>(painter.device())->bits());
      for (const auto& [index, colour] : figure.stamp->pixels) pixels[index] = colour;
      break;
    }
  }
}

std::uint64_t PictureBox::Figure::outlineHash() const {
  std::uint64_t hash = static_cast<std::uint64_t>(shape) | std::uint64_t{filled} << 8 |
                       static_cast<std::uint64_t>(static_cast<std::uint32_t>(width)) << 16;
  const auto mix = [&hash](std::uint64_t value) {
    hash = (hash ^ value) * 0x9E3779B97F4A7C15ULL;
    hash ^= hash >> 29;
  };
  for (const double at : outline) mix(std::bit_cast<std::uint64_t>(at));
  mix(reinterpret_cast<std::uintptr_t>(stamp));
  return hash;
}

// Drawing is exact (opaque, not antialiased), so a figure drawn later with
// the same outline sets every pixel the earlier one set, whatever came in
// between: the earlier one is left out.
void PictureBox::drawKeptFigures() const {
  if (keptFigures_.empty()) return;
  // Sorted by the outline's hash and then by order, a figure is followed by
  // the next one of its outline (when no other outline shares the hash:
  // then a figure may be drawn that could have been left out).
  keptOrder_.resize(keptFigures_.size());
  for (std::size_t i = 0; i < keptOrder_.size(); ++i) keptOrder_[i] = {keptFigures_[i].outlineHash(), i};
  std::sort(keptOrder_.begin(), keptOrder_.end());
  for (std::size_t k = 0; k + 1 < keptOrder_.size(); ++k) {
    Figure& figure = keptFigures_[keptOrder_[k].second];
    figure.covered = keptOrder_[k].first == keptOrder_[k + 1].first &&
                     figure.outlineKey() == keptFigures_[keptOrder_[k + 1].second].outlineKey();
  }
  // While the window holds its drawing (a run's passes), a circle or point
  // of one colour that finds every pixel it could set already of that
  // colour is left out too: a mark erased in white where the last erasure
  // or the background is white already.
  const bool held = drawingHeld();
  {
    ExactPainter painter(&image_, QColor(), 1);
    for (const Figure& figure : keptFigures_)
      if (!figure.covered && !(held && alreadyInPlace(figure))) drawFigure(painter, figure);
  }
  keptFigures_.clear();
}

bool PictureBox::alreadyInPlace(const Figure& figure) const {
  QRectF outline;
  if (figure.shape == Figure::Shape::Circle && (!figure.filled || figure.fill == figure.pen))
    outline = QRectF(figure.outline[0], figure.outline[1], figure.outline[2], figure.outline[3]);
  else if (figure.shape == Figure::Shape::Point)
    outline = QRectF(figure.outline[0] - figure.width / 2.0, figure.outline[1] - figure.width / 2.0, figure.width,
                     figure.width);
  else
    return false;
  // Every pixel the figure can reach, its pen's width and one more around.
  const int margin = figure.width + 2;
  const QRect reach = outline.toAlignedRect().adjusted(-margin, -margin, margin, margin) & image_.rect();
  if (image_.format() != QImage::Format_RGB32 || reach.width() * reach.height() > 1024) return false;
  const QRgb colour = figure.pen.rgb();
  for (int y = reach.top(); y <= reach.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    for (int x = reach.left(); x <= reach.right(); ++x)
      if (line[x] != colour) return false;
  }
  return true;
}

}  // namespace ui

// The picture goes to a new file that replaces the old one only when it is
// written whole, so a failed save leaves the old picture.
void SavePicture(const ui::PictureBox& picture, const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!QFileInfo(file).dir().exists()) throw RuntimeError(ErrorCode::PathNotFound, "Path not found: " + path);
  QSaveFile saved(file);
  if (!saved.open(QIODevice::WriteOnly) || !picture.image().save(&saved, "BMP") || !saved.commit())
    throw RuntimeError(ErrorCode::DeviceIOError, "Device I/O error: " + path);
}
