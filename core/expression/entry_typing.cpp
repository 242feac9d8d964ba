// What may be typed into the entry field.
#include "core/expression/entry_typing.h"

#include "core/expression/expression.h"

namespace ronri {

namespace {

bool typable(char c, int variables) {
  if (isVariable(c)) return variableOf(c) < variables;
  return isBinaryOperator(c) || c == '~' || c == '(' || c == ')';
}

// The length of the UTF-8 sequence that starts with `lead`.
size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

// Textbook notation read as the program's own: capitals as letters, and a
// prime after a letter or a closed group as a "~" before it ("A'" is "~a",
// "(a+b)'" is "~(a+b)"). A prime with nothing to negate is left as it is.
std::string foldTextbook(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 4);
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    if (c != '\'' || out.empty()) {
      out += c;
      continue;
    }
    size_t start = out.size() - 1;
    if (out.back() == ')') {
      int depth = 0;
      for (size_t i = out.size(); i-- > 0;) {
        depth += out[i] == ')' ? 1 : out[i] == '(' ? -1 : 0;
        if (depth == 0) {
          start = i;
          break;
        }
      }
      if (depth != 0) {
        out += c;
        continue;
      }
    } else if (!isVariable(out.back())) {
      out += c;
      continue;
    }
    out.insert(start, 1, '~');
  }
  return out;
}

TypedText filterTyped(std::string_view utf8, int variables, bool constants) {
  TypedText out;
  const std::string folded = foldTextbook(utf8);
  out.text.reserve(folded.size());
  for (size_t i = 0; i < folded.size(); ++i) {
    const char c = folded[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (typable(c, variables) || (constants && (c == '0' || c == '1'))) {
      out.text += c;
      continue;
    }
    out.refused = folded.substr(i, sequenceLength(static_cast<unsigned char>(c)));
    return out;
  }
  return out;
}

}  // namespace ronri
