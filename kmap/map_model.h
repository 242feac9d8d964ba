#pragma once
// The Karnaugh map of one window: which variables label the columns and the
// rows, which cells show "1" (or "0"), and whether grouping is offered.
#include <string>
#include <utility>
#include <vector>

namespace ronri::kmap {

enum class Axis { None, Columns, Rows };

struct MakeResult {
  bool usedDefaults = false;  // too few letters: the defaults were taken
  bool refused = false;       // a variable repeated or missing: nothing changed
  bool grouping = false;      // grouping is offered for this map
};

class KmapModel {
 public:
  explicit KmapModel(int variables);

  int variables() const { return variables_; }

  std::string columnLetters;  // in order of choice (the first is the most significant)
  std::string rowLetters;
  std::string oneTerms;       // term list of the 1-cells
  std::string zeroTerms;      // term list of the 0-cells
  std::string dontCareTerms;  // term list of the don't-care cells: "X" whichever is shown
  std::string shownTerms;     // the term list shown: oneTerms or zeroTerms
  std::string shownValue;     // "1" or "0": which cells are shown, and their text

  // At window load: axes emptied, the 1-cells chosen, every cell blank.
  void loadMap();
  // Appends a letter to the chosen axis if it has room; true when appended.
  bool chooseVariable(char letter, Axis axis);
  // Removes the last letter of the chosen axis; true when one was removed.
  bool backspace(Axis axis);
  // Applies the defaults when too few letters are chosen, refuses a layout
  // that does not name every variable exactly once, and fills the cells.
  MakeResult makeMap();
  void showOnes();
  void showZeros();

  bool groupingOffered() const { return grouping_; }
  // Cell texts by cell number: "", "1", "0" or "X".
  const std::vector<std::string>& cells() const { return cells_; }
  // The literals of cell (k, r) under the current axes, column letters first.
  std::string cellLiterals(int k, int r) const;
  // (column, row) of every row of the truth table under the current axes,
  // once makeMap has filled them; {-1, -1} for a row with no cell.
  std::vector<std::pair<int, int>> cellPlaces() const;

 private:
  int variables_;
  bool grouping_ = false;
  std::vector<std::string> cells_;
};

// The message makeMap's caller shows for a refused layout.
extern const char* const kLayoutRefused;

}  // namespace ronri::kmap
