#pragma once
// PictureBox: a drawing surface with a user scale and a persistent image.
//
// Everything drawn goes into an image kept by the picture box (what the
// window shows, what scrolling repaints, what SavePicture writes); a window
// covering it takes nothing away. Drawing is exact and not antialiased, so
// drawing the same figure again in the background colour erases it without
// a trace.
//
// Coordinates are user units set by Scale (x1, y1)-(x2, y2): x1 at the left
// edge, x2 at the right, y1 at the top, y2 at the bottom; with y1 > y2 y
// points up. The x and y units are independent. Until Scale is called the
// unit is one pixel with (0, 0) at the top left. Resizing the box keeps a
// user scale (the units stretch) and keeps what is drawn where it fits.
//
//   Picture1.Scale(-10, 10, 10, -10);       // y up, origin in the middle
//   Picture1.Line(-5, 0, 5, 0, RGB(100, 100, 100));
//   Picture1.Line(1, 1, 2, 2, RGB(255, 255, 255), ui::LineShape::FilledBox);
//   Picture1.setFillStyle(ui::Fill::Solid);
//   Picture1.setFillColor(RGB(0, 0, 255));
//   Picture1.Circle(x, y, 0.06, RGB(0, 0, 255));
//   Picture1.Circle(-5, 6, 3, RGB(0, 0, 0), {.aspect = 0.5});
//   Picture1.setCurrentX(0.1); Picture1.setCurrentY(9); Picture1.Print("Alfa");
//   Picture1.onMouseDown([this](int Button, int Shift, double X, double Y) {...});
//   SavePicture(Picture1, programPath("\\Risunki\\Celvan1.bmp"));
//
// Colours are whole numbers made by RGB(r, g, b) = r + 256 g + 65536 b.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "ui/Controls.h"

// RGB: a colour from its red, green and blue components (0..255 each; other
// values are cut into that range).
int32_t RGB(int red, int green, int blue);

