#pragma once
// Prime implicants and the choice of the smallest cover.
#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/cover/cover_search.h"

namespace ronri {

// All prime implicants of the minterm patterns `barabara` (terms of n letters,
// plain for 1, negated letter for 0) as a term sum, pass by pass in the order
// the merging finds them;
// "0" for none, "1" for the constant-true function.
std::string simplicity(const std::vector<std::string>& barabara);

// How a cover was found.
enum class CoverStatus {
  Proven,     // a cover with the fewest possible terms
  BestFound,  // the time budget ran out: a valid, irredundant cover, maybe not the smallest
  NoCover,    // the implicants do not cover every minterm (or there is nothing to cover)
};

struct Cover {
  std::string sum;  // term sum as useSC3 returns it; "" when status is NoCover
  CoverStatus status = CoverStatus::Proven;
  int lowerBound = 0;  // no cover has fewer terms (its own count when Proven)
};

// The first smallest cover, by the prime implicants of the term sum `primes`
// (what simplicity returns), of the minterms of `ones` (the 1-row term list:
// terms of n letters, each followed by "+"). The terms keep their order in
// `primes`. "1" and "0" come back unchanged ("0" only when `ones` is empty).
// Large tables are solved exactly within `budget`; past it the best cover
// found is returned as BestFound.
Cover minimalCover(std::string_view primes, std::string_view ones, int n,
                   std::chrono::milliseconds budget = std::chrono::milliseconds(2000));
// The same under `limits` (a benchmark counts CPU time).
Cover minimalCover(std::string_view primes, std::string_view ones, int n,
                   const CoverLimits& limits);
// The search of minimalCover without a time limit, for a proof in the
// background: `stop` is asked now and then (true ends the search with what it
// has, as BestFound), `improved` is told of each better cover or bound.
Cover proveMinimalCover(std::string_view primes, std::string_view ones, int n,
                        const std::function<bool()>& stop,
                        const std::function<void(const Cover&)>& improved);
// The same, as plain text: "" when there is no cover.
std::string useSC3(std::string_view sc1, std::string_view simple, int n);

// Inserts "*" after every letter of a term sum (display form, before wordchange).
std::string layout(std::string_view x);

}  // namespace ronri
