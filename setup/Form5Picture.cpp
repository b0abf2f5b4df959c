// The picture of Form5: the heliocentric ecliptic frame of the program seen
// obliquely from above the ecliptic, a planet's orbit tilted to it, and the
// angles by which the program describes the orbit, with a legend below.
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "setup/Form5.h"

namespace {

constexpr double kDegree = std::numbers::pi / 180;

// A point or direction of the ecliptic frame: X to the vernal equinox, Z to
// the north pole of the ecliptic.
struct Point {
  double x, y, z;
};
Point operator*(double k, Point p) { return {k * p.x, k * p.y, k * p.z}; }
Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

// The oblique view: Y to the right, Z up, X towards the viewer and down to
// the left; the Sun at the origin of the scene.
struct ScreenPoint {
  double u, v;
};
constexpr ScreenPoint kSunOnScreen{-1.0, 2.4};
ScreenPoint project(Point p) {
  return {kSunOnScreen.u + p.y - 0.55 * p.x, kSunOnScreen.v + p.z - 0.38 * p.x};
}

// The example orbit, with its angles chosen so that each one stands apart.
constexpr double kSemiMajorAxis = 4.6;
constexpr double kEccentricity = 0.2;
constexpr double kNodeLongitude = 55 * kDegree;       // AlfaU
constexpr double kPerihelionFromNode = 75 * kDegree;  // AlfaP - AlfaU
constexpr double kInclination = 25 * kDegree;         // Betta
constexpr double kPlanetTrueAnomaly = 95 * kDegree;
constexpr double kEclipticRadius = 7.2;

// Unit vectors of the orbit plane: to the ascending node, and 90 degrees
// further along the orbit.
Point toNode() { return {std::cos(kNodeLongitude), std::sin(kNodeLongitude), 0}; }
Point alongOrbitFromNode() {
  return {-std::sin(kNodeLongitude) * std::cos(kInclination),
          std::cos(kNodeLongitude) * std::cos(kInclination), std::sin(kInclination)};
}
// A point of the orbit plane at distance r and angle u from the node.
Point inOrbitPlane(double r, double u) {
  return r * std::cos(u) * toNode() + r * std::sin(u) * alongOrbitFromNode();
}
// A point of the ecliptic at distance r and longitude l.
Point inEcliptic(double r, double l) { return {r * std::cos(l), r * std::sin(l), 0}; }

// The orbit's point at true anomaly nu.
Point onOrbit(double nu) {
  const double r =
      kSemiMajorAxis * (1 - kEccentricity * kEccentricity) / (1 + kEccentricity * std::cos(nu));
  return inOrbitPlane(r, kPerihelionFromNode + nu);
}

class Drawing {
 public:
  explicit Drawing(ui::PictureBox& picture) : picture_(picture) {}

  void line(Point a, Point b, int32_t colour) {
    const ScreenPoint from = project(a), to = project(b);
    picture_.Line(from.u, from.v, to.u, to.v, colour);
  }

  // A curve through the points; the pieces below the ecliptic are drawn
  // dashed when asked.
  void curve(const std::vector<Point>& points, int32_t colour, bool dashBelowEcliptic = false) {
    for (std::size_t i = 1; i < points.size(); ++i) {
      const bool below = points[i].z < 0 && points[i - 1].z < 0;
      if (dashBelowEcliptic && below && i % 2 == 0) continue;
      line(points[i - 1], points[i], colour);
    }
  }

  // An arrow from the origin to tip, with a short head drawn on the screen.
  void arrow(Point tip, int32_t colour) {
    line({0, 0, 0}, tip, colour);
    const ScreenPoint from = project({0, 0, 0}), to = project(tip);
    const double angle = std::atan2(to.v - from.v, to.u - from.u);
    for (double side : {-1.0, 1.0}) {
      const double back = angle + std::numbers::pi - side * 0.35;
      picture_.Line(to.u, to.v, to.u + 0.45 * std::cos(back), to.v + 0.45 * std::sin(back), colour);
    }
  }

