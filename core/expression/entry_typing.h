#pragma once
// What typing or pasting may put into an expression field: the letters of the
// chosen number of variables, the operators and the parentheses. Blanks are
// dropped; anything else refuses the whole edit.
#include <string>
#include <string_view>

namespace ronri {

struct TypedText {
  std::string text;     // the edit without its blanks
  std::string refused;  // the first character that may not be typed (UTF-8), or ""
};

// `utf8` is the field's text after the edit; `variables` is 1..10.
TypedText filterTyped(std::string_view utf8, int variables);

}  // namespace ronri
