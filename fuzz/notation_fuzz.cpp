// The textbook-notation drawing on arbitrary text (any bytes, any nesting):
// no crash, and everything drawn lies inside the size it reports.
#include <cstdint>
#include <string>

#include "core/draw/notation.h"
#include "fuzz/bounds_surface.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int cells = in.number(0, 255);
  const std::string text = in.rest(8192);
  // 255 stands for no limit.
  const size_t maxCells = cells == 255 ? SIZE_MAX : size_t(cells);

  fuzz::BoundsSurface s;
  drawNotation(s, text, maxCells);
  const NotationSize box = notationSize(text, maxCells);
  if (s.calls == 0) return 0;
  RONRI_FUZZ_CHECK(s.minX >= 0 && s.minY >= 0, text);
  RONRI_FUZZ_CHECK(s.maxX < box.width && s.maxY < box.height, text);
  // Cells are 300 twips apart from x = 100; nothing is drawn past the last one.
  if (maxCells != SIZE_MAX) RONRI_FUZZ_CHECK(s.maxX <= 100 + 300 * int(maxCells), text);
  for (const std::string& p : s.pictures) RONRI_FUZZ_CHECK(p.starts_with("glyph/"), text);
  return 0;
}
