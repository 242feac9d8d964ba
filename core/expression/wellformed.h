#pragma once
// Whether an expression, as the user built it, is well formed: every binary
// operator between two operands, "~" before one, parentheses paired and not
// empty. The counting check lets "ab+" and ")a+b(" through; this finds where
// such a text goes wrong.
#include <optional>
#include <string>
#include <string_view>

namespace ronri {

struct Malformation {
  enum Kind {
    MissingLeftOperand,   // a binary operator at the start, after "(" or after another operator
    MissingRightOperand,  // a binary operator or "~" at the end or before ")"
    OperatorNeeded,       // an operand, "~" or "(" right after an operand
    UnmatchedClose,       // ")" with no "(" before it
    UnclosedOpen,         // "(" never closed
    EmptyPair,            // "()"
    BadCharacter,         // not a letter a..j, operator or parenthesis
    BeyondCount,          // a letter past the chosen number of variables
  };
  Kind kind = BadCharacter;
  int position = 0;  // 1-based character of the text
  char token = 0;    // the character there
};

// The first malformation, scanning left to right; nothing when the text is
// well formed or empty. `variables` (1..10) limits the letters; 0 allows a..j.
// The text is the one as built (~ not folded), so positions are the user's.
std::optional<Malformation> findMalformation(std::string_view built, int variables = 0);

// What "入力" decides: the counting check's message on the folded text (" "
// when it passes), which keeps the word when it refuses, and where the text
// goes wrong, if anywhere. Accepted only when both are clean.
struct EntryCheck {
  std::string message;
  std::optional<Malformation> malformation;
  bool accepted() const { return message == " " && !malformation; }
};
EntryCheck checkEntry(std::string_view built, int variables = 0);

}  // namespace ronri
