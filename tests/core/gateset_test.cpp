#include "core/expression/gateset.h"

#include <gtest/gtest.h>

#include <random>

#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"

namespace ronri {
namespace {

std::string rpnOf(std::string_view displayText) {
  return ReversePolishNotation(InsideExp(displayText));
}

std::vector<char> truth(std::string_view displayText, int n) {
  return evaluateRows(rpnOf(displayText), n);
}

bool onlyUses(std::string_view text, std::string_view operators) {
  for (char c : text)
    if (!isVariable(c) && c != '(' && c != ')' && operators.find(c) == std::string_view::npos)
      return false;
  return true;
}

TEST(GateSet, RewritesTheWorkedExamples) {
  const std::string rpn = rpnOf("~a*b+c*~d");
  ASSERT_EQ(rpn, "nb*cq*+");
  const std::string nandNot = toNandNot(rpn), norNot = toNorNot(rpn);
  EXPECT_EQ(nandNot, "(~d$c)$(b$~a)");
  EXPECT_EQ(norNot, "~((d|~c)|(~b|a))");
  EXPECT_EQ(toNandOnly(nandNot), "((a$a)$b)$(c$(d$d))");
  EXPECT_EQ(toNorOnly(norNot), "((a|(b|b))|((c|c)|d))|((a|(b|b))|((c|c)|d))");

  EXPECT_EQ(toNandNot(rpnOf("a+b+c")), "~c$~(~b$~a)");  // the inner sum is enclosed
  EXPECT_EQ(toNandNot(rpnOf("a*b")), "~(b$a)");
  EXPECT_EQ(toNorNot(rpnOf("a*b")), "~b|~a");
  EXPECT_EQ(toNorOnly(toNorNot(rpnOf("a*b"))), "(a|a)|(b|b)");
  EXPECT_EQ(toNandOnly("~a"), "a$a");
  EXPECT_EQ(toNorOnly("~a"), "a|a");
  EXPECT_EQ(toNandNot("n"), "~a");
}

TEST(GateSet, LoneOperandsAndConstantsStayAsTheyAre) {
  for (const char* s : {"a", "j", "0", "1"}) {
    const std::string rpn = *gateSetRpn(s);
    EXPECT_EQ(toNandNot(rpn), s);
    EXPECT_EQ(toNorNot(rpn), s);
    EXPECT_EQ(toNandOnly(s), s);
    EXPECT_EQ(toNorOnly(s), s);
  }
  EXPECT_EQ(*gateSetRpn("1"), "1");
  EXPECT_EQ(*gateSetRpn("~(a*b)+0"), "ab*~0+");
}

TEST(GateSet, EmptyAndMalformedSourcesGiveNoText) {
  EXPECT_EQ(rewriteWithNot("", true).status, RewriteStatus::Empty);
  EXPECT_EQ(rewriteOnly("", false).status, RewriteStatus::Empty);
  EXPECT_EQ(rewriteOnly("()", true).status, RewriteStatus::Empty);
  for (const char* rpn : {"a*", "ab", "*", "~", "ab+(", "ak+"}) {
    const Rewritten r = rewriteWithNot(rpn, true);
    EXPECT_EQ(r.status, RewriteStatus::Malformed) << rpn;
    EXPECT_EQ(r.text, "") << rpn;
  }
  for (const char* infix : {"a*", "a(b)", "(a+b", "a+b)", "a+k", "a 1", "ab", "a~b", "1 0"}) {
    const Rewritten r = rewriteOnly(infix, false);
    EXPECT_EQ(r.status, RewriteStatus::Malformed) << infix;
    EXPECT_EQ(r.text, "") << infix;
  }
  EXPECT_EQ(gateSetRpn("(a+b"), std::nullopt);
  EXPECT_EQ(gateSetRpn(")a("), std::nullopt);
  EXPECT_EQ(gateSetRpn("a*B"), std::nullopt);
}

// Random sums of products in the folded notation, as the prime-implicant and
// cover steps produce them.
std::string randomSumOfProducts(std::mt19937& rng, int n) {
  std::uniform_int_distribution<int> termCount(1, 6), bit(0, 1);
  std::string s;
  const int terms = termCount(rng);
  for (int t = 0; t < terms; ++t) {
    if (t) s += '+';
    std::vector<int> vars(n);
    for (int k = 0; k < n; ++k) vars[k] = k;
    std::shuffle(vars.begin(), vars.end(), rng);
    const int literals = std::uniform_int_distribution<int>(1, std::min(n, 6))(rng);
    for (int k = 0; k < literals; ++k) {
      if (k) s += '*';
      s += char((bit(rng) ? 'a' : 'n') + vars[k]);
    }
  }
  return s;
}

TEST(GateSet, EveryFormOfASumOfProductsIsTheSameFunction) {
  std::mt19937 rng(20261207);
  int tooLong = 0;
  for (int round = 0; round < 400; ++round) {
    const int n = 1 + round % 10;
    const std::string source = randomSumOfProducts(rng, n);
    const std::string rpn = ReversePolishNotation(source);
    const std::vector<char> expected = evaluateRows(rpn, n);
    const std::string nandNot = toNandNot(rpn), norNot = toNorNot(rpn);
    EXPECT_EQ(truth(nandNot, n), expected) << source << " -> " << nandNot;
    EXPECT_EQ(truth(norNot, n), expected) << source << " -> " << norNot;
    EXPECT_TRUE(onlyUses(nandNot, "$~")) << nandNot;
    EXPECT_TRUE(onlyUses(norNot, "|~")) << norNot;
    EXPECT_EQ(nandNot.find("~~"), std::string::npos) << nandNot;
    EXPECT_EQ(norNot.find("~~"), std::string::npos) << norNot;
    for (const auto& [withNot, nand] : {std::pair{nandNot, true}, std::pair{norNot, false}}) {
      const Rewritten only = rewriteOnly(withNot, nand);
      // Nested negations double their operand; past the limit nothing is built.
      if (only.status == RewriteStatus::TooLong) {
        ++tooLong;
        continue;
      }
      ASSERT_EQ(only.status, RewriteStatus::Ok) << withNot;
      EXPECT_EQ(truth(only.text, n), expected) << source << " -> " << only.text;
      EXPECT_TRUE(onlyUses(only.text, nand ? "$" : "|")) << only.text;
    }
  }
  EXPECT_LT(tooLong, 40);
}

// Any expression of the language, with every operator, negated groups and
// negated letters: a hand-edited source must still give the same function.
std::string randomExpression(std::mt19937& rng, int n, int depth) {
  std::uniform_int_distribution<int> pick(0, 9);
  if (depth == 0 || pick(rng) < 3) {
    const char v = char('a' + std::uniform_int_distribution<int>(0, n - 1)(rng));
    return pick(rng) < 3 ? std::string(1, char(v + 13)) : std::string(1, v);
  }
  const char ops[] = "*+$|@%";
  std::string s = "(" + randomExpression(rng, n, depth - 1) + ops[pick(rng) % 6] +
                  randomExpression(rng, n, depth - 1) + ")";
  return pick(rng) < 3 ? "~" + s : s;
}

TEST(GateSet, EveryOperatorIsRewrittenFaithfully) {
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    const int n = 1 + round % 5;
    const std::string source = randomExpression(rng, n, 4);
    const std::vector<char> expected = evaluateRows(ReversePolishNotation(source), n);
    const std::string rpn = *gateSetRpn(source);
    for (bool nand : {true, false}) {
      const std::string withNot = rewriteWithNot(rpn, nand).text;
      const std::string only = rewriteOnly(withNot, nand).text;
      const std::string direct = rewriteOnly(source, nand).text;
      const char* op = nand ? "$" : "|";
      EXPECT_EQ(truth(withNot, n), expected) << source << " -> " << withNot;
      EXPECT_EQ(truth(only, n), expected) << source << " -> " << only;
      EXPECT_EQ(truth(direct, n), expected) << source << " -> " << direct;
      EXPECT_TRUE(onlyUses(withNot, std::string(op) + "~")) << withNot;
      EXPECT_TRUE(onlyUses(only, op)) << only;
      EXPECT_TRUE(onlyUses(direct, op)) << direct;
    }
  }
}

TEST(GateSet, DeepNestingNeedsNoFixedStack) {
  // a*(b+(a*(b+ ... ))) keeps thousands of operands on the stack at once.
  std::string source;
  const int levels = 3000;
  for (int k = 0; k < levels; ++k) source += k % 2 ? "b+(" : "a*(";
  source += "c";
  source += std::string(levels, ')');
  const std::string rpn = ReversePolishNotation(source);
  const std::vector<char> expected = evaluateRows(rpn, 3);
  const std::string nandNot = toNandNot(rpn), norNot = toNorNot(rpn);
  ASSERT_FALSE(nandNot.empty());
  ASSERT_FALSE(norNot.empty());
  EXPECT_EQ(truth(nandNot, 3), expected);
  EXPECT_EQ(truth(norNot, 3), expected);
  EXPECT_EQ(truth(toNandOnly(nandNot), 3), expected);
}

TEST(GateSet, ExponentialGrowthStopsAtTheLengthLimit) {
  // Each nested NOT doubles its operand in the NAND-only form.
  std::string withNot = "a";
  for (int k = 0; k < 40; ++k) withNot = "~(" + withNot + "$b)";
  const Rewritten r = rewriteOnly(withNot, true);
  EXPECT_EQ(r.status, RewriteStatus::TooLong);
  EXPECT_EQ(r.text, "");
  // A limit that fits exactly still gives the text.
  const std::string small = "~(a$b)";
  const std::string full = toNandOnly(small);
  EXPECT_EQ(full, "(b$a)$(b$a)");
  EXPECT_EQ(rewriteOnly(small, true, full.size()).text, full);
  EXPECT_EQ(rewriteOnly(small, true, full.size() - 1).status, RewriteStatus::TooLong);
}

TEST(GateSet, FoldsDoubleNegationsLeftToRight) {
  EXPECT_EQ(foldDoubleNegations("~~~a"), "~a");
  EXPECT_EQ(foldDoubleNegations("~~(a$~~b)"), "(a$b)");
  EXPECT_EQ(foldDoubleNegations("~a~"), "~a~");
}

}  // namespace
}  // namespace ronri
