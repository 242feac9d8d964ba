#include "circuit/caption_lines.h"

#include <algorithm>
#include <climits>

namespace ronri {

namespace {

constexpr std::string_view kEllipsis = "\u2026";

// How good a break right after each character is: lower is better, -1 is
// none. "+" before the other operators, outer before inner.
std::vector<int> breakRanks(std::string_view text) {
  std::vector<int> rank(text.size(), -1);
  int depth = 0;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (c == '(') ++depth;
    if (c == ')') depth = std::max(0, depth - 1);
    if (c == '+') rank[i] = 2 * depth;
    if (std::string_view("*$|@%").find(c) != std::string_view::npos) rank[i] = 2 * depth + 1;
  }
  return rank;
}

struct Breaker {
  std::string_view text;
  std::vector<int> rank;
  std::vector<double> advance;  // of each character

  // Where a line starting at `from` ends (exclusive): after its best break.
  size_t lineEnd(size_t from, double room) const {
    size_t fit = from;
    for (double w = 0; fit < text.size() && w + advance[fit] <= room; ++fit) w += advance[fit];
    if (fit == text.size()) return fit;
    size_t best = fit;
    int bestRank = INT_MAX;
    for (size_t i = from; i < fit; ++i)
      if (rank[i] >= 0 && rank[i] <= bestRank) best = i + 1, bestRank = rank[i];
    return std::max(best, from + 1);
  }
  // Where a line ending at `to` starts: right after its best break.
  size_t lineStart(size_t to, double room) const {
    size_t fit = to;
    for (double w = 0; fit > 0 && w + advance[fit - 1] <= room; --fit) w += advance[fit - 1];
    if (fit == 0) return 0;
    size_t best = fit;
    int bestRank = INT_MAX;
    for (size_t p = to - 1; p >= fit; --p)
      if (rank[p - 1] >= 0 && rank[p - 1] <= bestRank) best = p, bestRank = rank[p - 1];
    return std::min(best, to - 1);
  }
};

}  // namespace

std::vector<std::string> captionLines(std::string_view text, double room,
                                      const std::function<double(std::string_view)>& width,
                                      size_t mostLines) {
  Breaker b{text, breakRanks(text), {}};
  for (size_t i = 0; i < text.size(); ++i) b.advance.push_back(width(text.substr(i, 1)));
  std::vector<size_t> ends;
  for (size_t at = 0; at < text.size() && ends.size() <= mostLines;)
    ends.push_back(at = b.lineEnd(at, room));
  std::vector<std::string> lines;
  if (ends.size() <= mostLines) {
    size_t from = 0;
    for (size_t end : ends) lines.emplace_back(text.substr(from, end - from)), from = end;
    return lines;
  }
  // The first half of the lines from the beginning, the rest from the end,
  // the first of those opening with "…".
  const size_t head = std::max<size_t>(mostLines / 2, 1);
  size_t from = 0;
  for (size_t k = 0; k < head; ++k)
    lines.emplace_back(text.substr(from, ends[k] - from)), from = ends[k];
  std::vector<size_t> starts{text.size()};
  for (size_t k = head; k < mostLines; ++k) {
    const double space = k + 1 == mostLines ? room - width(kEllipsis) : room;
    starts.push_back(std::max(from, b.lineStart(starts.back(), space)));
  }
  std::reverse(starts.begin(), starts.end());
  for (size_t k = 0; k + 1 < starts.size(); ++k)
    lines.emplace_back((k == 0 ? std::string(kEllipsis) : std::string()) +
                       std::string(text.substr(starts[k], starts[k + 1] - starts[k])));
  return lines;
}

}  // namespace ronri
