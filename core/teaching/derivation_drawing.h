#pragma once
// A derivation drawn as a table for pictures and print: a number, the line
// and its law on each row; the rewritten part of a line in red, the part the
// next line rewrites underlined in blue. Long lines wrap after an outer + or *.
#include <string>
#include <vector>

#include "core/draw/surface.h"
#include "core/teaching/derivation.h"

namespace ronri {

struct DerivationDrawingSize {
  int width = 0;  // twips
  int height = 0;
};

// `laws` are the texts of the law column, one per line (UTF-8); `headings`
// those of the two columns.
DerivationDrawingSize drawDerivation(const std::vector<DerivationLine>& lines,
                                     const std::vector<std::string>& laws,
                                     const std::string& lineHeading, const std::string& lawHeading,
                                     Surface& s);

// Where a line of `text` wraps: the starts of its pieces (0 first), each
// piece at most `width` characters where an outer operator allows it.
std::vector<int> wrapPoints(const std::string& text, int width);

}  // namespace ronri
