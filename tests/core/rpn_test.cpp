#include "core/expression/rpn.h"

#include <gtest/gtest.h>

#include "core/expression/expression.h"

namespace ronri {
namespace {

TEST(ReversePolishNotation, FollowsThePrecedenceLevels) {
  const std::pair<const char*, const char*> cases[] = {
      {"a+b*c", "abc*+"},   {"~(a+b)", "ab+~"},     {"a$o", "ao$"},           {"a%b*c", "ab%c*"},
      {"a@b*c", "abc*@"},   {"a*b$c", "abc$*"},     {"a$b*c", "ab$c*"},       {"a+b@c", "abc@+"},
      {"(a+b)*c", "ab+c*"}, {"~(a*b)+c", "ab*~c+"}, {"a|(b+c)*d", "abc+|d*"}, {"n+o*p", "nop*+"},
      {"a", "a"},           {"((a))+b", "ab+"},     {"a$b$c", "ab$c$"},       {"a@b@c", "ab@c@"},
      {"a%b%c", "ab%c%"},   {"a*~(b+c)", "abc+~*"}, {"a|b%c$d", "ab|c%d$"},   {"a+b+c", "ab+c+"},
      {"~(~(a))", "a~~"},
  };
  for (auto [in, out] : cases) EXPECT_EQ(ReversePolishNotation(in), out) << in;
}

TEST(ReversePolishNotation, SurvivesUnbalancedAndStrayInput) {
  EXPECT_EQ(ReversePolishNotation("(a+b"), "ab+(");
  EXPECT_EQ(ReversePolishNotation("a+b)"), "ab+");
  EXPECT_EQ(ReversePolishNotation(")a+b("), "ab(+");
  EXPECT_EQ(ReversePolishNotation("a 1b"), "ab");
  EXPECT_EQ(ReversePolishNotation(""), "");
}

TEST(AtoA, SubstitutesTheFirstNVariablesAndTheirNegations) {
  EXPECT_EQ(AtoA("aoc*+", "101", 3), "111*+");
  EXPECT_EQ(AtoA("abc*+", "10", 2), "10c*+");  // letters beyond n stay
  EXPECT_EQ(AtoA("nw", "0000000001", 10), "10");
}

TEST(Change, EvaluatesEveryOperatorPair) {
  const char* ops = "*+$|@%";
  const char* expected[] = {"0001", "0111", "1110", "1000", "0110", "1001"};
  for (int o = 0; o < 6; ++o)
    for (int xy = 0; xy < 4; ++xy) {
      std::string text = {char('0' + (xy >> 1)), char('0' + (xy & 1)), ops[o]};
      EXPECT_EQ(change(text), std::string(1, expected[o][xy])) << text;
    }
  EXPECT_EQ(change("10~*"), "1");  // 1 AND NOT 0
  EXPECT_EQ(change("11~*"), "0");
  EXPECT_EQ(change("01%"), "0");
  EXPECT_EQ(change("00|"), "1");
  EXPECT_EQ(change("11$"), "0");
}

TEST(Change, NeverFailsOnMalformedText) {
  EXPECT_EQ(change("*"), "");
  EXPECT_EQ(change("1*"), "");
  EXPECT_EQ(change("~"), "");
  EXPECT_EQ(change("11"), "11");
  EXPECT_EQ(change("1c*"), "");
  EXPECT_EQ(valueOf(change("11")), '?');
  EXPECT_EQ(valueOf(change("")), '?');
  EXPECT_EQ(valueOf(change("1")), '1');
}

}  // namespace
}  // namespace ronri
