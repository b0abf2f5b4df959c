#include "ui/PassDrawing.h"

namespace ui {

bool DrawingPace::drawsThisPass(bool mustDraw) {
  constexpr auto kDrawingInterval = std::chrono::milliseconds(33);
  const auto now = std::chrono::steady_clock::now();
  if (!mustDraw && now - lastDrawing_ < kDrawingInterval) return false;
  lastDrawing_ = now;
  return true;
}

}  // namespace ui
