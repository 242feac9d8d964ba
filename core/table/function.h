#pragma once
// A function as the windows and the files pass it on: an expression over n
// variables, whose 1-rows are the function's, and optionally the rows where
// the value does not matter ("X", don't care). A don't-care row is never a
// 1-row; every other row is 0.
//
// A stored entry is "EXPR D" (D = variables - 1) and, with don't-care rows,
// " d(" + the rows ascending, comma separated + ")": "~a*b*c+a*b*c 2 d(0,5)".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table/term.h"

namespace ronri {

struct Function {
  std::string expression;      // as built ("~a*b")
  int variables = 0;           // 1..10
  std::vector<int> dontCares;  // ascending, distinct, each below 2^variables
};

// The entry text of a function.
std::string entryText(const Function& f);

// "d(0,2,5)", or "" when there are no rows.
std::string dontCareText(const std::vector<int>& rows);

// An entry read back. `function` is empty when the text is not of the stored
// form ("EXPR D" with an optional "d(" part after a blank). A "d(" part is read
// as far as it makes sense: numbers that are not rows of the function (not a
// number, beyond 2^n - 1, or a 1-row of the expression) are dropped, and so
// is everything after a part that cannot be read; `damaged` tells that
// something was dropped. Order and repeats are put right silently.
struct ReadEntry {
  std::optional<Function> function;
  bool damaged = false;
};
ReadEntry readEntry(std::string_view text);

// Whether the text carries a "d(" part (it may be damaged).
bool hasDontCarePart(std::string_view text);

// The value of every row of n variables (at least f.variables; 0: f.variables):
// '1', 'X', '0', or '?' where the expression does not evaluate to a digit. Over
// more variables than its own, the function ignores the last ones.
std::vector<char> rowValues(const Function& f, int n = 0);

// The term list without the terms of the given rows.
std::string withoutRows(std::string_view terms, const std::vector<int>& rows, int n);

}  // namespace ronri
