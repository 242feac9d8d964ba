// Prime implicants and the smallest cover on term lists of every kind: clean
// minterm lists (with repeats), hand-edited implicant lists that need not
// cover anything, and junk. Sizes stay small so each input runs fast.
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "core/cover/cover_dontcare.h"
#include "core/cover/product_of_sums.h"
#include "core/cover/simplify.h"
#include "core/table/term.h"
#include "fuzz/fuzz_input.h"
#include "support/cover_check.h"

using namespace ronri;

namespace {

using Set = test::Table;

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
    const auto c = test::parseTerm(t, n);
    RONRI_FUZZ_CHECK(c.has_value(), context + " don't-care term " + t);
    value |= test::pointsOf(*c, n);
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
      const auto c = test::parseTerm(term, n);
      RONRI_FUZZ_CHECK(c.has_value(), context + " sum " + pos.sum);
      productValue &= ~test::pointsOf(*c, n);
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
  const std::string simple = test::termListOf(f, n);

  // Every prime implicant, each once, and nothing else.
  const std::string primes = simplicity(barabara);
  const std::string wrongPrimes = test::primeListProblem(f, n, primes);
  RONRI_FUZZ_CHECK(wrongPrimes.empty(), context + " " + wrongPrimes);

  checkDontCares(in, n, f, context);
  const Cover cover = minimalCover(primes, simple, n, std::chrono::milliseconds(200));
  const bool constant = f.none() || f.count() == rows;
  RONRI_FUZZ_CHECK(constant || cover.status != CoverStatus::NoCover, context + " no cover");
  // Few primes: a proven cover has the fewest terms.
  const std::vector<test::Cube> all = test::primeImplicants(f, n);
  const bool small = !constant && cover.status == CoverStatus::Proven && all.size() <= 14;
  const std::string wrongCover = test::coverProblem(
      f, n, cover.sum,
      {.offered = primes, .fewest = small ? test::minimumCoverSize(f, all, n) : -1});
  RONRI_FUZZ_CHECK(wrongCover.empty(), context + " cover " + cover.sum + ": " + wrongCover);
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
