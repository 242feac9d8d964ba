#pragma once
// Random Boolean functions and their term lists, built without the program's
// own code so the map and the outlines can be checked against them.
#include <random>
#include <string>
#include <vector>

namespace ronri::kmap::sample {

// Values of rows 0 .. 2^n - 1, the first variable most significant.
using Function = std::vector<bool>;

inline Function randomFunction(int n, std::mt19937& rng, double density = 0.5) {
  std::bernoulli_distribution one(density);
  Function f(std::size_t(1) << n);
  for (std::size_t r = 0; r < f.size(); ++r) f[r] = one(rng);
  return f;
}

// Value of variable v (0 = a) in row r of n variables.
inline int bitOf(int row, int v, int n) {
  return (row >> (n - 1 - v)) & 1;
}

inline std::string termOf(int row, int n) {
  std::string t;
  for (int v = 0; v < n; ++v) t += char((bitOf(row, v, n) ? 'a' : 'n') + v);
  return t;
}

// The term list of the rows whose value is `value`.
inline std::string termList(const Function& f, int n, bool value) {
  std::string s;
  for (int r = 0; r < int(f.size()); ++r)
    if (f[std::size_t(r)] == value) s += termOf(r, n) + "+";
  return s;
}

// Reflected Gray codes by mirroring: {0,1} -> {00,01,11,10} -> ...
inline std::vector<std::string> grayCodes(int bits) {
  std::vector<std::string> codes{""};
  for (int b = 0; b < bits; ++b) {
    std::vector<std::string> next;
    for (const auto& c : codes) next.push_back("0" + c);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it) next.push_back("1" + *it);
    codes = next;
  }
  return codes;
}

}  // namespace ronri::kmap::sample
