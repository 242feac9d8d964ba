// Display formatting of term sums.
#include "core/cover/simplify.h"
#include "core/expression/expression.h"

namespace ronri {

std::string layout(std::string_view x) {
  std::string s;
  s.reserve(x.size() * 2);
  for (char c : x) {
    s += c;
    if (isOperand(c)) s += '*';
  }
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '*' && i + 1 < s.size() && s[i + 1] == '+') continue;  // "*+" -> "+"
    out += s[i];
  }
  if (!out.empty() && (out.front() == '*' || out.front() == '+')) out.erase(0, 1);
  if (!out.empty() && (out.back() == '*' || out.back() == '+')) out.pop_back();
  return out;
}

}  // namespace ronri
