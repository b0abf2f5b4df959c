#pragma once
// JPL's own test values of the DE405 ephemeris: the lines of its test file
// testpo.405 kept in the fixture tests/fixtures/de405/testpo-excerpt.txt
// (those dated inside the fixture's three blocks around J2000).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

// One line of JPL's test file: the coordinate x# (1..3 = x, y, z in AU,
// 4..6 the velocity in AU/day; equator and equinox of J2000) of target t#
// relative to centre c# on day jed (TDB). Targets and centres: 1..9 the
// planets with 3 the Earth itself, 10 the Moon, 11 the Sun, 12 the
// barycentre of the Solar System, 13 the Earth-Moon barycentre.
struct TestpoLine {
  double jed;
  int target, centre, coordinate;
  double value;
};

// The fixture's line of the target seen from the centre.
inline TestpoLine testpoLine(int target, int centre) {
  std::ifstream in(std::string(CELVAN_FIXTURES_DIR) + "/de405/testpo-excerpt.txt");
  std::string line;
  while (std::getline(in, line) && line.rfind("EOT", 0) != 0) {
  }
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string de, date;
    TestpoLine t{};
    fields >> de >> date >> t.jed >> t.target >> t.centre >> t.coordinate >> t.value;
    if (t.target == target && t.centre == centre) return t;
  }
  ADD_FAILURE() << "no testpo line for " << target << " from " << centre;
  return {};
}
