#pragma once
// The hazard-free version of a drawn circuit: a drawn sum of products keeps
// its terms and gains the consensus terms that hold every pair of adjacent
// 1-rows in one term; any other circuit is replaced by the hazard-free
// minimal sum of products.
#include <string>
#include <vector>

#include "circuit/netlist.h"
#include "core/cover/simplify.h"

namespace ronri {

// The netlist the circuit window draws for `expression` over n variables
// (two-input gates, or up to four).
Netlist netlistOf(const std::string& expression, int n, bool twoInputGates);

struct GuardedForm {
  std::string expression;          // as typed ("a*b+~a*c+b*c"); "0"/"1" for a constant
  std::vector<std::string> added;  // the terms added, in display form
  CoverStatus status = CoverStatus::Proven;
};

// `values`: '0', '1' or 'X' per row of n variables.
GuardedForm withConsensusTerms(const std::string& drawn, const std::string& values, int n);

// Whether the expression is a sum of products of letters ("a*b+~a*c").
bool isSumOfProducts(const std::string& expression);

}  // namespace ronri
