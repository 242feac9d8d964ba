#include "core/expression/expression.h"

#include <gtest/gtest.h>

namespace ronri {
namespace {

const char* kEmpty = "何か入力してください";
const char* kTooManyLetters = "変数が多いんとちがいます？演算子が少なすぎますって";
const char* kTooFewLetters = "変数が少ないんとちがいます？演算子が多すぎますって";
const char* kOpenParen = "（　が多い気がしますよ";
const char* kCloseParen = "）　が多い気がしますよ";

TEST(InsideExp, FoldsNegatedVariablesAndCancelsDoubleNegation) {
  EXPECT_EQ(InsideExp("~a*b"), "n*b");
  EXPECT_EQ(InsideExp("a$~b"), "a$o");
  EXPECT_EQ(InsideExp("~(a+b)"), "~(a+b)");
  EXPECT_EQ(InsideExp("a+~~b"), "a+b");
  EXPECT_EQ(InsideExp("~~~c"), "p");
  EXPECT_EQ(InsideExp("~~~~a"), "a");
  EXPECT_EQ(InsideExp("~~(a+b)"), "(a+b)");
  EXPECT_EQ(InsideExp("~j"), "w");
  EXPECT_EQ(InsideExp("~a*~b*~c*~d*~e*~f*~g*~h*~i*~j"), "n*o*p*q*r*s*t*u*v*w");
  EXPECT_EQ(InsideExp("a+~"), "a+~");  // a trailing ~ stays, nothing to fold
  EXPECT_EQ(InsideExp(""), "");
}

TEST(Wordchange, TurnsNegatedLettersBackAndLeavesTheRest) {
  EXPECT_EQ(wordchange("n*o+w"), "~a*~b+~j");
  EXPECT_EQ(wordchange("a*(b+c)"), "a*(b+c)");
  EXPECT_EQ(wordchange(InsideExp("~a*~(b+~c)")), "~a*~(b+~c)");
}

TEST(CheckExp, GivesTheFirstApplicableMessage) {
  EXPECT_EQ(checkExp(""), kEmpty);
  EXPECT_EQ(checkExp("a"), kTooManyLetters);
  EXPECT_EQ(checkExp(InsideExp("~a")), kTooManyLetters);
  EXPECT_EQ(checkExp("ab+c"), kTooManyLetters);
  EXPECT_EQ(checkExp("a++b"), kTooFewLetters);
  EXPECT_EQ(checkExp("(a+b"), kOpenParen);
  EXPECT_EQ(checkExp("a+b)"), kCloseParen);
  // Letters and operators balance, so only the parentheses are reported.
  EXPECT_EQ(checkExp("((a+b"), kOpenParen);
  // The letter count comes before the parenthesis count.
  EXPECT_EQ(checkExp("((a"), kTooManyLetters);
  EXPECT_EQ(checkExp("a+b"), " ");
  EXPECT_EQ(checkExp(InsideExp("~a*~b")), " ");
  EXPECT_EQ(checkExp(InsideExp("~(a+b)*c")), " ");
}

TEST(CheckExp, IsACountingCheckOnly) {
  // Malformed orders pass; the later stages must cope with them.
  EXPECT_EQ(checkExp(")a+b("), " ");
  EXPECT_EQ(checkExp("ab+"), " ");
  // Spaces, digits and capitals count as operators; ~ is not counted.
  EXPECT_EQ(checkExp("a b"), " ");
  EXPECT_EQ(checkExp("a1b"), " ");
  EXPECT_EQ(checkExp("aAb"), " ");
  EXPECT_EQ(checkExp("a+b~"), " ");
}

TEST(CheckExp, LongTextsDoNotWrapTheCounters) {
  // 40000 letters and 39999 operators: a 16-bit counter would wrap.
  std::string s = "a";
  for (int i = 0; i < 39999; ++i) s += "+a";
  EXPECT_EQ(checkExp(s), " ");
  EXPECT_EQ(checkExp(s + "a"), kTooManyLetters);
}

}  // namespace
}  // namespace ronri
