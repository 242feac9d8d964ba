#pragma once
// Static hazards of two-level forms. A sum of products can glitch to 0 when
// one input changes between two 1-rows that no single term contains (f =
// a*b+~a*c at 111 and 011); a product of sums can glitch to 1 between two
// 0-rows that no single sum is 0 on. The hazard-free minimum adds terms (the
// consensus terms) until every such pair lies inside one term.
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "core/cover/simplify.h"

namespace ronri {

// Two rows that differ in one variable, the smaller first.
using RowPair = std::pair<int, int>;

// The pairs of rows whose value is `value` ('1' for a sum of products, '0'
// for a product of sums) that differ in one variable and that no cube of
// `cover` holds both of. `values`: '0', '1' or 'X' per row, 2^n of them (a
// pair with an X row is never a hazard); `cover`: the form's cubes as term
// texts in the core's letters ("ab", "nc"; for a product of sums the cube of
// rows where the sum is 0, so the sum (~a+c) is the cube "an"). Ascending.
std::vector<RowPair> staticHazards(const std::string& values, int n,
                                   const std::vector<std::string>& cover, char value);

// The cubes of a term sum as the core writes it ("ab+nc"; "1" is the cube
// of every row, "0" none), and of a product of sums ("(n+c)*(b)"): the cube
// where each sum is 0.
std::vector<std::string> sumCubes(const std::string& termSum);
std::vector<std::string> productCubes(const std::string& productOfSums);

struct HazardFree {
  std::vector<std::string> cubes;  // the form's cubes, as staticHazards takes them
  std::string form;                // in display form: "a*b+~a*c+b*c" or "(a+~c)*(b+c)"
  std::vector<std::string> added;  // in display form: terms the plain minimum lacks
  CoverStatus status = CoverStatus::Proven;
};

// The hazard-free minimal sum of products (`value` '1') or product of sums
// ('0') of `values`: fewest terms, then letters, among the prime covers of
// the `value` rows that hold every adjacent pair of them in one cube. `plain`
// names the plain minimum's cubes, for `added`.
HazardFree hazardFreeForm(const std::string& values, int n, char value,
                          const std::vector<std::string>& plain,
                          std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

}  // namespace ronri
