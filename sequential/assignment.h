#pragma once
// State assignment: binary in table order (the default), Gray, one-hot, and
// the best one for a flip-flop type, searched up to symmetry.
#include <chrono>
#include <vector>

#include "sequential/design.h"

namespace ronri::seq {

enum class AssignmentChoice { Binary, Gray, OneHot, Best };

// ceil(log2(states)) flip-flops; 0 for a single state.
int codeBits(int states);
// State s gets code s.
StateCodes binaryCodes(int states);
// State s gets the s-th Gray code, s ^ (s >> 1).
StateCodes grayCodes(int states);
// One flip-flop per state: state s sets Q_s alone.
StateCodes oneHotCodes(int states);

// The cheapest assignment of codeBits(states) bits: fewest terms, then
// letters, summed over every flip-flop input and output function, each
// minimised exactly. Assignments that differ by a symmetry cost the same,
// so only one of each kind is tried:
// - permuting the bit positions renames the state variables alike in every
//   function and permutes the flip-flops' functions among themselves: every
//   minimum keeps its size (any flip-flop type);
// - complementing bit b of every code negates Q_b wherever it is read, which
//   keeps the size of every minimum; for T it leaves T_b's values as they are
//   (Q xor Q+ is unchanged), for JK and SR it swaps J_b with K_b and S_b with
//   R_b, so the set of sizes is the same. For D it turns D_b into its
//   complement, whose minimum may differ: D is searched without it.
struct AssignmentSearch {
  StateCodes codes;  // binary, else Gray, when nothing cheaper was found
  Cost cost;
  bool proven = true;   // false when the budget ran out before every kind was tried
  long long tried = 0;  // assignments whose cost was computed (or cut short)
};
// The search stops after `budget` of wall-clock time with the cheapest found
// so far. An unsound machine gets its binary codes, not proven.
AssignmentSearch bestAssignment(const Machine& m, FlipFlop f,
                                std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

// What the window lists per choice: its codes and the cost of its design.
struct ChoiceCost {
  AssignmentChoice choice = AssignmentChoice::Binary;
  StateCodes codes;
  Cost cost;
  bool proven = true;     // Best: the search finished; others: every minimum proven
  bool available = true;  // one-hot past kMaxFunctionVariables variables cannot be minimised
};
// Binary, Gray, one-hot and best, in that order; `budget` is the best search's.
std::vector<ChoiceCost> assignmentChoices(
    const Machine& m, FlipFlop f,
    std::chrono::milliseconds budget = std::chrono::milliseconds(2000));

}  // namespace ronri::seq
