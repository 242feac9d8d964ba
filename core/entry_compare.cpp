#include "core/entry_compare.h"

#include <algorithm>
#include <vector>

#include "core/expression.h"
#include "core/rpn.h"
#include "core/truthtable.h"

namespace ronri {

std::optional<StoredEntry> parseEntry(std::string_view entry) {
  if (entry.size() < 2) return std::nullopt;
  const char digit = entry.back();
  if (digit < '0' || digit > '9') return std::nullopt;
  return StoredEntry{std::string(entry.substr(0, entry.size() - 2)), digit - '0' + 1};
}

bool sameFunction(std::string_view first, std::string_view second) {
  std::optional<StoredEntry> a = parseEntry(first);
  std::optional<StoredEntry> b = parseEntry(second);
  if (!a || !b) return false;
  // The entry with more variables sets the table both are evaluated over.
  if (b->variables > a->variables) std::swap(a, b);
  const int n = a->variables;
  std::vector<char> values[2];
  const StoredEntry* operands[2] = {&*a, &*b};
  for (int k = 0; k < 2; ++k) {
    values[k] = evaluateRows(ReversePolishNotation(InsideExp(operands[k]->expression)), n);
  }
  // A '?' in either table (a text that does not evaluate) makes them differ.
  for (size_t r = 0; r < values[0].size(); ++r)
    if (values[0][r] == '?' || values[0][r] != values[1][r]) return false;
  return values[0].size() == values[1].size();
}

std::optional<DifferingRows> differingRows(std::string_view first, std::string_view second,
                                           size_t limit) {
  const std::optional<StoredEntry> entries[2] = {parseEntry(first), parseEntry(second)};
  if (!entries[0] || !entries[1]) return std::nullopt;
  DifferingRows out;
  out.variables = std::max(entries[0]->variables, entries[1]->variables);
  std::vector<char> values[2];
  for (int k = 0; k < 2; ++k) {
    values[k] =
        evaluateRows(ReversePolishNotation(InsideExp(entries[k]->expression)), out.variables);
    for (char v : values[k])
      if (v != '0' && v != '1') return std::nullopt;
  }
  if (values[0].size() != values[1].size()) return std::nullopt;
  for (size_t r = 0; r < values[0].size(); ++r) {
    if (values[0][r] == values[1][r]) continue;
    ++out.total;
    if (out.rows.size() < limit)
      out.rows.push_back({static_cast<int>(r), values[0][r], values[1][r]});
  }
  return out;
}

}  // namespace ronri
