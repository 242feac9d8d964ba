#pragma once
// A whole map of one function, as a design shows it: the ruling, the names
// of the variables on each axis, their Gray codes, every cell's 1, 0 or X,
// and the outline of each term of a cover. Maps of 1 and 2 variables are
// drawn in the same style; beyond 5 variables there is no map.
#include <string>
#include <string_view>
#include <vector>

#include "core/draw/surface.h"
#include "core/table/term.h"

namespace ronri::kmap {

inline constexpr int kMaxFunctionMapVariables = 5;

struct MapSize {
  int width = 0, height = 0;  // twips
};

// `names` are the variables in row-number order (the first is the most
// significant); `rows` holds '0', '1' or 'X' for each of the 2^n rows; each
// term of `cover` is outlined in its own colour. Nothing is drawn (and the
// size is empty) for no variable or more than kMaxFunctionMapVariables.
MapSize drawFunctionMap(Surface& s, const std::vector<std::string>& names, std::string_view rows,
                        const std::vector<Term>& cover);

}  // namespace ronri::kmap
