#pragma once
// Whether two stored entries ("a+b 1": expression, space, variable count - 1,
// and perhaps don't-care rows " d(0,2)") describe the same Boolean function.
// A row that is X in either entry may differ: it is left out of both.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

struct StoredEntry {
  std::string expression;  // as built, "~a*b"
  int variables = 0;       // 1..10
};

// The entry's two parts, or nothing when it is not of the stored form (no
// variable-count digit at the end). The expression itself is not checked.
std::optional<StoredEntry> parseEntry(std::string_view entry);

// Compares the complete truth tables of both expressions over the larger of
// the two variable counts, whether or not they pass the input check ("a"
// alone does not, yet has a table). An entry that is malformed (from a file
// edited by hand) or a row that does not evaluate to one digit makes the two
// different: nothing is declared equal that was not shown to be.
bool sameFunction(std::string_view first, std::string_view second);

// The rows where the two entries' functions differ, over the larger of the two
// variable counts (row bits as in the truth table, values in argument order).
struct DifferingRows {
  int variables = 0;
  struct Row {
    int row = 0;
    char first = '0';
    char second = '0';
  };
  std::vector<Row> rows;  // the first `limit` differing rows, ascending
  int total = 0;          // how many rows differ in all
  int dontCares = 0;      // rows left out because either entry has X there
};
// nullopt when an entry is malformed or a row of either does not evaluate to
// one digit.
std::optional<DifferingRows> differingRows(std::string_view first, std::string_view second,
                                           size_t limit = 16);

}  // namespace ronri
