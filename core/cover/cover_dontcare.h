#pragma once
// Minimisation with don't-care rows, and the cover that weighs letters as well
// as terms.
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "core/cover/simplify.h"

namespace ronri {

// The smallest sum of products that is 1 on every row of `ones` and 0 on
// every row in neither `ones` nor `dontCare` (both term lists: terms of n
// letters, each followed by "+"). The terms are prime implicants of the 1-rows
// together with the don't-care rows and cover the 1-rows only: fewest terms,
// then fewest letters, the first such cover in the order of the expansion.
// Without don't-care rows the result is minimalCover's for the same rows,
// text for text. A row in both lists counts as 1. "0" when there is no 1-row,
// "1" when a single blank term covers everything.
Cover minimalCoverWithDontCares(std::string_view ones, std::string_view dontCare, int n,
                                std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// The cover of the rows of `ones` by the terms of `primes` with the fewest
// terms and, among those, the fewest letters. Small tables follow the
// expansion (the first such candidate wins); larger ones go to the exact
// solver with a cost per term that puts every term before every letter.
Cover fewestTermsThenLetters(std::string_view primes, std::string_view ones, int n,
                             std::chrono::milliseconds budget);
// Its search without a time limit, for a proof in the background (as
// proveMinimalCover).
Cover proveFewestTermsThenLetters(std::string_view primes, std::string_view ones, int n,
                                  const std::function<bool()>& stop,
                                  const std::function<void(const Cover&)>& improved);

// The same with fewest letters as the second aim even without don't-care rows.
Cover smallestSumOfProducts(std::string_view ones, std::string_view dontCare, int n,
                            std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// The prime implicants of the 1-rows together with the don't-care rows that
// cover at least one 1-row, as a term sum in the order the merging finds them
// (as simplicity gives it): "0" without 1-rows, "1" when one blank term covers
// everything. Without don't-care rows it is simplicity's of the 1-rows.
std::string primesWithDontCares(std::string_view ones, const std::vector<int>& dontCares, int n);

// The rows of n variables in neither term list, as a term list in row order.
std::string otherRows(std::string_view ones, std::string_view dontCare, int n);

}  // namespace ronri
