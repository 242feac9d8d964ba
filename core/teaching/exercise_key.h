#pragma once
// The answer key of a problem: its smallest sum of products with the loops
// that draw it on the map, its smallest product of sums, and how many covers
// of the fewest terms each form has.
#include <string>
#include <vector>

#include "core/table/term.h"
#include "core/teaching/answer_check.h"
#include "core/teaching/exercise_set.h"

namespace ronri {

struct ExerciseKey {
  std::string values;       // per row '0', '1' or 'X'
  std::vector<Term> loops;  // the sum of products' terms, fewest letters among the smallest
  Minimal minimal;          // its sum of products is the loops'
  long long sopCovers = 0;  // -1: more than could be counted
  long long posCovers = 0;
};

ExerciseKey exerciseKey(const Exercise& e);

}  // namespace ronri
