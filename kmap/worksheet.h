#pragma once
// The pages of a worksheet or its key: a title, then a block a problem with
// its heading, its map (blank, or filled with the key's loops) and lines of
// text beside it (ruled lines to write on, or the key's forms), as many
// blocks a page as fit. Drawn through the Surface, so the printed PDF and
// the LaTeX file show the same pages.
#include <functional>
#include <string>
#include <vector>

#include "core/draw/display_list.h"
#include "core/table/term.h"
#include "core/teaching/exercise_key.h"

namespace ronri::kmap {

// A page's drawing area in twips (A4 less its margins).
inline constexpr int kSheetWidth = 10800;
inline constexpr int kSheetHeight = 15300;

struct SheetBlock {
  std::string heading;  // "問題 3  青木" and the function, on one line
  int variables = 4;
  std::string values;              // empty: a blank map
  std::vector<Term> loops;         // drawn on a filled map
  std::vector<std::string> lines;  // beside the map
  bool ruled = false;              // each line a label with a rule to write on
};

std::vector<DisplayList> worksheetPages(const std::string& title,
                                        const std::vector<SheetBlock>& blocks);

// The blocks of a set: the caller's words for the headings, the labels of
// the lines to write on (sheet) or the key's lines (key).
struct SheetLabels {
  std::function<std::string(const Exercise&)> heading;
  std::vector<std::string> writeOn;
  std::function<std::vector<std::string>(const ExerciseKey&)> key;
};
std::vector<SheetBlock> sheetBlocks(const std::vector<Exercise>& problems,
                                    const SheetLabels& labels, bool key);

}  // namespace ronri::kmap
