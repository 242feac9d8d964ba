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

TypedText filterTyped(std::string_view utf8, int variables) {
  TypedText out;
  out.text.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size(); ++i) {
    const char c = utf8[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (typable(c, variables)) {
      out.text += c;
      continue;
    }
    out.refused = std::string(utf8.substr(i, sequenceLength(static_cast<unsigned char>(c))));
    return out;
  }
  return out;
}

}  // namespace ronri
