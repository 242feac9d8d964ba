#include "core/table/entry_compare.h"

#include <algorithm>
#include <vector>

#include "core/table/function.h"

namespace ronri {

std::optional<StoredEntry> parseEntry(std::string_view entry) {
  if (entry.size() < 2) return std::nullopt;
  const char digit = entry.back();
  if (digit < '0' || digit > '9') return std::nullopt;
  return StoredEntry{std::string(entry.substr(0, entry.size() - 2)), digit - '0' + 1};
}

namespace {

bool isDigit(char v) {
  return v == '0' || v == '1';
}

}  // namespace

bool sameFunction(std::string_view first, std::string_view second) {
  const std::optional<Function> a = readEntry(first).function;
  const std::optional<Function> b = readEntry(second).function;
  if (!a || !b) return false;
  // The entry with more variables sets the table both are evaluated over.
  const int n = std::max(a->variables, b->variables);
  const std::vector<char> values[2] = {rowValues(*a, n), rowValues(*b, n)};
  // A '?' in either table (a text that does not evaluate) makes them differ.
  for (size_t r = 0; r < values[0].size(); ++r) {
    const char u = values[0][r], v = values[1][r];
    if (u == '?' || v == '?' || (isDigit(u) && isDigit(v) && u != v)) return false;
  }
  return values[0].size() == values[1].size();
}

std::optional<DifferingRows> differingRows(std::string_view first, std::string_view second,
                                           size_t limit) {
  const std::optional<Function> entries[2] = {readEntry(first).function,
                                              readEntry(second).function};
  if (!entries[0] || !entries[1]) return std::nullopt;
  DifferingRows out;
  out.variables = std::max(entries[0]->variables, entries[1]->variables);
  std::vector<char> values[2];
  for (int k = 0; k < 2; ++k) {
    values[k] = rowValues(*entries[k], out.variables);
    for (char v : values[k])
      if (v == '?') return std::nullopt;
  }
  if (values[0].size() != values[1].size()) return std::nullopt;
  for (size_t r = 0; r < values[0].size(); ++r) {
    if (values[0][r] == 'X' || values[1][r] == 'X') {
      ++out.dontCares;
      continue;
    }
    if (values[0][r] == values[1][r]) continue;
    ++out.total;
    if (out.rows.size() < limit)
      out.rows.push_back({static_cast<int>(r), values[0][r], values[1][r]});
  }
  return out;
}

}  // namespace ronri
