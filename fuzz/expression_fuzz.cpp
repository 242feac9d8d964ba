// The expression pipeline on arbitrary text: fold, check, reverse Polish,
// the value of every row both ways, the term lists and the product of sums.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/cover/simplify.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "core/table/truthtable.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

namespace {

const std::string kAccepted = " ";

bool isMessage(const std::string& s) {
  return s == kAccepted || s == "何か入力してください" ||
         s == "変数が多いんとちがいます？演算子が少なすぎますって" ||
         s == "変数が少ないんとちがいます？演算子が多すぎますって" ||
         s == "（　が多い気がしますよ" || s == "）　が多い気がしますよ";
}

std::string letters(std::string_view s) {
  std::string out;
  for (unsigned char c : s)
    if (c >= 97 && c <= 122) out += char(c);
  return out;
}

// Values of a text through the row-by-row path.
char slowValue(const std::string& rpn, int r, int n) {
  return valueOf(change(AtoA(rpn, rowBits(r, n), n)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Input in(data, size);
  const int n = in.number(1, kMaxVariables);
  const std::string text = in.rest(4096);

  const std::string folded = InsideExp(text);
  RONRI_FUZZ_CHECK(folded.find("~~") == std::string::npos, text);
  RONRI_FUZZ_CHECK(letters(folded).size() == letters(text).size(), text);
  const std::string message = checkExp(folded);
  RONRI_FUZZ_CHECK(isMessage(message), text);
  (void)wordchange(folded);

  // The conversion only reorders: the operands keep their order.
  const std::string rpn = ReversePolishNotation(folded);
  RONRI_FUZZ_CHECK(letters(rpn) == letters(folded), text);

  const std::vector<char> values = evaluateRows(rpn, n);
  const int rows = 1 << n;
  RONRI_FUZZ_CHECK(int(values.size()) == rows, text);
  // The one-pass evaluation must agree with substitution and the stack, row
  // by row; long texts check a spread of rows to keep each input fast.
  const int step = rpn.size() * size_t(rows) > 50000 ? 37 : 1;
  for (int r = 0; r < rows; r += step)
    RONRI_FUZZ_CHECK(values[size_t(r)] == slowValue(rpn, r, n), text);

  const TruthTable t = createTable(folded, n);
  RONRI_FUZZ_CHECK(t.rpn == rpn, text);
  RONRI_FUZZ_CHECK(t.allBits.size() == size_t(rows) * size_t(n), text);
  RONRI_FUZZ_CHECK(t.results == std::string(values.begin(), values.end()), text);
  std::string ones, zeros;
  for (int r = 0; r < rows; ++r) {
    if (values[size_t(r)] == '1') ones += rowTerm(rowBits(r, n));
    if (values[size_t(r)] == '0') zeros += rowTerm(rowBits(r, n));
  }
  RONRI_FUZZ_CHECK(t.oneTerms == ones && t.zeroTerms == zeros, text);

  // Both canonical forms, read back as expressions, give the same table (up
  // to seven variables: larger forms cost much and exercise nothing new).
  const bool defined = n <= 7 && std::find(values.begin(), values.end(), '?') == values.end();
  if (defined && !t.zeroTerms.empty()) {
    const std::string pos = layoutPlus(t.zeroTerms);
    RONRI_FUZZ_CHECK(evaluateRows(ReversePolishNotation(pos), n) == values, text);
  }
  if (defined && !t.oneTerms.empty()) {
    const std::string sop = layout(t.oneTerms);
    RONRI_FUZZ_CHECK(evaluateRows(ReversePolishNotation(sop), n) == values, text);
  }
  (void)layoutPlus(text);
  (void)layout(text);
  return 0;
}
