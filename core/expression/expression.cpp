// Folding negations into letters, the input check and the letters shown again.
#include "core/expression/expression.h"

namespace ronri {

std::string InsideExp(std::string_view siki) {
  // ~~ pairs cancel, taken left to right.
  std::string once;
  once.reserve(siki.size());
  for (size_t i = 0; i < siki.size();) {
    if (siki[i] == '~' && i + 1 < siki.size() && siki[i + 1] == '~') {
      i += 2;
    } else {
      once += siki[i];
      ++i;
    }
  }
  // ~a -> n ... ~j -> w. After step one no ~~ is left, so one left-to-right
  // scan gives the same text as the ten substring replacements.
  std::string out;
  out.reserve(once.size());
  for (size_t i = 0; i < once.size(); ++i) {
    if (once[i] == '~' && i + 1 < once.size() && isVariable(once[i + 1])) {
      out += negatedLetter(variableOf(once[i + 1]));
      ++i;
    } else {
      out += once[i];
    }
  }
  return out;
}

std::string checkExp(std::string_view folded) {
  // The design counts in 16-bit counters; texts here are far shorter than
  // that, and plain ints cannot wrap for any text the program handles.
  long letters = 0, open = 0, close = 0, operators = 0;
  for (unsigned char c : folded) {
    if (c >= 97 && c <= 122)
      ++letters;
    else if (c == '(')
      ++open;
    else if (c == ')')
      ++close;
    else if (c != '~')
      ++operators;
  }
  if (folded.empty()) return "何か入力してください";
  if (operators == 0 || letters > operators + 1)
    return "変数が多いんとちがいます？演算子が少なすぎますって";
  if (letters < operators + 1) return "変数が少ないんとちがいます？演算子が多すぎますって";
  if (open > close) return "（　が多い気がしますよ";
  if (open < close) return "）　が多い気がしますよ";
  return " ";
}

std::string wordchange(std::string_view y) {
  std::string out;
  out.reserve(y.size() * 2);
  for (char c : y) {
    if (isNegatedLetter(c)) {
      out += '~';
      out += plainLetter(variableOf(c));
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace ronri
