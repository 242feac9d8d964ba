// The derivation table as a drawing.
#include "core/teaching/derivation_drawing.h"

#include <algorithm>

namespace ronri {
namespace {

constexpr double kPoint = 10;
constexpr int kChar = 130;  // one character of the expression face at 10 pt, with air
constexpr int kRow = 300;
constexpr int kNumberColumn = 450;
constexpr int kGap = 400;
constexpr int kWrap = 70;  // characters
constexpr int kRed = 4;
constexpr int kBlue = 1;
constexpr int kGrey = 8;
constexpr int kLightGrey = 7;

// A generous width of a caption text: full-width characters a point size
// wide, the others a little over half.
int captionWidth(const std::string& utf8) {
  int width = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xC0) == 0x80) continue;
    width += c >= 0xE0 ? int(kPoint * 20) : int(kPoint * 12);
  }
  return width;
}

bool inside(const std::vector<Span>& spans, int at) {
  return std::any_of(spans.begin(), spans.end(),
                     [&](const Span& s) { return at >= s.begin && at < s.begin + s.length; });
}

// One line's characters at (x, y) on, wrapped; returns the rows it took.
int drawLine(Surface& s, int x, int y, const std::string& text, const std::vector<Span>& rewritten,
             const std::vector<Span>& source) {
  const std::vector<int> starts = wrapPoints(text, kWrap);
  for (std::size_t r = 0; r < starts.size(); ++r) {
    const int begin = starts[r];
    const int end = r + 1 < starts.size() ? starts[r + 1] : int(text.size());
    const int top = y + int(r) * kRow;
    int underlineFrom = -1;
    for (int i = begin; i <= end; ++i) {
      const bool marked = i < end && inside(source, i);
      if (marked && underlineFrom < 0) underlineFrom = i;
      if (!marked && underlineFrom >= 0) {
        s.line(x + (underlineFrom - begin) * kChar, top + kRow - 50, x + (i - begin) * kChar - 15,
               top + kRow - 50, kBlue);
        underlineFrom = -1;
      }
      if (i == end) break;
      s.text(x + (i - begin) * kChar, top + 30, std::string(1, text[i]),
             inside(rewritten, i) ? kRed : kBlack, kPoint, TextFace::Expression);
    }
  }
  return int(starts.size());
}

}  // namespace

std::vector<int> wrapPoints(const std::string& text, int width) {
  std::vector<int> starts{0};
  int depth = 0, lastBreak = -1;
  for (int i = 0; i < int(text.size()); ++i) {
    const char c = text[i];
    depth += c == '(' ? 1 : c == ')' ? -1 : 0;
    if (depth == 0 && (c == '+' || c == '*') && i + 1 < int(text.size())) lastBreak = i + 1;
    if (i - starts.back() >= width && lastBreak > starts.back()) {
      starts.push_back(lastBreak);
      lastBreak = -1;
    }
  }
  return starts;
}

DerivationDrawingSize drawDerivation(const std::vector<DerivationLine>& lines,
                                     const std::vector<std::string>& laws,
                                     const std::string& lineHeading, const std::string& lawHeading,
                                     Surface& s) {
  int longest = 1;
  for (const DerivationLine& l : lines) {
    const std::vector<int> starts = wrapPoints(l.text, kWrap);
    for (std::size_t r = 0; r < starts.size(); ++r)
      longest = std::max(longest,
                         (r + 1 < starts.size() ? starts[r + 1] : int(l.text.size())) - starts[r]);
  }
  const int lawX = kNumberColumn + longest * kChar + kGap;
  int lawWidth = captionWidth(lawHeading);
  for (const std::string& law : laws) lawWidth = std::max(lawWidth, captionWidth(law));
  const int right = lawX + lawWidth + 100;

  s.text(kNumberColumn, 30, lineHeading, kBlack, kPoint);
  s.text(lawX, 30, lawHeading, kBlack, kPoint);
  s.line(0, kRow, right, kRow, kBlack);
  int y = kRow;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const DerivationLine& l = lines[i];
    static const std::vector<Span> kNone;
    const std::vector<Span>& next = i + 1 < lines.size() ? lines[i + 1].source : kNone;
    s.text(0, y + 30, std::to_string(i + 1), kGrey, kPoint);
    if (i < laws.size()) s.text(lawX, y + 30, laws[i], kBlack, kPoint);
    y += drawLine(s, kNumberColumn, y, l.text, l.rewritten, next) * kRow;
    s.line(0, y, right, y, kLightGrey);
  }
  return {right, y + 15};
}

}  // namespace ronri
