#pragma once
// Truth-table computation: row bits, values of every row, the two term lists,
// the two display columns and the canonical product of sums.
//
// A row whose evaluation does not give a single digit (a malformed expression
// such as "ab+" that passed the counting check) has the value '?': it is in
// neither term list, appears in neither filtered view, and its result cell
// shows "?".
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

// Progress of a pass: called with the maximum 2^n and the value r of each row.
using Progress = std::function<void(int maximum, int value)>;

// Display modes (the filter options): rows of value 0, of value 1, all rows.
enum DisplayMode { kZeros = 0, kOnes = 1, kAll = 2 };

// The row bits of row r: n digits, the first variable most significant.
std::string rowBits(int r, int n);
// One line of the assignment column, without CR LF.
std::string assignmentLine(std::string_view bits);
// The term of a row followed by "+".
std::string rowTerm(std::string_view bits);
// The canonical product of sums of a zero-row term list.
std::string layoutPlus(std::string_view x);

// The values of all 2^n rows of a reverse Polish text, each '0', '1' or '?',
// identical to change(AtoA(rpn, rowBits(r, n), n)) but computed in one pass.
std::vector<char> evaluateRows(std::string_view rpn, int n);

// The assignment column for a mode; rebuilds allBits (every row's bits).
std::string makeRows(std::string_view rpn, int mode, int n, std::string& allBits,
                     const Progress& progress = {});
// The result column for a mode.
std::string answer(std::string_view rpn, int mode, int n, std::string_view allBits,
                   const Progress& progress = {});
// Appends the terms of the rows of value 1 to oneTerms and of value 0 to
// zeroTerms.
void makeTerms(std::string_view rpn, int n, std::string_view allBits, std::string& oneTerms,
               std::string& zeroTerms, const Progress& progress = {});

// Everything the table window computes at creation.
struct TruthTable {
  int n = 0;
  std::string rpn;        // reverse Polish text
  std::string allBits;    // every row's bits, 2^n * n characters
  std::string oneTerms;   // terms of the rows of value 1
  std::string zeroTerms;  // terms of the rows of value 0
  std::string column;     // assignment column (mode 2), lines ending CR LF
  std::string results;    // result column (mode 2)
};
// The creation sequence for a folded expression and n variables (1..10).
TruthTable createTable(std::string_view folded, int n, const Progress& progress = {});

}  // namespace ronri
