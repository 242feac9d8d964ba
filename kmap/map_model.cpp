// The map of one window: its axes and the text of every cell.
#include "kmap/map_model.h"

#include <algorithm>

#include "core/expression/expression.h"
#include "core/table/term.h"
#include "kmap/geometry.h"

namespace ronri::kmap {

const char* const kLayoutRefused = "同じ変数が二度選ばれています。BSで選び直してください";

KmapModel::KmapModel(int variables)
    : variables_(variables), cells_(std::size_t(cellCount(variables))) {
  loadMap();
}

void KmapModel::loadMap() {
  columnLetters.clear();
  rowLetters.clear();
  shownTerms = oneTerms;
  shownValue = "1";
  grouping_ = false;
  std::fill(cells_.begin(), cells_.end(), std::string());
}

bool KmapModel::chooseVariable(char letter, Axis axis) {
  const MapShape& m = mapShape(variables_);
  if (axis == Axis::Columns && int(columnLetters.size()) < m.maxA) {
    columnLetters += letter;
    return true;
  }
  if (axis == Axis::Rows && int(rowLetters.size()) < m.maxB) {
    rowLetters += letter;
    return true;
  }
  return false;
}

bool KmapModel::backspace(Axis axis) {
  std::string* s = axis == Axis::Columns ? &columnLetters
                   : axis == Axis::Rows  ? &rowLetters
                                         : nullptr;
  if (!s || s->empty()) return false;
  s->pop_back();
  return true;
}

std::string KmapModel::cellLiterals(int k, int r) const {
  const std::string col = grayCode(k, int(columnLetters.size()));
  const std::string row = grayCode(r, int(rowLetters.size()));
  std::string lits;
  for (std::size_t i = 0; i < columnLetters.size(); ++i)
    lits += col[i] == '1' ? columnLetters[i] : negatedLetter(variableOf(columnLetters[i]));
  for (std::size_t i = 0; i < rowLetters.size(); ++i)
    lits += row[i] == '1' ? rowLetters[i] : negatedLetter(variableOf(rowLetters[i]));
  return lits;
}

MakeResult KmapModel::makeMap() {
  const MapShape& m = mapShape(variables_);
  MakeResult result;
  if (int(columnLetters.size() + rowLetters.size()) < variables_) {
    columnLetters = m.defaultA;
    rowLetters = m.defaultB;
    result.usedDefaults = true;
  }
  // Each axis is full now (the maxima add up to the variable count); the
  // letters must be the window's variables, each once, or the map would
  // show cells twice and leave others out.
  std::string letters = columnLetters + rowLetters;
  std::sort(letters.begin(), letters.end());
  std::string expected;
  for (int i = 0; i < variables_; ++i) expected += plainLetter(i);
  if (letters != expected) {
    result.refused = true;
    result.grouping = grouping_;
    return result;
  }

  grouping_ = shownValue == "1" && columnLetters == m.defaultA && rowLetters == m.defaultB &&
              variables_ < 6;
  result.grouping = grouping_;

  // The cell of every row under the chosen axes; a term of every variable
  // finds its cell whatever its letter order.
  std::vector<int> cellOfRow(std::size_t{1} << variables_, -1);
  for (int r = 0; r < m.rows; ++r)
    for (int k = 0; k < m.columns; ++k)
      if (const auto t = Term::read(cellLiterals(k, r), variables_))
        cellOfRow[t->bits] = cellNumber(k, r);

  std::fill(cells_.begin(), cells_.end(), std::string());
  std::string term;
  auto mark = [&](const std::string& text) {
    const auto t = Term::read(term, variables_);
    if (t && t->mask == allVariables(variables_) && cellOfRow[t->bits] >= 0)
      cells_[std::size_t(cellOfRow[t->bits])] = text;
    term.clear();
  };
  for (const std::string* list : {&shownTerms, &dontCareTerms}) {
    term.clear();
    for (char c : *list) {
      if (c == '+' || c == '*' || c == '@') continue;
      term += c;
      if (int(term.size()) == variables_) mark(list == &shownTerms ? shownValue : std::string("X"));
    }
  }
  return result;
}

std::vector<std::pair<int, int>> KmapModel::cellPlaces() const {
  const MapShape& m = mapShape(variables_);
  std::vector<std::pair<int, int>> places(std::size_t{1} << variables_, {-1, -1});
  for (int r = 0; r < m.rows; ++r)
    for (int k = 0; k < m.columns; ++k)
      if (const auto t = Term::read(cellLiterals(k, r), variables_))
        if (t->mask == allVariables(variables_)) places[t->bits] = {k, r};
  return places;
}

void KmapModel::showOnes() {
  shownTerms = oneTerms;
  shownValue = "1";
}

void KmapModel::showZeros() {
  shownTerms = zeroTerms;
  shownValue = "0";
  grouping_ = false;
}

}  // namespace ronri::kmap
