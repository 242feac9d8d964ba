// Truth-table and map input: row labels, the map's cell order and the expression handed on.
#include "core/table/table_input.h"

#include "core/cover/cover_dontcare.h"
#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

std::string mintermText(int m, int n) {
  std::string out;
  const Term row = Term::ofRow(m, n);
  for (int k = 0; k < n; ++k) {
    if (k > 0) out += '*';
    if (!(row.bits & variableBit(k, n))) out += '~';
    out += plainLetter(k);
  }
  out += '+';
  return out;
}

std::string makeExpression(const std::vector<bool>& values, int n) {
  std::string out;
  for (size_t m = 0; m < values.size(); ++m)
    if (values[m]) out += mintermText(static_cast<int>(m), n);
  if (!out.empty()) out.pop_back();
  return out;
}

std::string makeSimplifiedExpression(const std::string& values, int n) {
  std::string ones, free;
  for (size_t m = 0; m < values.size(); ++m) {
    if (values[m] != '1' && values[m] != 'X') continue;
    std::string& list = values[m] == '1' ? ones : free;
    list += Term::ofRow(static_cast<int>(m), n).text(n) + '+';
  }
  // Fewest terms, then fewest letters, whether or not a row is X.
  const std::string sum = smallestSumOfProducts(ones, free, n).sum;
  if (sum == "0" || sum.empty()) return "a*~a";
  if (sum == "1") return "a+~a";
  const std::string shown = wordchange(layout(sum));
  if (sum.size() == 1) return shown + "*" + shown;
  return shown;
}

std::string rowLabels(int variables) {
  if (variables <= 1) return "0" + std::string(23, ' ') + "1";
  std::string out;
  for (int r = 0; r < (1 << variables); ++r) {
    if (r > 0) out += "\r\n";
    const std::string bits = Term::ofRow(r, variables).pattern(variables);
    for (size_t k = 0; k < bits.size(); ++k) {
      if (k > 0) out += "    ";
      out += bits[k];
    }
  }
  return out;
}

MapShape mapShape(int n) {
  switch (n) {
    case 3:
      return {2, 1};
    case 4:
      return {2, 2};
    default:
      return {3, 2};
  }
}

int grayCode(int i) {
  return i ^ (i >> 1);
}

std::string codeText(int value, int bits) {
  std::string out;
  for (int k = bits - 1; k >= 0; --k) out += char('0' + ((value >> k) & 1));
  return out;
}

int mapCell(int n, int column, int row) {
  MapShape s = mapShape(n);
  return (grayCode(column) << s.rowVariables) + grayCode(row);
}

}  // namespace ronri
