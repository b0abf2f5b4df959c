#include "core/stat/Stat.h"
#include "core/state/SharedState.h"

namespace {

// Fields (runs) each design string of a k-factor plan holds, k = 2..6.
constexpr int kFieldsPerString[] = {20, 24, 34, 52, 91};

// Field r (1-based) of the column of factor i in the k-factor plan.
const char* designField(int k, int i, int r) {
  const int core = 1 << k;
  if (r <= core) return ((r - 1) >> (k - i)) & 1 ? "-1" : "+1";
  if (r == core + 2 * i - 1) return "+1";
  if (r == core + 2 * i) return "-1";
  return "+0";
}

}  // namespace

void fillDesignColumns() {
  for (int k = 2; k <= 6; ++k) {
    for (int i = 1; i <= k; ++i) {
      std::string column;
      for (int r = 1; r <= kFieldsPerString[k - 2]; ++r) column += designField(k, i, r);
      Stat.DesignColumns(k, i) = column;
    }
  }
}
