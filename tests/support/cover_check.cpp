#include "support/cover_check.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace ronri::test {

namespace {

// The terms of a sum, split at every "+" (an empty term stays, and is wrong).
std::vector<std::string> termsOf(std::string_view sum) {
  std::vector<std::string> out(1);
  for (char c : sum) {
    if (c == '+')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

std::string textOf(Cube c, int n) {
  std::string t;
  for (int k = 0; k < n; ++k)
    if ((c.care >> k) & 1u) t += char(((c.val >> k) & 1u) ? 'a' + k : 'n' + k);
  return t.empty() ? "1" : t;
}

bool implies(Cube c, const Table& f, int n) {
  return (pointsOf(c, n) & ~f).none();
}

// An implicant that loses its implication with any letter left out.
bool isPrime(Cube c, const Table& f, int n) {
  if (!implies(c, f, n)) return false;
  for (int k = 0; k < n; ++k) {
    const uint16_t bit = uint16_t(1u << k);
    if ((c.care & bit) && implies({uint16_t(c.care & ~bit), uint16_t(c.val & ~bit)}, f, n))
      return false;
  }
  return true;
}

bool less(Cube x, Cube y) {
  return x.care != y.care ? x.care < y.care : x.val < y.val;
}

}  // namespace

std::string describeTable(const Table& f, int n) {
  std::string s = "n=" + std::to_string(n) + " ones:";
  for (int r = 0; r < (1 << n); ++r)
    if (f[size_t(r)]) s += " " + std::to_string(r);
  return s;
}

std::string primeListProblem(const Table& f, int n, std::string_view primes) {
  if (f.none() || f == allRows(n))
    return primes == (f.none() ? "0" : "1") ? "" : "primes " + std::string(primes);
  std::vector<Cube> listed;
  for (const std::string& t : termsOf(primes)) {
    const std::optional<Cube> c = parseTerm(t, n);
    if (!c) return "prime list holds " + t;
    listed.push_back(*c);
  }
  std::vector<Cube> want = primeImplicants(f, n);
  std::sort(listed.begin(), listed.end(), less);
  std::sort(want.begin(), want.end(), less);
  for (size_t i = 0; i < std::max(listed.size(), want.size()); ++i) {
    if (i < listed.size() && i < want.size() && listed[i] == want[i]) continue;
    const bool extra = i < listed.size() && (i >= want.size() || less(listed[i], want[i]));
    return "prime list " + std::string(primes) + (extra ? " holds " : " misses ") +
           textOf(extra ? listed[i] : want[i], n) +
           (extra && isPrime(listed[i], f, n) ? " twice" : "");
  }
  return "";
}

std::string coverProblem(const Table& f, int n, std::string_view cover, const CoverDemands& also) {
  const std::vector<std::string> terms = termsOf(cover);
  const bool constant = cover == "0" || cover == "1";
  std::vector<Table> points;
  Table covered = cover == "1" ? allRows(n) : Table();
  const std::vector<std::string> offered = termsOf(also.offered);
  for (size_t i = 0; i < terms.size() && !constant; ++i) {
    const std::optional<Cube> c = parseTerm(terms[i], n);
    if (!c || terms[i].empty()) return "term " + terms[i] + " is unreadable";
    if (!also.offered.empty() &&
        std::find(offered.begin(), offered.end(), terms[i]) == offered.end())
      return "term " + terms[i] + " was not offered";
    if (!isPrime(*c, f, n)) return "term " + terms[i] + " is not a prime implicant";
    points.push_back(pointsOf(*c, n));
    covered |= points.back();
  }
  for (int r = 0; r < (1 << n); ++r)
    if (covered[size_t(r)] != f[size_t(r)])
      return "row " + std::to_string(r) + " is " + (f[size_t(r)] ? "1" : "0") + ", the cover " +
             (covered[size_t(r)] ? "1" : "0");
  for (size_t i = 0; i < points.size(); ++i) {
    Table others;
    for (size_t j = 0; j < points.size(); ++j)
      if (j != i) others |= points[j];
    if ((points[i] & ~others).none()) return "term " + terms[i] + " can be left out";
  }
  const int size = cover == "0" ? 0 : int(terms.size());
  if (also.fewest >= 0 && size != also.fewest)
    return std::to_string(size) + " terms, the fewest are " + std::to_string(also.fewest);
  return "";
}

}  // namespace ronri::test
