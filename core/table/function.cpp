// Functions with don't-care rows: their entry texts, their row values and their primes.
#include "core/table/function.h"

#include <algorithm>
#include <cctype>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace ronri {

namespace {

// Where " D d(" starts (the blank before the count digit), or npos.
size_t dontCareStart(std::string_view text) {
  for (size_t p = 0; p + 5 <= text.size(); ++p) {
    if (text[p] == ' ' && std::isdigit(static_cast<unsigned char>(text[p + 1])) &&
        text.substr(p + 2, 3) == " d(")
      return p;
  }
  return std::string_view::npos;
}

// The old form: the expression, a blank and the count digit.
std::optional<Function> plainEntry(std::string_view entry) {
  if (entry.size() < 2) return std::nullopt;
  const char digit = entry.back();
  if (digit < '0' || digit > '9') return std::nullopt;
  return Function{std::string(entry.substr(0, entry.size() - 2)), digit - '0' + 1, {}};
}

// Reads "0,2,5)" as far as it goes; false when anything was dropped.
bool readRows(std::string_view list, int n, std::vector<int>& rows) {
  const size_t close = list.find(')');
  bool clean = close != std::string_view::npos && close + 1 == list.size();
  if (close != std::string_view::npos) list = list.substr(0, close);
  const long long limit = 1LL << n;
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  size_t pos = 0;
  while (pos <= list.size()) {
    size_t comma = list.find(',', pos);
    if (comma == std::string_view::npos) comma = list.size();
    std::string_view item = list.substr(pos, comma - pos);
    while (!item.empty() && blank(item.front())) item.remove_prefix(1);
    while (!item.empty() && blank(item.back())) item.remove_suffix(1);
    long long v = 0;
    bool number = !item.empty() && item.size() <= 6;
    for (char c : item) {
      if (!std::isdigit(static_cast<unsigned char>(c))) number = false;
      if (number) v = v * 10 + (c - '0');
    }
    if (number && v < limit) {
      rows.push_back(static_cast<int>(v));
    } else if (!(item.empty() && list.find_first_not_of(" \t") == std::string_view::npos)) {
      clean = false;  // "d()" alone is no damage: it is just no row
    }
    pos = comma + 1;
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return clean;
}

}  // namespace

std::string dontCareText(const std::vector<int>& rows) {
  if (rows.empty()) return "";
  std::string out = "d(";
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i) out += ',';
    out += std::to_string(rows[i]);
  }
  return out + ")";
}

std::string entryText(const Function& f) {
  std::string out = f.expression + ' ' + std::to_string(f.variables - 1);
  if (!f.dontCares.empty()) out += ' ' + dontCareText(f.dontCares);
  return out;
}

bool hasDontCarePart(std::string_view text) {
  return dontCareStart(text) != std::string_view::npos;
}

std::vector<char> rowValues(const Function& f, int n) {
  const int own = std::clamp(f.variables, 1, 10);
  n = std::clamp(std::max(n, own), 1, 10);
  std::vector<char> values = evaluateRows(ReversePolishNotation(InsideExp(f.expression)), n);
  if (f.dontCares.empty()) return values;
  const int shift = n - own;
  for (size_t r = 0; r < values.size(); ++r)
    if (std::binary_search(f.dontCares.begin(), f.dontCares.end(), static_cast<int>(r >> shift)))
      values[r] = 'X';
  return values;
}

ReadEntry readEntry(std::string_view text) {
  ReadEntry out;
  const size_t start = dontCareStart(text);
  if (start == std::string_view::npos) {
    out.function = plainEntry(text);
    return out;
  }
  Function f{std::string(text.substr(0, start)), text[start + 1] - '0' + 1, {}};
  std::vector<int> rows;
  out.damaged = !readRows(text.substr(start + 5), f.variables, rows);
  if (!rows.empty()) {
    // A 1-row of the expression cannot be free as well: the expression wins.
    const std::vector<char> values = rowValues(f);
    for (int r : rows) {
      if (values[static_cast<size_t>(r)] == '1')
        out.damaged = true;
      else
        f.dontCares.push_back(r);
    }
  }
  out.function = std::move(f);
  return out;
}

std::string withoutRows(std::string_view terms, const std::vector<int>& rows, int n) {
  if (rows.empty()) return std::string(terms);
  std::string out;
  const size_t stride = static_cast<size_t>(n) + 1;
  for (size_t pos = 0; pos < terms.size(); pos += stride) {
    const std::string_view term = terms.substr(pos, stride);
    const auto r = readRow(term.substr(0, static_cast<size_t>(n)), n);
    if (r && std::binary_search(rows.begin(), rows.end(), *r)) continue;
    out += term;
  }
  return out;
}

}  // namespace ronri
