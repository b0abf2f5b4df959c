#pragma once
// The trace of a body found in the position history that a model run with
// stored traces (kodDX = 3) leaves for the test bench: the snapshot
// HistorySnapshotX/Y/Z with the model time of each record in
// HistorySnapshotTime (record 0 the newest, HistoryPoints the oldest). The
// bodies' present positions are those of the model's last evaluation with
// "текст теста", at the model time TestBenchSnapshotTime, so record n lies
// TestBenchSnapshotTime − HistorySnapshotTime(n) seconds before them (a run
// that went on without the test text has newer records than the snapshot;
// they lie after it and are never used as its past). The interpolation is the
// model's own (science/engine/PairKernels.h): on the real ages of the records.
namespace bench {

enum class HistoryTraceSource {
  Present,       // newer than record 0: between the present position and record 0
  Records,       // between two records
  Extrapolated,  // older than the oldest record: along velocity and acceleration
};

struct HistoryTrace {
  double x = 0, y = 0, z = 0;  // m
  HistoryTraceSource source = HistoryTraceSource::Present;
  int newerRecord = -1;  // with Records: the trace lies between records n and n + 1
};

// True when a model run has left a complete history snapshot.
bool historyRecorded();

// newestRecordAge (Tr): seconds from record 0 to the present positions
// (negative when the run went on past the snapshot); 0 when no history is
// recorded.
double newestRecordAge();

// traceFromHistorySnapshot: where the body was `delay` seconds before its
// present position.
// Reads:    X, Y, Z, VX, VY, VZ, AccelerationX/Y/Z of the body, TestBenchSnapshotTime,
//           HistoryPoints, HistorySnapshotX/Y/Z, HistorySnapshotTime
// Given:    body 0..10; delay T, s
// Returns:  the trace and where it came from: T within the age of record 0,
//           the point at T / Tr on the line from the present position to
//           record 0; within the history, the linear interpolation between
//           the two records whose ages bracket T (a T equal to a record's
//           age gives that record); beyond the oldest record,
//           X − T·VX + T²·AccelerationX/2
// Notes:    a history that was never recorded is a RuntimeError
//           (SubscriptOutOfRange) for the caller's trap.
HistoryTrace traceFromHistorySnapshot(int body, double delay);

}  // namespace bench
