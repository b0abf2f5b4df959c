#pragma once
// errorOf: runs work and returns the code of the RuntimeError it threw;
// fails the calling test when it threw none.
#include <gtest/gtest.h>

#include "core/runtime/RuntimeError.h"

template <typename Work>
ErrorCode errorOf(Work work) {
  try {
    work();
  } catch (const RuntimeError& error) {
    return error.code();
  }
  ADD_FAILURE() << "no RuntimeError";
  return ErrorCode::InvalidCall;
}
