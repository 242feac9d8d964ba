#pragma once
// Independent oracles for the cross-check tests: an infix evaluator written
// from the operator table alone, prime implicants by enumerating every cube,
// and the fewest cubes that cover a function by branch and bound. None of it
// shares code with the program.
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri::test {

// RONRI_CROSSCHECK_SAMPLE=k (the slower passes of CI): the exhaustive loops
// check every k-th case only. 1 without it.
int sampleStep();

// A truth table of up to 10 variables: bit r is the value of row r (the first
// variable is the most significant bit of r).
using Table = std::bitset<1024>;

// The truth table of an infix text: variables a..j, negated letters n..w,
// constants 0 and 1, prefix ~, binary $ | % (tightest), then *, then @, then
// + (loosest), all left-associative, parentheses. nullopt when malformed or
// when a letter lies beyond the n-th variable.
std::optional<Table> evaluateInfix(std::string_view text, int n);

// The rows 0 .. 2^n - 1 as a table with every bit set.
Table allRows(int n);

// A product term: bit k of `care` set when variable k (a = 0) appears, bit k
// of `val` set when it appears plain.
struct Cube {
  uint16_t care = 0;
  uint16_t val = 0;
  bool operator==(const Cube&) const = default;
};
Table pointsOf(Cube c, int n);
// A term of juxtaposed letters ("aoc"); nullopt for any other text.
std::optional<Cube> parseTerm(std::string_view term, int n);

// Every prime implicant of f, each once, in no particular order.
std::vector<Cube> primeImplicants(const Table& f, int n);

// The fewest of `cubes` whose union covers f (rows a cube has outside f count
// as don't-cares); -1 when they cannot cover f.
int minimumCoverSize(const Table& f, const std::vector<Cube>& cubes, int n);

// A sum of products by its size: terms first, then letters.
struct SumCost {
  int terms = 0;
  int letters = 0;
  bool operator==(const SumCost&) const = default;
};
// The same cover search with the fewest letters as the second aim; terms -1
// when the cubes cannot cover f.
SumCost minimumCoverCost(const Table& f, const std::vector<Cube>& cubes, int n);

// For every function of n <= 4 variables (index: the table's bits), the
// smallest sum of products of any cubes, by trying unions of cubes cheapest
// first. The constant 1 is one term of no letters, the constant 0 no term.
std::vector<SumCost> smallestSums(int n);

// The same by a 0-1 integer program handed to glpsol (GLPK's solver, a
// program of its own); nullopt when glpsol is not installed or does not
// prove an optimum within `seconds`.
std::optional<int> minimumCoverSizeByGlpsol(const Table& f, const std::vector<Cube>& cubes, int n,
                                            int seconds);
bool glpsolInstalled();
// The optimal objective glpsol proves for the program (LP format) within
// `seconds`; nullopt when it proves none or is not installed.
std::optional<long> glpsolOptimum(const std::string& program, int seconds);

// The term list of a table's 1-rows as the truth table builds it ("noc+aoc+").
std::string termListOf(const Table& f, int n);

}  // namespace ronri::test
