// Prime implicants by merging: each term looks up its neighbours by key, and
// the tabulation records the same passes. Lists that are not clean minterms
// are merged pair by pair on their texts.
#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <unordered_set>

#include "core/cover/merging.h"
#include "core/cover/simplify.h"
#include "core/cover/tabulation.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

namespace {

// A term of one merging pass and its key: the term written in base 3, one
// digit a bit (0 negated, 1 plain, 2 absent), unique over all passes and
// dense, so the position table stays small.
struct Keyed {
  Term term;
  int key;
};

constexpr std::array<int, kMaxVariables + 1> kPow3 = {1,   3,    9,    27,    81,   243,
                                                      729, 2187, 6561, 19683, 59049};

// Reads clean minterms (letter k or its negated letter at place k) up to the
// first empty entry; false for anything else.
bool readMinterms(const std::vector<std::string>& minterms, int& n, std::vector<Keyed>& out) {
  size_t count = 0;
  while (count < minterms.size() && !minterms[count].empty()) ++count;
  if (count == 0) {
    n = 0;
    return true;
  }
  n = static_cast<int>(minterms[0].size());
  if (n < 1 || n > kMaxVariables) return false;
  std::bitset<1 << kMaxVariables> seen;
  for (size_t e = 0; e < count; ++e) {
    const std::optional<int> row = readRow(minterms[e], n);
    if (!row) return false;
    // A repeated minterm adds nothing and would only disturb the order.
    if (seen[static_cast<size_t>(*row)]) continue;
    seen[static_cast<size_t>(*row)] = true;
    int key = 0;
    for (unsigned rest = static_cast<unsigned>(*row); rest; rest &= rest - 1)
      key += kPow3[std::countr_zero(rest)];
    out.push_back({Term::ofRow(*row, n), key});
  }
  return true;
}

void appendTerm(std::string& r, Term t, int n) {
  t.appendText(r, n);
  r += '+';
}

std::string finishSum(std::string r) {
  if (r.empty()) return "0";
  if (r == "+") return "1";
  r.pop_back();
  return r;
}

using Later = std::array<std::pair<int, int>, kMaxVariables>;  // (position, bit)

// Looks up the neighbours of term `i` of a pass (its terms with the same
// variables and one value flipped) by key; returns whether it has any (then
// it is not prime). Those after it go to `later` sorted by position, since new
// terms are listed in the order of their first merge: by i, then j.
bool findNeighbours(const Keyed& p, int i, const std::vector<int16_t>& where, Later& later,
                    int& laterCount) {
  laterCount = 0;
  bool merged = false;
  for (unsigned rest = p.term.mask; rest; rest &= rest - 1) {
    const int k = std::countr_zero(rest);
    const unsigned bit = 1u << k;
    const int j =
        where[static_cast<size_t>((p.term.bits & bit) ? p.key - kPow3[k] : p.key + kPow3[k])];
    if (j < 0) continue;
    merged = true;
    if (j > i) {
      int t = laterCount++;
      while (t > 0 && later[t - 1].first > j) {
        later[t] = later[t - 1];
        --t;
      }
      later[t] = {j, k};
    }
  }
  return merged;
}

// A pass as it starts: its patterns and, after the first, the two patterns
// of the pass before that each was merged from.
std::vector<TabulationTerm>& recordPass(Tabulation& record, const std::vector<Keyed>& cur,
                                        const std::vector<std::array<int, 2>>& curFrom) {
  const bool first = record.passes.empty();
  std::vector<TabulationTerm>& pass = record.passes.emplace_back(cur.size());
  for (size_t i = 0; i < cur.size(); ++i) {
    pass[i].term = cur[i].term;
    if (!first) pass[i].from = curFrom[i];
  }
  return pass;
}

// Whether term `i` of the last pass merged on; if not, it is the next prime.
void recordTerm(Tabulation& record, std::vector<TabulationTerm>& pass, int i, bool merged) {
  pass[static_cast<size_t>(i)].ticked = merged;
  if (merged) return;
  pass[static_cast<size_t>(i)].prime = static_cast<int>(record.primes.size());
  record.primes.push_back({static_cast<int>(record.passes.size()) - 1, i});
}

// The merging of simplicity; with `record`, every pass is written down as it
// goes (the tabulation window shows exactly this merging, so the two share
// this one loop).
std::string mergeByNeighbours(const std::vector<std::string>& minterms, Tabulation* record) {
  int n = 0;
  std::vector<Keyed> cur;
  if (!readMinterms(minterms, n, cur)) return simplicityByPairs(minterms);
  if (cur.empty()) return "0";
  if (record) record->n = n;
  // Every row: the merging ends in one blank pattern. Only a record needs the
  // passes that lead there.
  if (!record && cur.size() == (size_t{1} << n)) return "1";

  // Two terms of a pass merge exactly when they have the same variables and
  // differ in one value, so instead of comparing every pair each term looks
  // up its n neighbours. A term's key is unique over all passes; `where`
  // holds its position in its pass, and neighbours lie close together in it.
  // The table is large, so it is kept and cleared key by key.
  static thread_local std::vector<int16_t> where(kPow3[kMaxVariables], -1);
  static thread_local std::vector<int> used;  // keys to clear again on the way out
  used.clear();
  for (size_t i = 0; i < cur.size(); ++i) {
    where[static_cast<size_t>(cur[i].key)] = static_cast<int16_t>(i);
    used.push_back(cur[i].key);
  }

  std::string r;
  static thread_local std::vector<Keyed> next;
  next.reserve(15360);
  Later later{};
  std::vector<std::array<int, 2>> curFrom, nextFrom;  // recorded pairs of each pattern
  while (!cur.empty()) {
    next.clear();
    std::vector<TabulationTerm>* pass = record ? &recordPass(*record, cur, curFrom) : nullptr;
    nextFrom.clear();
    for (size_t i = 0; i < cur.size(); ++i) {
      const Keyed p = cur[i];
      int laterCount = 0;
      const bool merged = findNeighbours(p, static_cast<int>(i), where, later, laterCount);
      // Each merge with a later neighbour, once: the variable they differ in
      // leaves the term.
      for (int t = 0; t < laterCount; ++t) {
        const int k = later[t].second;
        const auto keep = static_cast<uint16_t>(~(1u << k));
        const Keyed cand{
            {static_cast<uint16_t>(p.term.mask & keep), static_cast<uint16_t>(p.term.bits & keep)},
            p.key + ((p.term.bits >> k & 1u) ? 1 : 2) * kPow3[k]};
        int16_t& slot = where[static_cast<size_t>(cand.key)];
        if (slot >= 0) continue;
        slot = static_cast<int16_t>(next.size());
        used.push_back(cand.key);
        next.push_back(cand);
        if (record) nextFrom.push_back({static_cast<int>(i), later[t].first});
      }
      if (!merged) appendTerm(r, p.term, n);
      if (pass) recordTerm(*record, *pass, static_cast<int>(i), merged);
    }
    cur.swap(next);
    curFrom.swap(nextFrom);
  }
  for (int key : used) where[static_cast<size_t>(key)] = -1;
  return finishSum(std::move(r));
}

}  // namespace

