#pragma once
// A derivation as a LaTeX document: one align* with the law of each line as
// \text{…}. The laws are named in English so that a plain pdflatex with
// amsmath compiles it; the Japanese name stands in a comment beside.
#include <string>
#include <vector>

#include "core/expression/expr_tree.h"
#include "core/teaching/derivation.h"

namespace ronri {

// The expression in textbook notation: juxtaposed products, bars for
// negation, \oplus \odot \uparrow \downarrow for @ % $ |.
std::string latexExpression(const Expr& e);

// The law of a line as the English text after it ("" on the first line);
// grouped lines say how much they stand for.
std::string englishLawLabel(const DerivationLine& line);

// The whole document. Lines longer than about 60 characters are broken at
// their outer sums (products) onto continuation lines.
std::string derivationLatex(const std::vector<DerivationLine>& lines);

}  // namespace ronri
