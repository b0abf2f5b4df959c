// Where a window opens: centred on the available area of its screen with
// its frame, never beyond it.
#include <gtest/gtest.h>

#include <QRect>
#include <QSize>

#include <ostream>

#include "ui/ScreenPlacement.h"

// A rectangle as its place and size in the test output.
void PrintTo(const QRect& r, std::ostream* out) {
  *out << r.width() << " x " << r.height() << " at " << r.x() << ", " << r.y();
}

namespace {

TEST(ScreenPlacement, CentresTheFramedWindowAndKeepsItOnTheScreen) {
  const QRect screen(0, 0, 1280, 800);
  const QRect belowAPanel(0, 30, 1280, 770);
  struct Row {
    const char* what;
    QSize window;
    QRect available;
    QRect frame;
  };
  const Row rows[] = {
      {"small window", {400, 300}, screen, {436, 232, 408, 336}},
      {"nearly the whole screen", {1272, 764}, screen, {0, 0, 1280, 800}},
      {"taller than the screen", {700, 900}, screen, {286, 0, 708, 800}},
      {"area below a panel", {400, 300}, belowAPanel, {436, 247, 408, 336}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const QRect frame = ui::placedOnScreen(row.window, row.available);
    EXPECT_EQ(frame, row.frame);
    EXPECT_TRUE(row.available.contains(frame));
  }
}

}  // namespace
