// Reverse Polish conversion and the row-by-row evaluation of its text.
#include "core/expression/rpn.h"

#include "core/expression/expression.h"

namespace ronri {

namespace {

// Binding level: a smaller number binds tighter.
int level(char op) {
  switch (op) {
    case '~':
      return 1;
    case '$':
    case '|':
    case '%':
      return 2;
    case '*':
      return 3;
    case '@':
      return 4;
    case '+':
      return 5;
    default:
      return 99;
  }
}

char pairResult(char op, char x, char y) {
  const bool a = x == '1', b = y == '1';
  bool r = false;
  switch (op) {
    case '*':
      r = a && b;
      break;
    case '+':
      r = a || b;
      break;
    case '$':
      r = !(a && b);
      break;
    case '|':
      r = !(a || b);
      break;
    case '@':
      r = a != b;
      break;
    case '%':
      r = a == b;
      break;
  }
  return r ? '1' : '0';
}

}  // namespace

std::string ReversePolishNotation(std::string_view q) {
  std::string out, stack;
  out.reserve(q.size());
  for (unsigned char ch : q) {
    if (ch >= 97 && ch <= 122) {
      out += char(ch);
    } else if (ch == '(' || ch == '~') {
      stack += char(ch);
    } else if (ch == ')') {
      while (!stack.empty()) {
        const char top = stack.back();
        stack.pop_back();
        if (top == '(') break;
        out += top;
      }
    } else if (isBinaryOperator(char(ch))) {
      while (!stack.empty() && stack.back() != '(' && level(stack.back()) <= level(char(ch))) {
        out += stack.back();
        stack.pop_back();
      }
      stack += char(ch);
    }
  }
  while (!stack.empty()) {
    out += stack.back();
    stack.pop_back();
  }
  return out;
}

std::string AtoA(std::string_view rpn, std::string_view line, int n) {
  std::string out(rpn);
  if (n > kMaxVariables) n = kMaxVariables;
  for (int k = 0; k < n && k < int(line.size()); ++k) {
    const char bit = line[k];
    const char flip = bit == '0' ? '1' : '0';
    for (char& c : out) {
      if (c == plainLetter(k))
        c = bit;
      else if (c == negatedLetter(k))
        c = flip;
    }
  }
  return out;
}

std::string change(std::string_view rpnAndAA) {
  std::string stack;
  for (char ch : rpnAndAA) {
    if (ch == '0' || ch == '1') {
      stack += ch;
    } else if (ch == '~') {
      if (stack.empty()) return {};
      stack.back() = stack.back() == '0' ? '1' : '0';
    } else if (isBinaryOperator(ch)) {
      if (stack.size() < 2) return {};
      const char y = stack.back();
      stack.pop_back();
      const char x = stack.back();
      stack.back() = pairResult(ch, x, y);
    }
  }
  return stack;
}

}  // namespace ronri
