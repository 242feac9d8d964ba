#pragma once
// A function given by its row numbers, as textbooks write it: the 1-rows
// "m(0,1,2,5)" (or "Σm(…)", or plain "0,1,2,5", ranges "8-10") and the
// don't-care rows "d(3,7)".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

struct RowNumberError {
  enum Kind {
    Unreadable,  // `piece` is not a number or a range
    OutOfRange,  // `value` is not a row of the chosen number of variables
    Reversed,    // the range `piece` runs downwards
    InBoth,      // `value` is both a 1-row and a don't-care row
  };
  Kind kind = Unreadable;
  std::string piece;
  int value = 0;
};

struct RowNumbers {
  int variables = 0;
  std::vector<int> ones;       // ascending, each once
  std::vector<int> dontCares;  // ascending, each once
  std::optional<RowNumberError> error;
};

// One list; `prefix` is the letter that may stand before the parentheses
// ('m' or 'd'). Blanks and the Japanese comma separate like ",". A number
// given twice counts once.
std::optional<RowNumberError> parseRowList(std::string_view text, char prefix, int variables,
                                           std::vector<int>& rows);
// The two fields of the number input; `dontCares` may be empty.
RowNumbers parseRowNumbers(std::string_view ones, std::string_view dontCares, int variables);
// Both in one text: "m(1,3)+d(0,2)", "Σm(1,3)", "1,3".
RowNumbers parseRowFunction(std::string_view text, int variables);
// Whether a text is meant as row numbers rather than an expression: it starts
// with "m", "Σ", "d" or a digit (no expression does).
bool looksLikeRowNumbers(std::string_view text);
// "m(1,3)+d(0,2)", or "m(1,3)" without don't-care rows.
std::string rowNumbersText(const std::vector<int>& ones, const std::vector<int>& dontCares);
// An exercise: a function of n variables with at least one 1-row and one
// 0-row, some rows don't care when asked for; the same seed, the same function.
RowNumbers randomFunction(int variables, bool withDontCares, std::uint32_t seed);
// Each row's value: '1', 'X' for a don't-care row, else '0'; 2^variables of them.
std::string functionValues(const RowNumbers& f);

}  // namespace ronri