  void dot(Point p, double radius, int32_t colour) {
    const ScreenPoint at = project(p);
    picture_.setFillStyle(ui::Fill::Solid);
    picture_.setFillColor(colour);
    picture_.Circle(at.u, at.v, radius, colour);
    picture_.setFillStyle(ui::Fill::Transparent);
  }

  // A text whose top left corner stands at the point, moved by (du, dv)
  // picture units on the screen.
  void label(Point p, const std::string& text, int32_t colour, double du = 0.1, double dv = 0.5) {
    const ScreenPoint at = project(p);
    print(at.u + du, at.v + dv, text, colour);
  }

  void print(double u, double v, const std::string& text, int32_t colour) {
    picture_.setForeColor(colour);
    picture_.setCurrentX(u);
    picture_.setCurrentY(v);
    picture_.Print(text);
  }

 private:
  ui::PictureBox& picture_;
};

// Points along an arc of radius r from angle a0 to a1, in the ecliptic or
// in the orbit plane.
template <class Place>
std::vector<Point> arc(Place place, double r, double a0, double a1, int steps = 40) {
  std::vector<Point> points;
  for (int k = 0; k <= steps; ++k) points.push_back(place(r, a0 + (a1 - a0) * k / steps));
  return points;
}

const int32_t kBlack = RGB(0, 0, 0);
const int32_t kGrey = RGB(150, 150, 150);
const int32_t kOrbitBlue = RGB(0, 0, 200);
const int32_t kNodeAngle = RGB(190, 0, 190);         // AlfaU
const int32_t kPerihelionAngle = RGB(220, 0, 0);     // AlfaP
const int32_t kLongitudeAngle = RGB(0, 140, 0);      // AlfaL
const int32_t kInclinationAngle = RGB(230, 120, 0);  // Betta

void drawFrame(Drawing& d) {
  d.curve(arc(inEcliptic, kEclipticRadius, 0, 2 * std::numbers::pi, 120), kGrey);
  d.line({-kEclipticRadius, 0, 0}, {0, 0, 0}, kGrey);
  d.line({0, -kEclipticRadius, 0}, {0, 0, 0}, kGrey);
  d.label(inEcliptic(kEclipticRadius, 268 * kDegree), "плоскость эклиптики", kGrey, 0.3, 0.65);
  d.arrow({9.5, 0, 0}, kBlack);
  d.label({9.5, 0, 0}, "X - к точке весеннего равноденствия", kBlack, -2.0, -0.35);
  d.arrow({0, 9.0, 0}, kBlack);
  d.label({0, 9.0, 0}, "Y", kBlack, 0.2, 0.5);
  d.arrow({0, 0, 5.6}, kBlack);
  d.label({0, 0, 5.6}, "Z - к северному полюсу эклиптики", kBlack, 0.3, 0.5);
  d.dot({0, 0, 0}, 0.3, RGB(255, 190, 0));
  d.label({0, 0, 0}, "Солнце", kBlack, -2.1, 0.1);
}

void drawOrbit(Drawing& d) {
  std::vector<Point> orbit;
  for (int k = 0; k <= 180; ++k) orbit.push_back(onOrbit(2 * std::numbers::pi * k / 180));
  d.curve(orbit, kOrbitBlue, true);
  d.label(onOrbit(150 * kDegree), "орбита планеты", kOrbitBlue, -2.9, 0.5);

  // The line of nodes, from the descending node through the Sun.
  const Point ascending = onOrbit(-kPerihelionFromNode);
  const Point descending = onOrbit(std::numbers::pi - kPerihelionFromNode);
  d.line(descending, ascending, RGB(90, 90, 90));
  d.dot(ascending, 0.12, RGB(90, 90, 90));
  d.label(ascending, "восходящий узел", RGB(90, 90, 90), 0.2, 0.1);

  const Point perihelion = onOrbit(0);
  d.line({0, 0, 0}, perihelion, kPerihelionAngle);
  d.dot(perihelion, 0.12, kPerihelionAngle);
  d.label(perihelion, "перигелий", kPerihelionAngle, -0.6, 0.6);

  const Point planet = onOrbit(kPlanetTrueAnomaly);
  d.line({0, 0, 0}, planet, kLongitudeAngle);
  d.dot(planet, 0.17, kLongitudeAngle);
  d.label(planet, "планета", kLongitudeAngle, 0.3, 0.4);
}

// A longitude as the program counts it: along the ecliptic from X to the
// node, then along the orbit from the node ("broken" angle).
void drawLongitude(Drawing& d, double radius, double fromNode, int32_t colour,
                   const std::string& name) {
  d.curve(arc(inEcliptic, radius, 0, kNodeLongitude), colour);
  const std::vector<Point> inPlane = arc(inOrbitPlane, radius, 0, fromNode);
  d.curve(inPlane, colour);
  d.label(inPlane.back(), name, colour, 0.15, 0.15);
}

void drawAngles(Drawing& d) {
  const std::vector<Point> node = arc(inEcliptic, 1.8, 0, kNodeLongitude);
  d.curve(node, kNodeAngle);
  d.label(node.front(), "AlfaU", kNodeAngle, -1.4, 0.2);
  drawLongitude(d, 2.6, kPerihelionFromNode, kPerihelionAngle, "AlfaP");
  drawLongitude(d, 3.4, kPerihelionFromNode + kPlanetTrueAnomaly, kLongitudeAngle, "AlfaL");

  // The inclination at the ascending node: from the ecliptic's direction
  // of motion there to the orbit's.
  const Point ascending = onOrbit(-kPerihelionFromNode);
  const Point eclipticAhead = inEcliptic(1, kNodeLongitude + std::numbers::pi / 2);
  const Point orbitAhead = alongOrbitFromNode();
  const auto aroundNode = [&](double r, double a) {
    return ascending + r * std::cos(a) * eclipticAhead + r * std::sin(a) * Point{0, 0, 1};
  };
  d.line(ascending, ascending + 1.8 * eclipticAhead, kInclinationAngle);
  d.line(ascending, ascending + 1.8 * orbitAhead, kInclinationAngle);
  const std::vector<Point> betta = arc(aroundNode, 1.4, 0, kInclination, 12);
  d.curve(betta, kInclinationAngle);
  d.label(betta.back(), "Betta", kInclinationAngle, 0.15, 0.45);
}

void drawLegend(Drawing& d) {
  const char* lines[] = {
      "X, Y, Z - гелиоцентрическая эклиптическая система координат (эпохи J2000 или даты): ось "
      "X направлена",
      "        в точку весеннего равноденствия, ось Z - в северный полюс эклиптики; "
      "X, Y, Z, VX, VY, VZ - координаты и скорости",
      "AlfaU - долгота восходящего узла орбиты (в плоскости эклиптики от оси X)",
      "AlfaP - долгота перигелия: AlfaU плюс угол от узла до перигелия в плоскости орбиты",
      "AlfaL - средняя долгота планеты: AlfaP плюс средняя аномалия",
      "Betta - наклон плоскости орбиты к плоскости эклиптики",
      "Eks - эксцентриситет орбиты,  Rsr - средний радиус орбиты,  Wsr - среднее угловое движение",
      "Углы на экране показываются в градусах, в программе хранятся в радианах",
  };
  double v = -2.4;
  for (const char* line : lines) {
    d.print(-11.6, v, line, kBlack);
    v -= 0.7;
  }
}

}  // namespace

void Form5::drawNotation() {
  Picture1.Scale(-12, 9, 12, -7.8);
  Picture1.Cls();
  Drawing d(Picture1);
  drawFrame(d);
  drawOrbit(d);
  drawAngles(d);
  drawLegend(d);
}
