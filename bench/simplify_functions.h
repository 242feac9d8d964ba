#pragma once
// Seeded random functions shared by the simplification benchmarks, the
// statistics program and the side-by-side comparison (which regenerates the
// same functions in Python with the same generator).
#include <cstdint>
#include <string>
#include <vector>

namespace ronri::bench {

// splitmix64: tiny, and easy to write again in another language.
inline uint64_t splitmix(uint64_t& state) {
  uint64_t z = (state += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// The 1-rows of function number `index` of the series (n, percent ones): each
// row is 1 with the given probability.
inline std::vector<int> randomMinterms(int n, int percentOnes, int index) {
  uint64_t state = (static_cast<uint64_t>(n) << 40) ^ (static_cast<uint64_t>(percentOnes) << 20) ^
                   static_cast<uint64_t>(index);
  std::vector<int> rows;
  for (int r = 0; r < (1 << n); ++r)
    if (splitmix(state) % 100 < static_cast<uint64_t>(percentOnes)) rows.push_back(r);
  return rows;
}

inline std::string rowPattern(int n, int r) {
  std::string t;
  for (int k = 0; k < n; ++k) t += static_cast<char>(((r >> (n - 1 - k)) & 1) ? 'a' + k : 'n' + k);
  return t;
}

inline std::vector<std::string> patterns(int n, const std::vector<int>& rows) {
  std::vector<std::string> out;
  out.reserve(rows.size());
  for (int r : rows) out.push_back(rowPattern(n, r));
  return out;
}

inline std::string termList(const std::vector<std::string>& pats) {
  std::string s;
  for (const auto& p : pats) s += p + "+";
  return s;
}

// 1 when the number of ones of the row is in the set (a bit mask of counts).
inline std::vector<int> symmetricMinterms(int n, uint32_t onesCounts) {
  std::vector<int> rows;
  for (int r = 0; r < (1 << n); ++r)
    if ((onesCounts >> __builtin_popcount(static_cast<unsigned>(r))) & 1u) rows.push_back(r);
  return rows;
}

}  // namespace ronri::bench
