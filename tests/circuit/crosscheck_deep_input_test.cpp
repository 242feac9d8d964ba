// The circuit engine on the longest expression the entry field holds and on
// nesting 10,000 deep: every drawing finishes, in both gate modes, with the
// intermediate expressions and the gate values, without running out of stack.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "circuit/compress.h"
#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "support/recording_surface.h"

namespace ronri {
namespace {

constexpr size_t kLongest = 32767;
constexpr int kDeep = 10000;

std::string repeat(std::string_view s, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += s;
  return out;
}

// Counts calls without keeping them: deep drawings have very many.
class CountingSurface : public Surface {
 public:
  long calls = 0;
  void line(int, int, int, int, int) override { ++calls; }
  void rectangle(int, int, int, int, int) override { ++calls; }
  void circle(int, int, int, int) override { ++calls; }
  void picture(std::string_view, int, int) override { ++calls; }
  void text(int, int, std::string_view, int, double, TextFace) override { ++calls; }
  void erase(int, int, int, int) override { ++calls; }
};

void drawEveryWay(const std::string& infix, int n) {
  const std::string rpn = ReversePolishNotation(InsideExp(infix));
  const std::string bits(size_t(n), '1');
  // Test mode and the intermediate expressions on: the most work per token.
  for (bool two : {true, false}) {
    CircuitEngine engine;
    engine.rpn = rpn;
    engine.lastVariable = n - 1;
    engine.twoInputGates = two;
    engine.upToFourInputs = !two;
    engine.showMidExprs = true;
    engine.testMode = 1;
    engine.testValues = testDigits(rpn, bits, n);
    CountingSurface s;
    engine.create(s);
    EXPECT_TRUE(engine.finished()) << (two ? "2-input" : "2-4-input");
    EXPECT_GT(s.calls, 0);
  }
}

// Routing searches many ways for each wire, so a drawing of the longest
// expression takes a while; the sanitizer build (which samples, see
// RONRI_CROSSCHECK_SAMPLE) draws one of 4,095 characters instead.
TEST(CrosscheckDeepCircuitSlow, TheLongestExpressionOfTheEntryField) {
  const char* sample = std::getenv("RONRI_CROSSCHECK_SAMPLE");
  const size_t length = sample && std::atoi(sample) > 1 ? 4095 : kLongest;
  std::string e = "a";
  for (int i = 1; e.size() + 2 <= length; ++i) {
    e += "*+$|@%"[i % 6];
    e += char('a' + i % 10);
  }
  drawEveryWay(e, 10);
}

TEST(CrosscheckDeepCircuitSlow, NestingTenThousandDeep) {
  drawEveryWay(repeat("~(", kDeep) + "a+b" + repeat(")", kDeep), 2);
  drawEveryWay(repeat("a*(b+(", kDeep / 2) + "c" + repeat("))", kDeep / 2), 3);
  drawEveryWay(repeat("(", kDeep) + "a@b" + repeat(")", kDeep), 2);
}

TEST(CrosscheckDeepCircuitSlow, CompressOfADeepExpressionsFunction) {
  const std::string e = repeat("a*(b+(", kDeep / 2) + "c" + repeat("))", kDeep / 2);
  const TruthTable t = createTable(InsideExp(e), 3);
  CompressCache cache;
  const Compressed c = compressExpression(t.oneTerms, 3, true, cache);
  ASSERT_FALSE(c.failed);
  EXPECT_EQ(evaluateRows(c.rpn, 3), evaluateRows(t.rpn, 3));
}

}  // namespace
}  // namespace ronri
