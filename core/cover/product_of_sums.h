#pragma once
// The smallest product of sums, found from the 0-rows.
#include <chrono>
#include <string>
#include <string_view>

#include "core/cover/simplify.h"

namespace ronri {

// The smallest product of sums of the function whose 0-rows are the term list
// `zeros` (terms of n letters, each followed by "+"), with the rows of
// `dontCare` free: fewest sums, then fewest letters. Each sum is the negation
// of a term of the smallest sum of products of the 0-rows. Written in the
// internal letters, sums of two or more letters in parentheses, e.g.
// "(a+o)*(p+d)*e" (wordchange gives "(a+~b)*(~c+d)*e"); "1" when there is no
// 0-row, "0" when there is no 1-row.
Cover minimalProductOfSums(std::string_view zeros, std::string_view dontCare, int n,
                           std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

}  // namespace ronri
