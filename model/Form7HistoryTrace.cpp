// The trace of a body from the model's history snapshot, by the model's own
// interpolation on the real ages of the records.
#include "model/Form7HistoryTrace.h"

#include "core/runtime/RuntimeError.h"
#include "core/state/SharedState.h"
#include "science/engine/PairKernels.h"
#include "science/engine/TraceHistory.h"

namespace bench {
namespace {

// The snapshot as the model's history of the eleven bodies.
nbody::TraceHistory loadSnapshot() {
  const int n = Main.HistoryPoints;
  nbody::TraceHistory history;
  history.resize(n);
  double x[nbody::kBodyCount], y[nbody::kBodyCount], z[nbody::kBodyCount];
  for (int j = 0; j <= n; ++j) {
    for (int b = 0; b < nbody::kBodyCount; ++b) {
      x[b] = Main.HistorySnapshotX(b, j);
      y[b] = Main.HistorySnapshotY(b, j);
      z[b] = Main.HistorySnapshotZ(b, j);
    }
    history.setRecord(j, Main.HistorySnapshotTime[j], x, y, z);
  }
  return history;
}

HistoryTraceSource sourceOf(const nbody::TraceHistory& history, double moment) {
  if (moment >= history.time(0)) return HistoryTraceSource::Present;
  if (moment >= history.time(history.lastRecord())) return HistoryTraceSource::Records;
  return HistoryTraceSource::Extrapolated;
}

}  // namespace

bool historyRecorded() {
  const int n = Main.HistoryPoints;
  return n >= 1 && Main.HistorySnapshotX.upper1() >= nbody::kBodyCount - 1 &&
         Main.HistorySnapshotX.upper2() == n && Main.HistorySnapshotY.upper2() == n &&
         Main.HistorySnapshotZ.upper2() == n && Main.HistorySnapshotTime.upper() == n;
}

double newestRecordAge() { return historyRecorded() ? Main.TestBenchSnapshotTime - Main.HistorySnapshotTime[0] : 0.0; }

HistoryTrace traceFromHistorySnapshot(int body, double delay) {
  if (!historyRecorded())
    throw RuntimeError(ErrorCode::SubscriptOutOfRange, "no position history has been recorded");
  const nbody::TraceHistory history = loadSnapshot();
  // The body is the source (slot 0) and the target (slot 1) stands at the
  // origin, so the pair vector from the trace to the target is −trace.
  nbody::Bodies bodies;
  bodies.count = 2;
  bodies.number[0] = body;
  bodies.number[1] = body;
  bodies.x[0] = Main.X[body];
  bodies.y[0] = Main.Y[body];
  bodies.z[0] = Main.Z[body];
  bodies.vx[0] = Main.VX[body];
  bodies.vy[0] = Main.VY[body];
  bodies.vz[0] = Main.VZ[body];
  bodies.ax[0] = Main.AccelerationX[body];
  bodies.ay[0] = Main.AccelerationY[body];
  bodies.az[0] = Main.AccelerationZ[body];
  bodies.x[1] = bodies.y[1] = bodies.z[1] = 0;
  nbody::StageContext stage;
  stage.history = &history;
  stage.stageTime = Main.TestBenchSnapshotTime;
  const nbody::PairVector present = nbody::withLength(-bodies.x[0], -bodies.y[0], -bodies.z[0]);
  const nbody::PairVector toOrigin = nbody::storedTraceVector(stage, bodies, 0, 1, present, delay);

  HistoryTrace trace;
  trace.x = -toOrigin.x;
  trace.y = -toOrigin.y;
  trace.z = -toOrigin.z;
  const double moment = Main.TestBenchSnapshotTime - delay;
  trace.source = sourceOf(history, moment);
  if (trace.source == HistoryTraceSource::Records) trace.newerRecord = history.firstRecordNotAfter(moment) - 1;
  return trace;
}

}  // namespace bench
