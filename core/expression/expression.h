#pragma once
// The expression language: one character per token. Variables a..j, negated
// letters n..w (standing for ~a..~j once folded), operators * + ~ $ | @ %, and
// parentheses.
#include <string>
#include <string_view>

namespace ronri {

constexpr int kMaxVariables = 10;

constexpr bool isVariable(char c) {
  return c >= 'a' && c <= 'j';
}
constexpr bool isNegatedLetter(char c) {
  return c >= 'n' && c <= 'w';
}
constexpr bool isOperand(char c) {
  return isVariable(c) || isNegatedLetter(c);
}
// The letters of variable k (0 for a): plain 'a'..'j', negated 'n'..'w'.
// Every letter of the program is made and read through these three.
constexpr char plainLetter(int k) {
  return static_cast<char>('a' + k);
}
constexpr char negatedLetter(int k) {
  return static_cast<char>('n' + k);
}
// The variable of a plain or negated letter among the first `variables`;
// -1 for any other character.
constexpr int variableOf(char c, int variables = kMaxVariables) {
  const int k = isVariable(c) ? c - 'a' : isNegatedLetter(c) ? c - 'n' : -1;
  return k < variables ? k : -1;
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
