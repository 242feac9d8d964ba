#pragma once
// Entering a function by its truth table or its Karnaugh map: the row labels,
// the map's cell order, and the canonical sum of products handed to the
// entry field.
#include <string>
#include <vector>

namespace ronri {

// The minterm of row m of n variables followed by "+": a letter for a 1
// digit, "~" and the letter for a 0 digit, joined by "*" ("a*~b*c+").
std::string mintermText(int m, int n);

// The canonical sum of products of the rows whose value is true, in row
// order; "" when there is none. values.size() is 2^n.
std::string makeExpression(const std::vector<bool>& values, int n);

// The smallest sum of products of a table whose rows are '0', '1' or 'X'
// (don't care, used as 0 or 1 as it helps), in display form ("~a*c+b*~c").
// The entry field's check wants an operator, so a lone letter x comes as
// "x*x", the constant 0 as "a*~a" and the constant 1 as "a+~a".
// values.size() is 2^n.
std::string makeSimplifiedExpression(const std::string& values, int n);

// The row labels of the truth-table input for 1..5 variables: one line per
// row with the row's digits four blanks apart, lines joined by CR LF. One
// variable is the single line "0", 23 blanks, "1": the label box is narrow
// enough that the "1" wraps onto the second row.
std::string rowLabels(int variables);

// The Karnaugh-map input for 3..5 variables: the higher variables choose the
// column, the lower ones the row, both in reflected Gray-code order.
struct MapShape {
  int columnVariables = 0;
  int rowVariables = 0;
  int columns() const { return 1 << columnVariables; }
  int rows() const { return 1 << rowVariables; }
};
MapShape mapShape(int n);
// The i-th value of the reflected Gray code (0, 1, 3, 2, 6, 7, 5, 4, ...).
int grayCode(int i);
// The code as `bits` digits ("011").
std::string codeText(int value, int bits);
// The minterm of the cell in screen column i and screen row j.
int mapCell(int n, int column, int row);

}  // namespace ronri
