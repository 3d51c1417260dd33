#pragma once
// Checks that an action fails with the given kind of error, and that the error reads as it should.
#include <gtest/gtest.h>

#include <string>

#include "core/errors.h"

namespace tarvex {

template <class Action>
void ExpectError(ErrorKind kind, Action&& action) {
  try {
    action();
    ADD_FAILURE() << "expected the error " << describe(kind);
  } catch (const Error& e) {
    EXPECT_EQ(e.kind(), kind);
    EXPECT_EQ(std::string(e.what()), describe(kind));
  }
}

}  // namespace tarvex
