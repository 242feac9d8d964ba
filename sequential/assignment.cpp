// The fixed assignments and the search for the cheapest one.
#include "sequential/assignment.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace ronri::seq {

int codeBits(int states) {
  int k = 0;
  while ((1 << k) < states) ++k;
  return k;
}

StateCodes binaryCodes(int states) {
  StateCodes c{codeBits(states), std::vector<uint32_t>(static_cast<size_t>(states))};
  std::iota(c.code.begin(), c.code.end(), 0u);
  return c;
}

StateCodes grayCodes(int states) {
  StateCodes c = binaryCodes(states);
  for (uint32_t& v : c.code) v ^= v >> 1;
  return c;
}

StateCodes oneHotCodes(int states) {
  StateCodes c{states, {}};
  for (int s = 0; s < states; ++s) c.code.push_back(1u << s);
  return c;
}

namespace {

using Clock = std::chrono::steady_clock;

// The symmetries as maps of codes: a bit permutation, then a complement mask.
struct Symmetry {
  std::vector<int> to;  // bit i goes to bit to[i]
  uint32_t flip = 0;
  uint32_t apply(uint32_t c) const {
    uint32_t out = 0;
    for (size_t i = 0; i < to.size(); ++i) out |= (c >> i & 1) << to[i];
    return out ^ flip;
  }
};

std::vector<Symmetry> symmetries(int k, bool complements) {
  std::vector<Symmetry> out;
  std::vector<int> perm(static_cast<size_t>(k));
  std::iota(perm.begin(), perm.end(), 0);
  do {
    for (uint32_t flip = 0; flip < (complements ? 1u << k : 1u); ++flip)
      out.push_back({perm, flip});
  } while (std::next_permutation(perm.begin(), perm.end()));
  return out;
}

class Search {
 public:
  Search(const Machine& m, FlipFlop f, std::chrono::milliseconds budget)
      : m_(m),
        f_(f),
        k_(codeBits(m.states())),
        deadline_(Clock::now() + budget),
        group_(symmetries(k_, f != FlipFlop::D)) {}

  AssignmentSearch run() {
    // Never worse than the fixed choices of as many bits, even when time runs out.
    best_.codes = binaryCodes(m_.states());
    best_.cost = cost(best_.codes, Cost{1 << 30, 0});
    const StateCodes gray = grayCodes(m_.states());
    if (const Cost c = cost(gray, best_.cost); c < best_.cost) {
      best_.cost = c;
      best_.codes = gray;
    }
    codes_.code.clear();
    codes_.bits = k_;
    used_.assign(size_t(1) << k_, false);
    place(0);
    return best_;
  }

 private:
  // Codes for states s.. in every way; stops when the time is up.
  void place(int s) {
    if (!best_.proven) return;
    if (s == m_.states()) {
      // Most leaves are not canonical: the clock is read on those too.
      if ((++leaves_ & 255) == 0 && Clock::now() > deadline_) best_.proven = false;
      if (!best_.proven || !canonical()) return;
      ++best_.tried;
      const Cost c = cost(codes_, best_.cost);
      if (c < best_.cost) {
        best_.cost = c;
        best_.codes = codes_;
      }
      if (Clock::now() > deadline_) best_.proven = false;
      return;
    }
    for (uint32_t c = 0; c < used_.size(); ++c) {
      if (used_[c]) continue;
      used_[c] = true;
      codes_.code.push_back(c);
      place(s + 1);
      codes_.code.pop_back();
      used_[c] = false;
    }
  }

  // The first in lexicographic order of its kind.
  bool canonical() const {
    for (const Symmetry& g : group_) {
      for (size_t s = 0; s < codes_.code.size(); ++s) {
        const uint32_t image = g.apply(codes_.code[s]);
        if (image < codes_.code[s]) return false;
        if (image > codes_.code[s]) break;
      }
    }
    return true;
  }

  // The design's cost, stopped (with a cost not below `bound`) once it
  // reaches `bound`: sizes only add up.
  Cost cost(const StateCodes& codes, Cost bound) {
    Cost total;
    for (const FunctionTable& t : designFunctions(m_, codes, f_)) {
      const int n = static_cast<int>(t.variables.size());
      auto it = memo_.find(t.rows);
      if (it == memo_.end()) {
        const auto left = std::max(
            std::chrono::milliseconds(1),
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now()));
        const SumOfProducts sum = minimise(t.rows, n, left);
        if (!sum.proven) best_.proven = false;
        it = memo_.emplace(t.rows, Cost{static_cast<int>(sum.terms.size()), sum.letters()}).first;
      }
      total.terms += it->second.terms;
      total.letters += it->second.letters;
      if (!(total < bound)) return total;
    }
    return total;
  }

  const Machine& m_;
  FlipFlop f_;
  int k_;
  Clock::time_point deadline_;
  std::vector<Symmetry> group_;
  StateCodes codes_;
  std::vector<bool> used_;
  long long leaves_ = 0;
  // Function tables of equal rows and length have the same variables' count.
  std::unordered_map<std::string, Cost> memo_;
  AssignmentSearch best_;
};

}  // namespace

AssignmentSearch bestAssignment(const Machine& m, FlipFlop f, std::chrono::milliseconds budget) {
  if (machineProblem(m) != MachineProblem::None) {
    AssignmentSearch none;
    none.codes = binaryCodes(std::clamp(m.states(), 0, kMaxStates));
    none.proven = false;
    return none;
  }
  return Search(m, f, budget).run();
}

std::vector<ChoiceCost> assignmentChoices(const Machine& m, FlipFlop f,
                                          std::chrono::milliseconds budget) {
  std::vector<ChoiceCost> out;
  const auto fixed = [&](AssignmentChoice choice, const StateCodes& codes) {
    const Design d = designCircuit(m, codes, f);
    out.push_back({choice, codes, d.cost, d.proven, d.available});
  };
  fixed(AssignmentChoice::Binary, binaryCodes(m.states()));
  fixed(AssignmentChoice::Gray, grayCodes(m.states()));
  fixed(AssignmentChoice::OneHot, oneHotCodes(m.states()));
  const AssignmentSearch best = bestAssignment(m, f, budget);
  out.push_back({AssignmentChoice::Best, best.codes, best.cost, best.proven, true});
  return out;
}

}  // namespace ronri::seq
