#pragma once
// A handler's error trap: runs the protected work; a RuntimeError, a raised
// floating-point flag (division by zero, overflow, invalid operation) or any
// other std::exception ends the work and shows one message box with the
// handler's text and title (OK button). Values already changed stay changed.
// Returns true when the work finished without an error.
// Notes: traps nest (a handler may run inside another's work): the flags that
// the enclosing work had raised before are set aside while the inner work
// runs and put back afterwards, so an inner trap neither hides nor reports
// an error of the work around it.
#include <functional>
#include <string>

bool withErrorTrap(const std::string& message, const std::string& title,
                   const std::function<void()>& work);

// withFileErrorTrap: the same trap for work on files; when the error is one
// of a file, the message gets a second line with the file and the system's
// reason ("/.../Dat/Bad_dataGREN4_100.txt: нет места на диске").
bool withFileErrorTrap(const std::string& message, const std::string& title,
                       const std::function<void()>& work);
