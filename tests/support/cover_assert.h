#pragma once
// The cover checker as a gtest assertion: a failure shows the function's
// 1-rows, the cover and what is wrong with it.
#include <gtest/gtest.h>

#include "support/cover_check.h"

namespace ronri::test {

inline ::testing::AssertionResult isValidCover(const Table& f, int n, const std::string& cover,
                                               const CoverDemands& also = {}) {
  const std::string problem = coverProblem(f, n, cover, also);
  if (problem.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << describeTable(f, n) << "; cover " << cover << ": " << problem;
}

}  // namespace ronri::test
