// The circuit engine on arbitrary reverse Polish texts of up to ten variables,
// in both gate modes, step by step or at once, with and without the gate
// values; and the "圧縮" expression of the text's function. Drawing goes to a
// surface that only notes the extent.
#include <cstdint>
#include <string>

#include "circuit/compress.h"
#include "circuit/layout_engine.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "fuzz/bounds_surface.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

namespace {

const double kRowGaps[] = {200, 300, 400, 500, 600};
const double kPitches[] = {24, 25, 26, 27, 28};

void draw(CircuitEngine& engine, bool atOnce, const std::string& context) {
  fuzz::BoundsSurface s;
  if (atOnce) {
    engine.create(s);
  } else {
    // Step through, as the "ステップ" button does.
    for (size_t i = 0; i <= engine.rpn.size(); ++i) engine.step(s);
  }
  RONRI_FUZZ_CHECK(engine.finished(), context);
  RONRI_FUZZ_CHECK(engine.step(s) == CircuitEngine::Step::Idle, context);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int n = in.number(1, kMaxVariables);
  const bool twoInputs = in.number(0, 1);
  const bool infix = in.number(0, 1);
  const int row = in.number(0, 255) << 2 | in.number(0, 3);
  CircuitEngine engine;
  engine.lastVariable = n - 1;
  engine.twoInputGates = twoInputs;
  engine.upToFourInputs = !twoInputs;
  engine.showMidExprs = in.number(0, 1);
  engine.variableGap = kRowGaps[in.number(0, 4)];
  engine.columnPitch = kPitches[in.number(0, 4)];
  engine.panX = in.number(-20, 20) * 100;
  engine.panY = in.number(-20, 20) * 100;
  const bool test = in.number(0, 1);
  const bool atOnce = in.number(0, 1);
  const bool smallestCover = in.number(0, 1);
  const std::string text = in.rest(600);
  const std::string rpn = infix ? ReversePolishNotation(InsideExp(text)) : text;

  engine.rpn = rpn;
  const std::string bits = rowBits(row % (1 << n), n);
  if (test) {
    engine.testMode = 1;
    engine.testValues = testDigits(rpn, bits, n);
  }
  draw(engine, atOnce, text);
  // A second drawing of the same engine starts afresh.
  engine.startsNew = 1;
  draw(engine, atOnce, text);

  // The gate values: the last one is the value of the whole expression, for
  // texts of the first n variables and the operators (what the conversion
  // makes of anything the buttons build; a digit, say, never gets there).
  const std::vector<char> values = evaluateRows(rpn, n);
  const char last = rpn.empty() ? 0 : rpn.back();
  bool ownLetters = true;
  for (char c : rpn) {
    const bool letter = (isVariable(c) && c - 'a' < n) || (isNegatedLetter(c) && c - 'n' < n);
    ownLetters = ownLetters && (letter || isBinaryOperator(c) || c == '~' || c == '(');
  }
  if (ownLetters && values[0] != '?' && (isBinaryOperator(last) || last == '~')) {
    const std::string digits = testDigits(rpn, bits, n);
    RONRI_FUZZ_CHECK(!digits.empty() && digits.back() == values[size_t(row % (1 << n))], text);
  }

  // "圧縮" on the text's function (small counts: the cover search is costly).
  if (n <= 6 && values[0] != '?') {
    std::string simple;
    for (int r = 0; r < (1 << n); ++r)
      if (values[size_t(r)] == '1') simple += rowTerm(rowBits(r, n));
    CompressCache cache;
    const Compressed c = compressExpression(simple, n, smallestCover, cache);
    RONRI_FUZZ_CHECK(!c.failed, text);
    if (!c.constant) {
      RONRI_FUZZ_CHECK(evaluateRows(c.rpn, n) == values, text);
      engine.rpn = c.rpn;
      engine.startsNew = 1;
      engine.testMode = 0;
      draw(engine, atOnce, text);
    }
  }
  return 0;
}
