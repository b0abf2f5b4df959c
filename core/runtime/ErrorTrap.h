#pragma once
// A handler's error trap: runs the protected work; a RuntimeError, a raised
// floating-point flag or any other exception ends the work and shows one
// message box with the handler's text and title. Values already changed stay
// changed. Returns true when the work finished without an error.
#include <functional>
#include <string>

bool withErrorTrap(const std::string& message, const std::string& title,
                   const std::function<void()>& work);