std::string simplicity(const std::vector<std::string>& barabara) {
  return mergeByNeighbours(barabara, nullptr);
}

std::string simplicityRecorded(const std::vector<std::string>& minterms, Tabulation& record) {
  record = Tabulation{};
  return mergeByNeighbours(minterms, &record);
}

std::string simplicityByPairs(const std::vector<std::string>& minterms) {
  std::vector<std::string> cur;
  {
    std::unordered_set<std::string> seen;
    for (const std::string& p : minterms) {
      if (p.empty()) break;
      if (seen.insert(p).second) cur.push_back(p);
    }
  }
  std::vector<std::string> primes;
  while (!cur.empty()) {
    std::vector<std::string> next;
    std::unordered_set<std::string> inNext;
    std::vector<char> merged(cur.size(), 0);
    for (size_t i = 0; i < cur.size(); ++i) {
      for (size_t j = i + 1; j < cur.size(); ++j) {
        const std::string& x = cur[i];
        const std::string& y = cur[j];
        // Patterns of different lengths never line up, so they never merge.
        if (x.size() != y.size()) continue;
        std::string cand = x;
        int opposed = 0;
        int misaligned = 0;
        for (size_t k = 0; k < x.size(); ++k) {
          if (x[k] == y[k]) continue;
          cand[k] = ' ';
          if (x[k] == ' ' || y[k] == ' ')
            ++misaligned;
          else
            ++opposed;
        }
        if (opposed != 1 || misaligned != 0) continue;
        merged[i] = merged[j] = 1;
        if (inNext.insert(cand).second) next.push_back(cand);
      }
      if (!merged[i]) primes.push_back(cur[i]);
    }
    cur.swap(next);
  }
  std::string r;
  for (const std::string& p : primes) {
    std::string t;
    for (char c : p)
      if (c != ' ') t += c;
    if (t.empty()) return "1";  // an implicant without letters is the constant 1
    r += t;
    r += '+';
  }
  return finishSum(std::move(r));
}

}  // namespace ronri
