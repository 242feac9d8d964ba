#pragma once
// A truth table with several outputs: its rows, presets and CSV form.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ronri {

constexpr int kMultiMaxInputs = 6;
constexpr int kMultiMaxOutputs = 8;

// Inputs a, b, ... (a the most significant bit of the row number); one column
// of '0', '1' or 'X' per output, 2^inputs rows long.
struct MultiTable {
  int inputs = 2;
  std::vector<std::string> names;   // one per output
  std::vector<std::string> values;  // values[output][row]

  int rows() const { return 1 << inputs; }
  int outputs() const { return static_cast<int>(values.size()); }
  bool operator==(const MultiTable&) const = default;
};

// A table of all 0 with the outputs named f1, f2, ...
MultiTable emptyMultiTable(int inputs, int outputs);
// Another input count (all values 0 again) or output count (columns kept,
// new ones 0 and named by their number), within 1..6 and 1..8.
void setInputCount(MultiTable& t, int inputs);
void setOutputCount(MultiTable& t, int outputs);

// Whether `name` may label an output: not empty, at most 16 bytes, no comma,
// quote or line break, no surrounding blanks, and not an input letter a..f
// (a CSV header could not tell it from an input then).
bool validOutputName(std::string_view name);

enum class MultiPreset { HalfAdder, FullAdder, Comparator2, SevenSegment, Decoder2to4 };
constexpr int kMultiPresetCount = 5;
MultiTable multiPreset(MultiPreset p);

// CSV: a header of the input letters and the output names, then one line per
// row (its bits, then its values), lines ending CR LF; the truth table's
// export has the same shape with the single output "f".
std::string multiTableCsv(const MultiTable& t);

enum class CsvProblem {
  None,
  Empty,           // no header line
  NoInput,         // the header does not start with a
  NoOutput,        // no column after the inputs
  TooManyOutputs,  // more than 8
  BadName,         // an output name that validOutputName refuses, or twice
  ColumnCount,     // a line with another number of cells than the header
  BadInputCell,    // an input cell other than 0 or 1
  BadOutputCell,   // an output cell other than 0, 1 or X
  DuplicateRow,    // the same input bits twice
};
struct CsvRead {
  MultiTable table;
  CsvProblem problem = CsvProblem::None;
  int line = 0;  // 1-based line of the problem
  // The rows the file leaves out (the truth table exports only the rows its
  // filter shows), ascending; they are X in `table`, for the reader's caller
  // to refuse or keep.
  std::vector<int> missingRows;
  // Output names that were a lone input letter (the truth table names its
  // output "f"), with the name each got instead: "f" and the output's number.
  std::vector<std::pair<std::string, std::string>> renamed;
};
// Reads a table. Blank lines are skipped; at most six inputs, so a header
// "a,b,c,d,e,f,g" has the output g.
CsvRead readMultiTableCsv(std::string_view text);

}  // namespace ronri
