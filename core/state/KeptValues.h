#pragma once
// KeptValues: shared values kept when it is made and put back when it
// goes, however the scope ends. A window that must use shared slots for a
// moment (the theories write the bodies' state, a reader takes its inputs
// from shared slots) leaves them to the other windows as it found them.
//
//   const KeptValues kept(Main.JD0, Main.SavedPrecession);
#include <tuple>

template <typename... Values>
class KeptValues {
 public:
  explicit KeptValues(Values&... places) : places_(places...), kept_(places...) {}
  ~KeptValues() { places_ = kept_; }
  KeptValues(const KeptValues&) = delete;
  KeptValues& operator=(const KeptValues&) = delete;

 private:
  std::tuple<Values&...> places_;
  std::tuple<Values...> kept_;
};
