#include "science/engine/TraceHistory.h"

#include <algorithm>

namespace nbody {

void TraceHistory::resize(int lastRecord) {
  capacity_ = lastRecord < 0 ? 0 : lastRecord + 1;
  newest_ = 0;
  times_.assign(2 * capacity_, 0.0);
  positions_.assign(2 * capacity_ * kBodyCount * 3, 0.0);
  recordRows_.assign(kBodyCount * 3 * rowLength(), 0.0);
}

void TraceHistory::writeSlot(int slot, double time, const double* xyz) {
  for (int copy = 0; copy < 2; ++copy) {
    const int s = slot + copy * capacity_;
    times_[s] = time;
    std::copy(xyz, xyz + kBodyCount * 3, positions_.begin() + s * kBodyCount * 3);
    for (int row = 0; row < kBodyCount * 3; ++row) recordRows_[row * rowLength() + s] = xyz[row];
  }
}

void TraceHistory::setRecord(int record, double time, const double* x, const double* y,
                             const double* z) {
  double xyz[kBodyCount * 3];
  for (int b = 0; b < kBodyCount; ++b) {
    xyz[3 * b] = x[b];
    xyz[3 * b + 1] = y[b];
    xyz[3 * b + 2] = z[b];
  }
  writeSlot((newest_ + record) % capacity_, time, xyz);
}

void TraceHistory::push(double time, const double* state) {
  if (capacity_ == 0) return;
  newest_ = newest_ == 0 ? capacity_ - 1 : newest_ - 1;
  double xyz[kBodyCount * 3];
  for (int b = 0; b < kBodyCount; ++b)
    for (int c = 0; c < 3; ++c) xyz[3 * b + c] = state[coordinateIndex(c, b)];
  writeSlot(newest_, time, xyz);
}

int TraceHistory::firstRecordNotAfter(double t) const {
  const double* first = &times_[newest_];
  const double* found =
      std::partition_point(first, first + capacity_, [t](double recordTime) { return recordTime > t; });
  return static_cast<int>(found - first);
}

}  // namespace nbody
