#pragma once
// What makes a prime list and a sum of products right for a function, checked
// against the oracles alone. Free of gtest so the fuzz targets link it too;
// support/cover_assert.h wraps it for the unit tests.
#include <string>
#include <string_view>

#include "support/crosscheck_oracle.h"

namespace ronri::test {

// The 1-rows of f ("n=3 ones: 1 5 6").
std::string describeTable(const Table& f, int n);

// Why `primes` ("ab+nc") is not every prime implicant of f, each once; ""
// when it is. The constant functions list "0" and "1".
std::string primeListProblem(const Table& f, int n, std::string_view primes);

struct CoverDemands {
  std::string_view offered;  // when not empty, every term is one of these
  int fewest = -1;           // when >= 0, exactly this many terms ("1" is one)
};
// Why `cover` is wrong for f: "" when it equals f on every row, each term is
// a prime implicant, none can be left out, and `also` holds.
std::string coverProblem(const Table& f, int n, std::string_view cover,
                         const CoverDemands& also = {});

}  // namespace ronri::test
