#include "core/runtime/ErrorTrap.h"

#include <cfenv>
#include <exception>

#include "core/runtime/MessageBox.h"
#include "core/runtime/RuntimeError.h"

namespace {

// Keeps the floating-point flags raised before the trap and puts them back
// when the trap ends, whatever the inner work raised.
class EnclosingFlags {
 public:
  EnclosingFlags() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~EnclosingFlags() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  EnclosingFlags(const EnclosingFlags&) = delete;
  EnclosingFlags& operator=(const EnclosingFlags&) = delete;

 private:
  std::fexcept_t saved_{};
};

}  // namespace

bool withErrorTrap(const std::string& message, const std::string& title,
                   const std::function<void()>& work) {
  const EnclosingFlags enclosing;
  bool failed = false;
  try {
    clearFloatingPointFlags();
    work();
    throwOnFloatingPointFlags();
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) MsgBox(message, MsgBoxButtons::Ok, title);
  return !failed;
}
