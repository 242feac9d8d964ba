// The exact cover search hands large tables to CBC with what is left of the
// time budget. When that ran out inside CBC's integer preprocessing, CBC's
// postprocessing dereferenced a null pointer and the program crashed (found
// by the simplify fuzz target on a busy machine). Budgets just above the
// solver's margin leave it a few milliseconds, which hits that window.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

#include "core/cover/cover_search.h"
#include "core/cover/cover_table.h"
#include "core/cover/simplify.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {

TEST(RegressionCoverTimeLimit, SolverStoppedInsideItsPreprocessingDoesNotCrash) {
  const int n = 6;
  const std::string primes =
      "nbcdrf+abdef+noqrs+aopes+aopds+nbpds+aopqf+aopqe+opdrs+ncdes+nbces+bcqes+abprf+abpdf+"
      "ocqrs+nopdf+npdef+bpdef+nbdes+nbpde+nprs+npqr+nopr+acqs+abqs+pqrf+aqes+bpqr";
  const std::vector<std::string> implicants = splitTerms(primes);
  // The function is every row one of its prime implicants covers.
  std::string simple;
  for (int r = 0; r < (1 << n); ++r) {
    const std::string term = rowTerm(rowBits(r, n));
    for (const std::string& p : implicants) {
      if (std::all_of(p.begin(), p.end(),
                      [&](char c) { return term.find(c) != std::string::npos; })) {
        simple += term;
        break;
      }
    }
  }
  const auto table = coverTable(implicants, simple, n);
  ASSERT_EQ(table.size(), 30u);
  for (int round = 0; round < 5; ++round) {
    for (int ms = 141; ms <= 180; ++ms) {
      const ExactCover cover =
          solveCover({table, int(implicants.size())}, {std::chrono::milliseconds(ms)});
      for (const auto& row : table) {
        const bool covered = std::any_of(row.begin(), row.end(), [&](int c) {
          return std::find(cover.columns.begin(), cover.columns.end(), c) != cover.columns.end();
        });
        ASSERT_TRUE(covered) << "budget " << ms << " ms";
      }
    }
  }
}

}  // namespace
}  // namespace ronri
