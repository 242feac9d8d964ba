#pragma once
// The drawing surface every drawing of the program goes through. Coordinates
// are twips (1/1440 inch) from the top left of the drawing area, y downward.
#include <string_view>

namespace ronri {

// Colours: 0..15 index the standard 16-colour palette (0 black, 1 blue,
// 2 green, 3 cyan, 4 red, 5 magenta, 6 brown, 7 light grey, 8 dark grey,
// 9 light blue, 10 light green, 11 light cyan, 12 light red, 13 light magenta,
// 14 yellow, 15 white); kBackground is the window's button-face colour, used
// to erase by drawing over.
constexpr int kBlack = 0;
constexpr int kLightRed = 12;
constexpr int kBackground = -1;

// The face of a text: the Japanese Gothic face of the captions, or the face of
// the expression fields, whose "~" stands level with the letters (the Gothic
// faces draw it high and small, so "~c" would read as "c").
enum class TextFace { Caption, Expression };

class Surface {
 public:
  virtual ~Surface() = default;

  // A straight line from (x1, y1) to (x2, y2), end points included.
  virtual void line(int x1, int y1, int x2, int y2, int color) = 0;
  // An unfilled rectangle with corners (x1, y1) and (x2, y2).
  virtual void rectangle(int x1, int y1, int x2, int y2, int color) = 0;
  // A circle outline of radius r around (x, y).
  virtual void circle(int x, int y, int r, int color) = 0;
  // A stored picture (a resource name such as "gate/and" or "glyph/11") at
  // its natural size with its top-left corner at (x, y), covering what lies
  // under it.
  virtual void picture(std::string_view name, int x, int y) = 0;
  // Text (UTF-8) with its top-left corner at (x, y) in the given colour, point
  // size and face.
  virtual void text(int x, int y, std::string_view utf8, int color, double pointSize,
                    TextFace face = TextFace::Caption) = 0;
  // Paints the rectangle (x1, y1)-(x2, y2) in the background colour.
  virtual void erase(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace ronri
