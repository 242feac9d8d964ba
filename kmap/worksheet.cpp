#include "kmap/worksheet.h"

#include <algorithm>

#include "kmap/sheet_map.h"

namespace ronri::kmap {

namespace {

constexpr double kTitlePoint = 13;
constexpr double kTextPoint = 10;
constexpr int kLine = 260;       // a line of text
constexpr int kRuledLine = 620;  // a line to write on
constexpr int kGap = 360;        // between blocks
constexpr int kTitleHeight = 600;

SheetMap mapOf(const SheetBlock& b) {
  // Five and six variables take eight columns: smaller cells keep them narrow.
  return {b.variables, 120, 0, b.variables >= 5 ? 480 : 560};
}

int textLeft(const SheetBlock& b) {
  const SheetMap m = mapOf(b);
  return m.left + sheetMapWidth(m) + 480;
}

// Width in half-width characters: a Japanese character takes two.
int displayWidth(const std::string& s) {
  int w = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) w += c < 0x80 ? 1 : 2;
  return w;
}

// The key's lines broken after a "+" or ")*" where they are too long for
// the room beside the map; the rest indented.
std::vector<std::string> wrapped(const SheetBlock& b) {
  if (b.ruled) return b.lines;
  // A half-width character of the expression face at 10 pt takes up to
  // 200 twips (a Japanese one twice that).
  const int room = (kSheetWidth - textLeft(b)) / 200;
  std::vector<std::string> out;
  for (std::string line : b.lines) {
    while (displayWidth(line) > room) {
      size_t cut = std::string::npos;
      for (size_t i = 1; i < line.size() && displayWidth(line.substr(0, i)) <= room; ++i)
        if (line[i - 1] == '+' || (i >= 2 && line[i - 1] == '*' && line[i - 2] == ')')) cut = i;
      if (cut == std::string::npos) break;
      out.push_back(line.substr(0, cut));
      line = "    " + line.substr(cut);
    }
    out.push_back(line);
  }
  return out;
}

int blockHeight(const SheetBlock& b) {
  const int text = int(wrapped(b).size()) * (b.ruled ? kRuledLine : kLine);
  return kLine + 120 + std::max(sheetMapHeight(mapOf(b)), text) + kGap;
}

void drawBlock(Surface& s, const SheetBlock& b, int top) {
  s.text(0, top, b.heading, kBlack, kTextPoint);
  SheetMap m = mapOf(b);
  m.top = top + kLine + 120;
  drawSheetMap(s, m, b.values, b.loops);
  const int x = textLeft(b);
  int y = m.top;
  for (const std::string& line : wrapped(b)) {
    if (b.ruled) {
      s.text(x, y + kRuledLine - kLine - 40, line, kBlack, kTextPoint);
      s.line(x + 1300, y + kRuledLine - 60, kSheetWidth, y + kRuledLine - 60, kBlack);
      y += kRuledLine;
    } else {
      // Words in the Gothic face; an expression in its own, whose "~" reads.
      const bool words = std::any_of(line.begin(), line.end(), [](char c) { return c & 0x80; });
      s.text(x, y, line, kBlack, kTextPoint, words ? TextFace::Caption : TextFace::Expression);
      y += kLine;
    }
  }
}

void startPage(std::vector<DisplayList>& pages, const std::string& title) {
  pages.emplace_back();
  pages.back().text(0, 0, title, kBlack, kTitlePoint);
  // Unseen corners: every page spans the whole area, so all print at one scale.
  pages.back().line(0, 0, 0, 0, 15);
  pages.back().line(kSheetWidth, kSheetHeight, kSheetWidth, kSheetHeight, 15);
}

}  // namespace

std::vector<DisplayList> worksheetPages(const std::string& title,
                                        const std::vector<SheetBlock>& blocks) {
  std::vector<DisplayList> pages;
  int y = kSheetHeight;  // starts a page at the first block
  for (const SheetBlock& b : blocks) {
    const int height = blockHeight(b);
    if (y + height > kSheetHeight) {
      startPage(pages, title);
      y = kTitleHeight;
    }
    drawBlock(pages.back(), b, y);
    y += height;
  }
  if (pages.empty()) startPage(pages, title);
  return pages;
}

std::vector<SheetBlock> sheetBlocks(const std::vector<Exercise>& problems,
                                    const SheetLabels& labels, bool key) {
  std::vector<SheetBlock> blocks;
  for (const Exercise& e : problems) {
    SheetBlock b;
    b.heading = labels.heading(e);
    b.variables = e.variables;
    if (key) {
      const ExerciseKey k = exerciseKey(e);
      b.values = k.values;
      b.loops = k.loops;
      b.lines = labels.key(k);
    } else {
      b.lines = labels.writeOn;
      b.ruled = true;
    }
    blocks.push_back(std::move(b));
  }
  return blocks;
}

}  // namespace ronri::kmap
