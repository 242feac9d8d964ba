// Prime implicants and the smallest cover on term lists of every kind: clean
// minterm lists (with repeats), hand-edited implicant lists that need not
// cover anything, and junk. Sizes stay small so each input runs fast.
#include <bitset>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cover_dontcare.h"
#include "core/product_of_sums.h"
#include "core/simplify.h"
#include "core/simplify_detail.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

namespace {

using Set = std::bitset<1024>;

struct Cube {
  unsigned care = 0, val = 0;
};

bool parseCube(const std::string& t, int n, Cube& c) {
  c = {};
  for (char ch : t) {
    int k = -1;
    bool plain = true;
    if (ch >= 'a' && ch < 'a' + n) {
      k = ch - 'a';
    } else if (ch >= 'n' && ch < 'n' + n) {
      k = ch - 'n';
      plain = false;
    }
    if (k < 0 || (c.care >> k) & 1u) return false;
    c.care |= 1u << k;
    if (plain) c.val |= 1u << k;
  }
  return true;
}

// Variable k (0 = a) is bit n-1-k of a row number; cubes use bit k.
unsigned varsToRow(unsigned v, int n) {
  unsigned r = 0;
  for (int k = 0; k < n; ++k)
    if ((v >> k) & 1u) r |= 1u << (n - 1 - k);
  return r;
}

Set pointsOf(const Cube& c, int n) {
  const unsigned care = varsToRow(c.care, n), val = varsToRow(c.val, n);
  const unsigned free = ((1u << n) - 1) & ~care;
  Set s;
  for (unsigned sub = free;; sub = (sub - 1) & free) {
    s.set(val | sub);
    if (sub == 0) break;
  }
  return s;
}

std::string termOfRow(unsigned r, int n) {
  std::string t;
  for (int k = 0; k < n; ++k) t += char(((r >> (n - 1 - k)) & 1u) ? 'a' + k : 'n' + k);
  return t;
}

// Whether a term covers a minterm text the way the cover step decides it.
bool coversText(const std::string& term, std::string_view minterm) {
  for (char c : term)
    if (minterm.find(c) == std::string_view::npos) return false;
  return true;
}

// Some of the other rows free: the smallest sum of products and product of
// sums agree with f on every fixed row.
void checkDontCares(fuzz::Input& in, int n, const Set& f, const std::string& context) {
  const unsigned rows = 1u << n;
  Set free;
  const int count = in.number(0, 64);
  for (int i = 0; i < count && !in.empty(); ++i) {
    const unsigned r = unsigned(in.number(0, 255) << 8 | in.number(0, 255)) % rows;
    if (!f[r]) free.set(r);
  }
  std::string ones, zeros, freeList;
  for (unsigned r = 0; r < rows; ++r)
    (f[r] ? ones : free[r] ? freeList : zeros) += termOfRow(r, n) + "+";
  const Cover sop = minimalCoverWithDontCares(ones, freeList, n, std::chrono::milliseconds(200));
  Set value;
  if (sop.sum == "1") value.set();
  for (const std::string& t : splitTerms(sop.sum == "0" || sop.sum == "1" ? "" : sop.sum)) {
    Cube c;
    RONRI_FUZZ_CHECK(parseCube(t, n, c), context + " don't-care term " + t);
    value |= pointsOf(c, n);
  }
  for (unsigned r = 0; r < rows; ++r)
    RONRI_FUZZ_CHECK(free[r] || value[r] == f[r], context + " don't-care sum " + sop.sum);
  // The product of sums: each sum is false exactly where its negated term is true.
  const Cover pos = minimalProductOfSums(zeros, freeList, n, std::chrono::milliseconds(200));
  Set productValue;
  if (pos.sum != "0") productValue.set();
  if (pos.sum != "0" && pos.sum != "1") {
    size_t start = 0;
    while (start <= pos.sum.size()) {
      size_t end = pos.sum.find('*', start);
      if (end == std::string::npos) end = pos.sum.size();
      std::string term;
      for (char c : pos.sum.substr(start, end - start))
        if (c != '(' && c != ')' && c != '+') term += char(c >= 'n' ? c - 13 : c + 13);
      Cube c;
      RONRI_FUZZ_CHECK(parseCube(term, n, c), context + " sum " + pos.sum);
      productValue &= ~pointsOf(c, n);
      start = end + 1;
    }
  }
  for (unsigned r = 0; r < rows; ++r)
    RONRI_FUZZ_CHECK(free[r] || productValue[r] == f[r], context + " product " + pos.sum);
}

void checkClean(fuzz::Input& in, int n, const std::string& context) {
  const unsigned rows = 1u << n;
  std::vector<std::string> barabara;
  Set f;
  const int count = in.number(0, 64);
  for (int i = 0; i < count && !in.empty(); ++i) {
    const unsigned r = unsigned(in.number(0, 255) << 8 | in.number(0, 255)) % rows;
    barabara.push_back(termOfRow(r, n));
    f.set(r);
  }
  std::string simple;
  for (unsigned r = 0; r < rows; ++r)
    if (f[r]) simple += termOfRow(r, n) + "+";

  const std::string primes = simplicity(barabara);
  if (f.none()) {
    RONRI_FUZZ_CHECK(primes == "0", context);
  } else if (f.count() == rows) {
    RONRI_FUZZ_CHECK(primes == "1", context);
  } else {
    // Every listed term is a prime implicant, listed once, and they cover f.
    Set covered;
    std::vector<std::string> terms = splitTerms(primes);
    std::vector<Cube> cubes;
    for (const std::string& t : terms) {
      Cube c;
      RONRI_FUZZ_CHECK(parseCube(t, n, c), context + " term " + t);
      const Set pts = pointsOf(c, n);
      RONRI_FUZZ_CHECK((pts & ~f).none(), context + " not an implicant " + t);
      for (int k = 0; k < n; ++k) {
        if (!((c.care >> k) & 1u)) continue;
        const Cube wider{c.care & ~(1u << k), c.val & ~(1u << k)};
        RONRI_FUZZ_CHECK((pointsOf(wider, n) & ~f).any(), context + " not prime " + t);
      }
      for (const Cube& d : cubes)
        RONRI_FUZZ_CHECK(d.care != c.care || d.val != c.val, context + " twice " + t);
      cubes.push_back(c);
      covered |= pts;
    }
    RONRI_FUZZ_CHECK(covered == f, context + " primes do not cover");
    // Small functions: no prime implicant is missing.
    if (n <= 6) {
      size_t expected = 0;
      for (unsigned care = 0; care < rows; ++care)
        for (unsigned val = care;; val = (val - 1) & care) {
          const Cube c{care, val};
          const Set pts = pointsOf(c, n);
          bool prime = (pts & ~f).none();
          for (int k = 0; prime && k < n; ++k)
            if ((care >> k) & 1u)
              prime = (pointsOf({care & ~(1u << k), val & ~(1u << k)}, n) & ~f).any();
          expected += prime;
          if (val == 0) break;
        }
      RONRI_FUZZ_CHECK(expected == cubes.size(), context + " primes missing");
    }
  }

  checkDontCares(in, n, f, context);
  const Cover cover = minimalCover(primes, simple, n, std::chrono::milliseconds(200));
  if (f.none()) {
    RONRI_FUZZ_CHECK(cover.sum == "0", context);
    return;
  }
  if (f.count() == rows) {
    RONRI_FUZZ_CHECK(cover.sum == "1", context);
    return;
  }
  RONRI_FUZZ_CHECK(cover.status != CoverStatus::NoCover, context + " no cover");
  const std::vector<std::string> all = splitTerms(primes);
  std::vector<Set> chosen;
  Set covered;
  for (const std::string& t : splitTerms(cover.sum)) {
    RONRI_FUZZ_CHECK(std::find(all.begin(), all.end(), t) != all.end(), context + " foreign " + t);
    Cube c;
    parseCube(t, n, c);
    chosen.push_back(pointsOf(c, n));
    covered |= chosen.back();
  }
  RONRI_FUZZ_CHECK(covered == f, context + " cover differs from the function");
  for (size_t i = 0; i < chosen.size(); ++i) {
    Set others;
    for (size_t j = 0; j < chosen.size(); ++j)
      if (j != i) others |= chosen[j];
    RONRI_FUZZ_CHECK(others != f, context + " redundant term");
  }
  // Few primes: the fewest terms by trying every subset.
  if (cover.status == CoverStatus::Proven && all.size() <= 14) {
    std::vector<Set> pts;
    for (const std::string& t : all) {
      Cube c;
      parseCube(t, n, c);
      pts.push_back(pointsOf(c, n));
    }
    size_t best = all.size();
    for (unsigned mask = 1; mask < (1u << all.size()); ++mask) {
      const size_t size = size_t(__builtin_popcount(mask));
      if (size >= best) continue;
      Set u;
      for (size_t i = 0; i < all.size(); ++i)
        if ((mask >> i) & 1u) u |= pts[i];
      if (u == f) best = size;
    }
    RONRI_FUZZ_CHECK(chosen.size() == best, context + " cover not the smallest");
  }
}

// An implicant list typed by hand: any text.
void checkEdited(fuzz::Input& in, int n, const std::string& context) {
  const unsigned rows = 1u << n;
  std::string simple;
  std::vector<std::string> minterms;
  const int count = in.number(0, 32);
  for (int i = 0; i < count && !in.empty(); ++i) {
    const unsigned r = unsigned(in.number(0, 255) << 8 | in.number(0, 255)) % rows;
    minterms.push_back(termOfRow(r, n));
    simple += minterms.back() + "+";
  }
  const std::string sc1 = in.text(200);
  const Cover cover = minimalCover(sc1, simple, n, std::chrono::milliseconds(100));
  if (sc1 == "1" || sc1 == "0") return;
  const std::vector<std::string> terms = splitTerms(sc1);
  bool coverable = !terms.empty() && !minterms.empty();
  for (const std::string& m : minterms) {
    bool any = false;
    for (const std::string& t : terms) any = any || coversText(t, m);
    coverable = coverable && any;
  }
  RONRI_FUZZ_CHECK((cover.status != CoverStatus::NoCover) == coverable, context);
  if (!coverable) {
    RONRI_FUZZ_CHECK(cover.sum.empty(), context);
    return;
  }
  const std::vector<std::string> chosen = splitTerms(cover.sum);
  for (const std::string& t : chosen)
    RONRI_FUZZ_CHECK(std::find(terms.begin(), terms.end(), t) != terms.end(), context);
  for (const std::string& m : minterms) {
    bool any = false;
    for (const std::string& t : chosen) any = any || coversText(t, m);
    RONRI_FUZZ_CHECK(any, context + " uncovered " + m);
  }
}

// Anything at all: nothing may crash.
void checkJunk(fuzz::Input& in, int n) {
  std::vector<std::string> barabara;
  for (int i = 0; i < 48 && !in.empty(); ++i) barabara.push_back(in.text(12));
  const std::string primes = simplicity(barabara);
  const std::string simple = in.rest(300);
  const Cover cover = minimalCover(primes, simple, n, std::chrono::milliseconds(100));
  (void)useSC3(simple, primes, n);
  (void)minimalCoverWithDontCares(simple, primes, n, std::chrono::milliseconds(100));
  (void)minimalProductOfSums(primes, simple, n, std::chrono::milliseconds(100));
  (void)layout(cover.sum);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int mode = in.number(0, 2);
  const int n = in.number(1, 10);
  const std::string context(reinterpret_cast<const char*>(data), size);
  if (mode == 0) checkClean(in, n, context);
  if (mode == 1) checkEdited(in, n, context);
  if (mode == 2) checkJunk(in, n);
  return 0;
}