namespace ui {

class PictureWidget;

// Sizes of the classic design: 15 twips make a pixel.
constexpr int twipsPerPixel = 15;
constexpr int twipsToPixels(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

// The colour argument's default: the picture's ForeColor.
constexpr int32_t foreColor = -1;

// The figure of Line: a line, a box outline (whatever FillStyle says), or a
// box filled with the line's colour.
enum class LineShape { Line, Box, FilledBox };
// FillStyle of closed figures (circles, pies): Solid fills them with
// FillColor; Transparent (the start value) leaves the inside alone.
enum class Fill { Solid = 0, Transparent = 1 };

// Extras of Circle. Angles in radians, counterclockwise from the right as
// seen on the screen, within -2 pi..2 pi; a negative angle also draws the
// radius to that end of the arc. aspect is the ratio of the vertical to the
// horizontal radius: below 1 the radius given is the horizontal one, above 1
// the vertical one.
struct CircleOptions {
  std::optional<double> start{};
  std::optional<double> end{};
  double aspect = 1.0;
};

// What a picture is set to when it draws: its size, scale, colours, pen
// and print font. The print position is left out.
struct PictureSettings {
  int width = 0, height = 0;
  bool userScale = false;
  double scaleLeft = 0, scaleTop = 0, scaleWidth = 0, scaleHeight = 0;
  int32_t foreColor = 0, backColor = 0, fillColor = 0;
  Fill fillStyle = Fill::Transparent;
  int drawWidth = 1;
  QFont font;
  bool operator==(const PictureSettings&) const = default;
};

// A figure that a picture draws again and again the same (a grid with its
// numbers, drawn again over moving marks at every pass of a run): the pixels
// it writes with their colours, what it was drawn for, and the settings and
// print position it leaves (PictureBox::drawStamped).
struct PictureStamp {
  bool recorded = false;
  double key = 0;
  PictureSettings before, after;
  double currentX = 0, currentY = 0;
  std::vector<std::pair<qsizetype, QRgb>> pixels;  // index in the image, colour
};

class PictureBox : public Control {
 public:
  PictureBox(Form* owner, int widthPixels, int heightPixels);

  // Size and place, in pixels. A picture placed inside another one (embed)
  // is moved by Left and Top within it.
  int widthPixels() const;
  int heightPixels() const;
  void setSizePixels(int width, int height);
  int leftPixels() const;
  int topPixels() const;
  void setLeftPixels(int left);
  void setTopPixels(int top);
  // Puts inner inside this picture at its top left corner; inner is then
  // panned with its Left and Top (for example by scroll bars).
  void embed(PictureBox& inner);

  // User scale.
  void Scale(double x1, double y1, double x2, double y2);
  double ScaleLeft() const { return scaleLeft_; }
  double ScaleTop() const { return scaleTop_; }
  double ScaleWidth() const;
  double ScaleHeight() const;

  // Colours and pen.
  int32_t ForeColor() const { return foreColor_; }
  void setForeColor(int32_t colour) { foreColor_ = colour; }
  // Setting BackColor clears the picture in the new colour.
  int32_t BackColor() const { return backColor_; }
  void setBackColor(int32_t colour);
  int32_t FillColor() const { return fillColor_; }
  void setFillColor(int32_t colour) { fillColor_ = colour; }
  Fill FillStyle() const { return fillStyle_; }
  void setFillStyle(Fill style) { fillStyle_ = style; }
  int DrawWidth() const { return drawWidth_; }
  void setDrawWidth(int pixels);

  // The print position, in user units: the top left corner of the next text.
  double CurrentX() const { return currentX_; }
  double CurrentY() const { return currentY_; }
  void setCurrentX(double x) { currentX_ = x; }
  void setCurrentY(double y) { currentY_ = y; }

  // Drawing. Cls fills the picture with BackColor and puts the print
  // position at (0, 0). Line and PSet leave the print position at their end
  // point, Circle at its centre. A position more than 10^7 pixels away from
  // the picture (or not a number) is a RuntimeError(Overflow); nearer ones
  // are clipped. A bad angle or aspect is a RuntimeError(InvalidCall).
  void Cls();
  void Line(double x1, double y1, double x2, double y2, int32_t colour = foreColor,
            LineShape shape = LineShape::Line);
  void PSet(double x, double y, int32_t colour = foreColor);
  void Circle(double x, double y, double radius, int32_t colour = foreColor,
              const CircleOptions& options = {});
  // Print: text in ForeColor at the print position; each line of a text with
  // line breaks below the one before. Afterwards CurrentX is back at the
  // left (ScaleLeft) and CurrentY one text line lower.
  void Print(const std::string& text);
  // A number is printed as the classic run-time prints it: a blank in place
  // of the sign when it is 0 or more, then its default text.
  void Print(double number);
  // The size of a text as Print draws it, in user units: its widest line,
  // and all its lines together. Both are lengths (never negative), whichever
  // way the scale points.
  double TextWidth(const std::string& text) const;
  double TextHeight(const std::string& text) const;
  // The pixels Print inks for a text printed with its top left corner at
  // pixel (0, 0) (an empty rectangle for a blank text).
  QRect printedInk(const std::string& text) const;
  // Draws what draw draws, through a stamp. The first time, and whenever
  // the picture's settings or the caller's key differ from the stamp's, the
  // drawing is recorded in the stamp: the pixels it writes whatever lies
  // under them, and the settings and print position it leaves. Otherwise
  // those pixels are put back and draw is not called. The picture ends the
  // same to the pixel either way, as long as draw writes the same pixels for
  // the same key and settings wherever the print position is (as fixed
  // lines and labels do).
  void drawStamped(PictureStamp& stamp, double key, const std::function<void()>& draw);
  // Repaints the box now (while the window holds its drawing, when it shows
  // what it holds).
  void Refresh();

  // The persistent image at its full size (with every figure drawn so far).
  const QImage& image() const;
  // Pixels put into the image with their top left corner at a pixel.
  void putPixels(const QPoint& at, const QImage& pixels);
  // How often the image was cleared (Cls): pixels kept from before then no
  // longer belong to it.
  int clearings() const { return clearings_; }

  // MouseDown: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl,
  // 4 Alt (added); X, Y in user units.
  void onMouseDown(std::function<void(int button, int shift, double x, double y)> handler) {
    mouseDown_ = std::move(handler);
  }

 private:
  friend class PictureWidget;
  // A line, box, point, whole circle or stamp as it goes into the image:
  // its outline in pixels (line ends or a point, or a circle's bounds) and
  // colours, or the stamp. Two figures of the same outline cover the same
  // pixels (a stamp is recorded anew only when no figure is kept).
  struct Figure {
    enum class Shape : uint8_t { Line, Box, FilledBox, Point, Circle, Stamp };
    Shape shape;
    bool filled;  // a circle: FillStyle Solid
    int width;    // DrawWidth
    double outline[4];
    QColor pen, fill;
    const PictureStamp* stamp = nullptr;
    bool covered = false;  // by a later figure of the same outline
    auto outlineKey() const {
      return std::tuple(shape, filled, width, outline[0], outline[1], outline[2], outline[3], stamp);
    }
    // A number mixed from the outline: figures of the same outline have the
    // same one.
    std::uint64_t outlineHash() const;
  };
  // While the window holds its drawing, figures are kept and go into the
  // image, in order, when it is shown or read; one that a later figure of
  // the same outline covers is left out. Otherwise a figure is drawn at once.
  void draw(const Figure& figure);
  void drawKeptFigures() const;
  static void drawFigure(QPainter& painter, const Figure& figure);
  bool alreadyInPlace(const Figure& figure) const;
  void resizeImage(int width, int height);
  void mousePressed(int button, int shift, int px, int py);
  // user units to pixels (fractional) and back
  double toPixelX(double x) const;
  double toPixelY(double y) const;
  double fromPixelX(double px) const;
  double fromPixelY(double py) const;
  double pixelsPerUnitX() const;
  QFont printFont() const;
  PictureSettings settings() const;
  void takeSettings(const PictureSettings& settings);
  void recordStamp(PictureStamp& stamp, const std::function<void()>& draw);
  void putStamp(const PictureStamp& stamp);
  QRect measuredInk(const QFont& font, const std::string& text) const;
  double drawLines(QImage& image, int32_t colour, double left, double top,
                   const std::string& text) const;
  void changed();
  void showHeld() override;

  PictureWidget* surface_;
  mutable QImage image_;
  mutable std::vector<Figure> keptFigures_;
  mutable std::vector<std::pair<std::uint64_t, std::size_t>> keptOrder_;  // outline hash, index
  bool userScale_ = false;
  double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 0, scaleHeight_ = 0;
  int32_t foreColor_ = 0;              // black
  int32_t backColor_ = 0xFFFFFF;       // white
  int32_t fillColor_ = 0;
  Fill fillStyle_ = Fill::Transparent;
  int drawWidth_ = 1;
  double currentX_ = 0, currentY_ = 0;
  int clearings_ = 0;
  std::function<void(int, int, double, double)> mouseDown_;
};

}  // namespace ui

// SavePicture: writes the picture's persistent image at its full size as a
// Windows bitmap file, replacing a file of that name. A folder that does not
// exist or a file that cannot be written is a RuntimeError (PathNotFound).
void SavePicture(const ui::PictureBox& picture, const std::string& path);
