// The caption's lines on random sums of products and products of sums of
// every length: within the room, at most four, broken after "+" wherever a
// line holds one, the whole text or its beginning and end around "…".
#include "circuit/caption_lines.h"

#include <gtest/gtest.h>

#include <random>

namespace ronri {
namespace {

std::string randomCaption(std::mt19937& rng) {
  const bool sums = rng() % 4 == 0;  // a product of sums, as the other minimal form
  const int terms = 1 + int(rng() % 120);
  std::string e = "f=";
  for (int t = 0; t < terms; ++t) {
    if (t) e += sums ? "*" : "+";
    std::string term;
    const int letters = 1 + int(rng() % 10);
    for (int k = 0; k < letters; ++k) {
      if (k) term += sums ? "+" : "*";
      if (rng() % 2) term += "~";
      term += char('a' + k);
    }
    e += sums && letters > 1 ? "(" + term + ")" : term;
  }
  return e;
}

TEST(CircuitCaption, LinesFitBreakAfterSumsAndKeepBothEnds) {
  std::mt19937 rng(5);
  const auto width = [](std::string_view s) { return double(s == "\u2026" ? 1 : s.size()); };
  for (int round = 0; round < 400; ++round) {
    const std::string text = randomCaption(rng);
    const double room = 12 + rng() % 40;
    const std::vector<std::string> lines = captionLines(text, room, width);
    const std::string shown = [&] {
      std::string s;
      for (const std::string& l : lines) s += l + "\n";
      return s;
    }();
    SCOPED_TRACE(text + " in " + std::to_string(int(room)) + ":\n" + shown);
    ASSERT_FALSE(lines.empty());
    ASSERT_LE(lines.size(), 4u);
    std::string joined;
    for (size_t k = 0; k < lines.size(); ++k) {
      std::string l = lines[k];
      const bool elided = l.rfind("\u2026", 0) == 0;
      if (elided) EXPECT_TRUE(k == 2 && lines.size() == 4);
      if (elided) l = l.substr(3);
      EXPECT_LE(double(l.size()) + elided, room);
      // Sums of products break only after "+" while a line holds one.
      if (text.find('(') == std::string::npos && k + 1 < lines.size() && !elided)
        EXPECT_TRUE(l.back() == '+' || l.find('+') == std::string::npos);
      joined += elided ? "|" + l : l;
    }
    const size_t cut = joined.find('|');
    if (cut == std::string::npos) {
      EXPECT_EQ(joined, text);
    } else {
      EXPECT_EQ(text.rfind(joined.substr(0, cut), 0), 0u);
      const std::string end = joined.substr(cut + 1);
      EXPECT_EQ(text.substr(text.size() - end.size()), end);
      EXPECT_GT(text.size(), joined.size());
    }
  }
}

}  // namespace
}  // namespace ronri
