// Textbook notation: an expression drawn glyph by glyph with bars over negations.
#include "core/draw/notation.h"

#include <algorithm>
#include <vector>

#include "core/expression/expression.h"

namespace ronri {

namespace {

constexpr int kFirstX = 100;
constexpr int kCell = 300;
constexpr int kGlyphY = 400;
constexpr int kBarY = 300;
constexpr int kLevelRise = 50;
constexpr int kGlyphHeight = 450;  // 30 px
constexpr int kGlyphWidth = 240;   // 16 px

// One entry per character; a character that is not ASCII becomes '\1', which
// has no glyph.
std::vector<char> characters(std::string_view utf8) {
  std::vector<char> out;
  out.reserve(utf8.size());
  for (unsigned char c : utf8) {
    if (c < 0x80)
      out.push_back(char(c));
    else if (c >= 0xC0)
      out.push_back('\1');
    // continuation bytes belong to the character already taken
  }
  return out;
}

struct Group {
  std::size_t open, close;
  int depth;
  int startX = -1, endX = -1;
};

struct Plan {
  struct Glyph {
    std::string name;
    int x, y;
  };
  struct Line {
    int x1, x2, y;
  };
  std::vector<Glyph> glyphs;
  std::vector<Line> lines;
  int lastX = kFirstX;  // the last drawn cell
  bool clipped = false;
};

Plan plan(std::string_view expression, std::size_t maxCells) {
  const std::vector<char> text = characters(expression);

  // Negated groups: "(" directly after "~", recorded innermost first.
  std::vector<Group> groups;
  struct Open {
    bool negated;
    std::size_t pos;
    int depth;
  };
  std::vector<Open> stack;
  int depth = 0, maxDepth = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') {
      maxDepth = std::max(maxDepth, ++depth);
      stack.push_back({i > 0 && text[i - 1] == '~', i, depth});
    } else if (text[i] == ')' && !stack.empty()) {
      --depth;
      const Open o = stack.back();
      stack.pop_back();
      if (o.negated) groups.push_back({o.pos, i, o.depth});
    }
  }
  std::sort(groups.begin(), groups.end(),
            [](const Group& a, const Group& b) { return a.open < b.open; });

  // Deep nesting would lift the outermost lines above the top: move down.
  int dy = 0;
  for (const Group& g : groups) dy = std::max(dy, -(kBarY - kLevelRise * (maxDepth - g.depth)));

  Plan p;
  const int lastAllowedX =
      maxCells >= std::size_t(INT32_MAX / kCell) ? INT32_MAX : kFirstX + kCell * int(maxCells);
  std::size_t nextGroup = 0;
  int x = kFirstX;
  for (std::size_t i = 0; i < text.size(); ++i) {
    x += kCell;
    const char c = text[i];
    const bool drawn = x <= lastAllowedX;
    if (!drawn)
      p.clipped = true;
    else
      p.lastX = std::max(p.lastX, x);
    if (c == '~') {
      if (i + 1 < text.size() && text[i + 1] == '(') continue;  // the group's line stands for it
      if (drawn) p.glyphs.push_back({std::string(kBarGlyph), x, kBarY + dy});
      x -= kCell;  // the negated character shares this cell
      continue;
    }
    if (c == '(' && nextGroup < groups.size() && groups[nextGroup].open == i) {
      groups[nextGroup++].startX = x;
    } else if (c == ')') {
      for (Group& g : groups)
        if (g.close == i) g.endX = x;
    }
    const std::string glyph = glyphFor(c);
    if (drawn && !glyph.empty()) p.glyphs.push_back({glyph, x, kGlyphY + dy});
  }

  for (const Group& g : groups) {
    if (g.startX < 0 || g.startX > lastAllowedX) continue;
    const int y = kBarY - kLevelRise * (maxDepth - g.depth) + dy;
    p.lines.push_back({g.startX, std::min(g.endX, p.lastX), y});
  }
  return p;
}

}  // namespace

std::string glyphFor(char c) {
  int index = -1;
  if (isVariable(c)) index = variableOf(c);
  switch (c) {
    case '*':
      index = 11;
      break;
    case '+':
      index = 12;
      break;
    case '%':
      index = 13;
      break;
    case '@':
      index = 14;
      break;
    case '$':
      index = 15;
      break;
    case '|':
      index = 16;
      break;
    case '(':
      index = 17;
      break;
    case ')':
      index = 18;
      break;
  }
  return index < 0 ? std::string() : "glyph/" + std::to_string(index);
}

void drawNotation(Surface& s, std::string_view expression, std::size_t maxCells) {
  const Plan p = plan(expression, maxCells);
  for (const auto& g : p.glyphs) s.picture(g.name, g.x, g.y);
  for (const auto& l : p.lines) s.line(l.x1, l.y, l.x2, l.y, kBlack);
}

NotationSize notationSize(std::string_view expression, std::size_t maxCells) {
  const Plan p = plan(expression, maxCells);
  int bottom = kGlyphY + kGlyphHeight, right = p.lastX + kGlyphWidth;
  for (const auto& g : p.glyphs) bottom = std::max(bottom, g.y + kGlyphHeight);
  return {right + 160, bottom + 100, p.clipped};
}

}  // namespace ronri
