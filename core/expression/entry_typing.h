#pragma once
// What typing or pasting may put into an expression field: the letters of the
// chosen number of variables, the operators and the parentheses. Blanks are
// dropped, capitals read as letters and a textbook prime as a negation
// ("A'" is "~a"); anything else refuses the whole edit.
#include <string>
#include <string_view>

namespace ronri {

struct TypedText {
  std::string text;     // the edit without its blanks
  std::string refused;  // the first character that may not be typed (UTF-8), or ""
};

// `utf8` is the field's text after the edit; `variables` is 1..10;
// `constants` lets the digits 0 and 1 through (an answer may be a constant).
TypedText filterTyped(std::string_view utf8, int variables, bool constants = false);

// Capitals as letters, a prime after a letter or a closed group as a "~"
// before it; the rest as it is.
std::string foldTextbook(std::string_view text);

}  // namespace ronri
