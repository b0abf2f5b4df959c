// Typed text through the number conversions: CDbl, CInt, CLng and Val take
// any bytes without undefined behaviour, and a number CDbl reads comes back
// from its default text Str to within the 15 digits Str keeps.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/runtime/NumberText.h"
#include "core/runtime/RuntimeError.h"

namespace {

template <class Conversion>
void refusedOrDone(Conversion conversion) {
  try {
    conversion();
  } catch (const RuntimeError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  refusedOrDone([&] { Val(text); });
  refusedOrDone([&] { CInt(text); });
  refusedOrDone([&] { CLng(text); });
  refusedOrDone([&] {
    const double value = CDbl(text);
    const std::string shown = Str(value);
    const double back = CDbl(shown);
    if (!(std::fabs(back - value) <= 1e-14 * std::fabs(value) + 1e-300)) __builtin_trap();
    Format(value, "0.00");
    StrSingle(static_cast<float>(value));
  });
  return 0;
}
