#pragma once
// Reverse Polish conversion and the text-level evaluation of one row.
#include <string>
#include <string_view>

namespace ronri {

// Folded infix text to reverse Polish text.
std::string ReversePolishNotation(std::string_view q);
// Substitutes the row bits `line` for the first n variables and their negated
// letters; other letters stay.
std::string AtoA(std::string_view rpn, std::string_view line, int n);
// Evaluates a digit text with a stack; "0" or "1" for well-formed input.
// Malformed input never fails: the result is then whatever is left on the
// stack, or "" when an operator finds too few digits.
std::string change(std::string_view rpnAndAA);

// The value of a change() result: '0', '1', or '?' when it is not one digit.
inline char valueOf(std::string_view changed) {
  return changed.size() == 1 && (changed[0] == '0' || changed[0] == '1') ? changed[0] : '?';
}

}  // namespace ronri
