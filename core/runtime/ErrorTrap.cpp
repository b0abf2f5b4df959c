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

// The trap of both kinds; namingTheFile adds the line of a file's error.
bool trapErrors(const std::string& message, const std::string& title, bool namingTheFile,
                const std::function<void()>& work) {
  const EnclosingFlags enclosing;
  bool failed = false;
  std::string fileLine;
  try {
    clearFloatingPointFlags();
    work();
    throwOnFloatingPointFlags();
  } catch (const RuntimeError& error) {
    failed = true;
    if (namingTheFile && !error.file().empty() && !error.cause().empty())
      fileLine = "\r\n" + error.file() + ": " + error.cause();
  } catch (const std::exception&) {
    failed = true;
  }
  if (failed) MsgBox(message + fileLine, MsgBoxButtons::Ok, title);
  return !failed;
}

}  // namespace

bool withErrorTrap(const std::string& message, const std::string& title,
                   const std::function<void()>& work) {
  return trapErrors(message, title, false, work);
}

bool withFileErrorTrap(const std::string& message, const std::string& title,
                       const std::function<void()>& work) {
  return trapErrors(message, title, true, work);
}
