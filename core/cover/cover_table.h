#pragma once
// The cover table of a function: a row per minterm, a column per implicant,
// the problem the cover search solves; and the sum a chosen cover writes.
#include <string>
#include <string_view>
#include <vector>

#include "core/table/term.h"

namespace ronri {

// For each row, the ascending indices of the primes that cover it.
std::vector<std::vector<int>> coverTable(const std::vector<Term>& primes,
                                         const std::vector<int>& rows);
// The same for the minterms of the term list `ones` (terms of n letters
// followed by "+") and implicant texts: an implicant that is no term of the n
// variables covers nothing, a minterm that is no row is covered by nothing.
std::vector<std::vector<int>> coverTable(const std::vector<std::string>& implicants,
                                         std::string_view ones, int n);

// The chosen implicants joined by "+": the term sum of a cover.
std::string joinChosen(const std::vector<std::string>& implicants, const std::vector<int>& chosen);

}  // namespace ronri
