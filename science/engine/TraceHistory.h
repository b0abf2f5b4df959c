#pragma once
// Past positions of the eleven bodies for the stored-trace retardation
// (kodDX = 3). Each record holds the positions of the integrated state (not
// shifted to a drawing origin) and the model time at which they were taken;
// a trace is interpolated on those real times, so records need not be
// evenly spaced. Record 0 is the newest.
//
// Storage is a ring written twice over, so that records 0..last always lie
// next to one another in memory: the lookups of the right-hand side run
// over a plain array, and a push moves no record.
#include <vector>

#include "science/engine/Interaction.h"

namespace nbody {

class TraceHistory {
 public:
  // Room for records 0..lastRecord, all at time 0 and the origin. Allocates:
  // only the start of a run and the loading from the shared tables call it.
  void resize(int lastRecord);
  int lastRecord() const { return capacity_ - 1; }
  bool empty() const { return capacity_ == 0; }

  // Sets record j (used to fill the history at the start and to load it).
  void setRecord(int record, double time, const double* x, const double* y, const double* z);
  // Makes the positions of a state vector (layout of Interaction.h) the
  // newest record at the given time; the oldest record falls out.
  void push(double time, const double* state);

  double time(int record) const { return times_[newest_ + record]; }
  const double* position(int record, int body) const {
    return &positions_[((newest_ + record) * kBodyCount + body) * 3];
  }
  // One coordinate (0 x, 1 y, 2 z) of a body's records 0..lastRecord in a
  // row, followed by kRecordRowSpare values that may be read and mean
  // nothing: the traced loops load a body's records a register at a time.
  static constexpr int kRecordRowSpare = 8;
  const double* recordRow(int body, int coordinate) const {
    return &recordRows_[(body * 3 + coordinate) * rowLength() + newest_];
  }

  // First record whose time is at or before t, for t between the oldest and
  // the newest record time (oldest <= t < newest); the trace then lies
  // between records j - 1 and j.
  int firstRecordNotAfter(double t) const;

 private:
  int capacity_ = 0;
  int newest_ = 0;                  // slot of record 0
  std::vector<double> times_;       // 2 · capacity slots
  std::vector<double> positions_;   // 2 · capacity slots of 11 bodies × 3
  // The same positions by body and coordinate, each a row of 2 · capacity
  // slots and the spare values.
  std::vector<double> recordRows_;
  int rowLength() const { return 2 * capacity_ + kRecordRowSpare; }
  void writeSlot(int slot, double time, const double* xyz);
};

}  // namespace nbody
