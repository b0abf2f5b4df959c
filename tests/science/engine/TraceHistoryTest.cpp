// The stored positions of the stored-trace retardation are kept twice: by
// record (what the general pair loop reads) and in a row of records per body
// and coordinate (what the traced loops load a register at a time). Both
// must give the same value for every record, after the ring of records has
// been written round more than once and after records set one by one.
#include <gtest/gtest.h>

#include "science/engine/TraceHistory.h"

namespace {

void expectRowsMatchRecords(const nbody::TraceHistory& history) {
  for (int body = 0; body < nbody::kBodyCount; ++body)
    for (int coordinate = 0; coordinate < 3; ++coordinate)
      for (int record = 0; record <= history.lastRecord(); ++record)
        ASSERT_EQ(history.recordRow(body, coordinate)[record], history.position(record, body)[coordinate])
            << "body " << body << " coordinate " << coordinate << " record " << record;
}

TEST(TraceHistory, RowsOfRecordsHoldWhatEachRecordHolds) {
  nbody::TraceHistory history;
  history.resize(5);
  double state[2 * 3 * nbody::kBodyCount];
  for (int push = 0; push < 14; ++push) {
    for (int i = 0; i < 2 * 3 * nbody::kBodyCount; ++i) state[i] = 1000.0 * push + i;
    history.push(3600.0 * push, state);
    expectRowsMatchRecords(history);
  }
  double x[nbody::kBodyCount], y[nbody::kBodyCount], z[nbody::kBodyCount];
  for (int b = 0; b < nbody::kBodyCount; ++b) x[b] = -b, y[b] = -2.0 * b, z[b] = -3.0 * b;
  history.setRecord(3, 1.5, x, y, z);
  expectRowsMatchRecords(history);
  EXPECT_EQ(history.recordRow(7, 1)[3], -14.0);
}

}  // namespace
