#pragma once
// The expression language: one character per token. Variables a..j, negated
// letters n..w (standing for ~a..~j once folded), operators * + ~ $ | @ %, and
// parentheses.
#include <string>
#include <string_view>

namespace ronri {

constexpr int kMaxVariables = 10;

inline bool isVariable(char c) {
  return c >= 'a' && c <= 'j';
}
inline bool isNegatedLetter(char c) {
  return c >= 'n' && c <= 'w';
}
inline bool isOperand(char c) {
  return isVariable(c) || isNegatedLetter(c);
}
inline bool isBinaryOperator(char c) {
  return c == '*' || c == '+' || c == '$' || c == '|' || c == '@' || c == '%';
}

// Folds ~x into the negated letter of x and cancels ~~ pairs (left to right).
std::string InsideExp(std::string_view siki);
// The input check on a folded text: one of the five messages (UTF-8), or " "
// when the expression is accepted.
std::string checkExp(std::string_view folded);
// Negated letters back to ~x for display.
std::string wordchange(std::string_view y);

}  // namespace ronri
