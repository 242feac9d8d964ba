#pragma once
// How much room a text of a drawing takes.
#include <string_view>

namespace ronri {

// The box a text of the drawing takes (twips), as the window draws it in the
// monospace expression face (DejaVu Sans Mono, bold or not: the advance is
// the same): characters times the advance, rounded up, so a text never reaches
// past its box. "…" takes one advance; other characters beyond ASCII come
// from a fallback face and count as two.
struct TextBox {
  double width = 0, height = 0;
};
TextBox textBox(std::string_view text, double pointSize, bool bold = false);

}  // namespace ronri
