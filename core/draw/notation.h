#pragma once
// The readable rendering of an expression text in textbook notation: one
// glyph per character in cells 300 twips apart, a bar over each negated
// letter, and a line over each negated group "~(...)", raised 50 twips per
// enclosing level.
#include <cstddef>
#include <string>
#include <string_view>

#include "core/draw/surface.h"

namespace ronri {

// The glyph picture of a character ("glyph/0" ... "glyph/18"), or "" when
// the character has none.
std::string glyphFor(char c);

// The picture of the bar drawn over a negated letter.
inline constexpr std::string_view kBarGlyph = "glyph/10";

struct NotationSize {
  int width = 0;         // twips
  int height = 0;        // twips
  bool clipped = false;  // more cells than were drawn
};

// Draws `expression` (UTF-8; a character that is not ASCII takes one empty cell).
// Nothing is erased first. Only the first `maxCells` cells are drawn; group
// lines stop at the last drawn cell. Texts whose group lines would rise above
// the top are moved down until the highest line is at 0.
void drawNotation(Surface& s, std::string_view expression, std::size_t maxCells = SIZE_MAX);
// The area drawNotation covers, with a margin.
NotationSize notationSize(std::string_view expression, std::size_t maxCells = SIZE_MAX);

}  // namespace ronri
