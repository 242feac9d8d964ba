// The room a text takes in the expression face.
#include "core/draw/text_box.h"

#include <cmath>

namespace ronri {

TextBox textBox(std::string_view text, double pointSize, bool /*bold*/) {
  // The face's advance is 1233/2048 em; one point is 20 twips. The window
  // draws an expression with its tallest glyphs at the box's top, so the ink
  // ("(", "b" down to "g", "|": about an em) ends within 10/9 of the point size.
  constexpr double kAdvance = 1233.0 / 2048 * 20, kHeight = 200.0 / 9;
  double advances = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if ((c & 0xC0) == 0x80) continue;  // a UTF-8 continuation byte
    advances += c < 0x80 || text.substr(i, 3) == "\u2026" ? 1 : 2;
  }
  return {std::ceil(advances * kAdvance * pointSize), std::ceil(kHeight * pointSize)};
}

}  // namespace ronri
