#pragma once
// Drawings as a LaTeX document: each drawing one page, one tikzpicture of the
// same lines and texts the Surface was given (twips become points). Only
// TikZ and the standard classes are used, so pdflatex compiles it; texts
// outside ASCII are set with CJKutf8 where there are any.
#include <string>
#include <vector>

#include "core/draw/display_list.h"

namespace ronri {

// `widthTwips` x `heightTwips` is each drawing's area; the page is A4.
std::string tikzDocument(const std::vector<DisplayList>& pages, int widthTwips, int heightTwips);

// A text in LaTeX: its special characters escaped.
std::string latexEscaped(std::string_view text);

}  // namespace ronri
