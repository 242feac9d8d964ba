#pragma once
// Whether two stored entries ("a+b 1": expression, space, variable count - 1)
// describe the same Boolean function.
#include <optional>
#include <string>
#include <string_view>

namespace ronri {

struct StoredEntry {
  std::string expression;  // as built, "~a*b"
  int variables = 0;       // 1..10
};

// The entry's two parts, or nothing when it is not of the stored form (no
// variable-count digit at the end). The expression itself is not checked.
std::optional<StoredEntry> parseEntry(std::string_view entry);

// Compares the complete truth tables of both expressions over the larger of
// the two variable counts. An entry that is malformed (from a file edited by
// hand), an expression that does not pass the input check, or a row that does
// not evaluate to one digit makes the two different: nothing is declared
// equal that was not shown to be.
bool sameFunction(std::string_view first, std::string_view second);

}  // namespace ronri
