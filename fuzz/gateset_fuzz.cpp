// The NAND/NOR rewritings: every rewriting of a well-formed expression uses
// only its gate set and has the expression's truth table; anything else is
// refused without a crash.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/expression/expression.h"
#include "core/expression/gateset.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

namespace {

constexpr size_t kLimit = 20000;  // keeps each input fast

std::vector<char> valuesOf(const std::string& infix, int n) {
  return evaluateRows(ReversePolishNotation(InsideExp(infix)), n);
}

void checkUses(const std::string& text, std::string_view allowed, const std::string& context) {
  for (char c : text)
    RONRI_FUZZ_CHECK(isVariable(c) || allowed.find(c) != std::string_view::npos,
                     context + " gives " + text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int n = in.number(1, kMaxVariables);
  const bool junk = in.number(0, 3) == 0;
  const std::string text = in.rest(2000);

  if (junk) {
    // Arbitrary texts in every entry point.
    for (bool nand : {true, false}) {
      const Rewritten w = rewriteWithNot(text, nand, kLimit);
      RONRI_FUZZ_CHECK(w.status == RewriteStatus::Ok || w.text.empty(), text);
      const Rewritten o = rewriteOnly(text, nand, kLimit);
      RONRI_FUZZ_CHECK(o.status == RewriteStatus::Ok || o.text.empty(), text);
      RONRI_FUZZ_CHECK(w.text.size() <= kLimit && o.text.size() <= kLimit, text);
    }
    (void)gateSetRpn(text);
    (void)foldDoubleNegations(text);
    return 0;
  }

  const std::string rpn = ReversePolishNotation(InsideExp(text));
  const std::vector<char> values = evaluateRows(rpn, n);
  const bool wellFormed = values[0] != '?';
  // Keep to texts of the first n variables and the operators: a "(" left by
  // unbalanced input, or a letter without a column, is refused, not rewritten.
  for (char c : rpn) {
    if (isOperand(c) && (isVariable(c) ? c - 'a' : c - 'n') >= n) return 0;
    if (!isOperand(c) && !isBinaryOperator(c) && c != '~') return 0;
  }

  for (bool nand : {true, false}) {
    const char op = nand ? '$' : '|';
    const Rewritten w = rewriteWithNot(rpn, nand, kLimit);
    if (!wellFormed) {
      RONRI_FUZZ_CHECK(w.status != RewriteStatus::Ok, text);
      continue;
    }
    RONRI_FUZZ_CHECK(w.status == RewriteStatus::Ok || w.status == RewriteStatus::TooLong, text);
    if (w.status != RewriteStatus::Ok) continue;
    checkUses(w.text, nand ? "~$()" : "~|()", text);
    RONRI_FUZZ_CHECK(valuesOf(w.text, n) == values, text + " with NOT gives " + w.text);

    const Rewritten o = rewriteOnly(w.text, nand, kLimit);
    RONRI_FUZZ_CHECK(o.status == RewriteStatus::Ok || o.status == RewriteStatus::TooLong,
                     text + " -> " + w.text);
    if (o.status != RewriteStatus::Ok) continue;
    checkUses(o.text, std::string(1, op) + "()", text);
    RONRI_FUZZ_CHECK(valuesOf(o.text, n) == values, text + " only gives " + o.text);
  }
  return 0;
}
