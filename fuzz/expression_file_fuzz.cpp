// The expression-file reader on arbitrary bytes, then what opening such a file
// leads to: each entry split into expression and count, folded, checked and,
// when accepted, turned into a table.
#include <cstdint>
#include <string>

#include "core/expression/expression.h"
#include "core/table/expression_file.h"
#include "core/table/truthtable.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 1 << 16));
  const ExpressionFileContents read = readExpressionFile(text);
  if (!read.readable) {
    RONRI_FUZZ_CHECK(read.entries.empty(), text);
    return 0;
  }
  RONRI_FUZZ_CHECK(read.announced >= -1 || read.entries.empty(), text);
  if (read.complete)
    RONRI_FUZZ_CHECK(read.announced < 0 || read.entries.size() == size_t(read.announced) + 1, text);
  for (const std::string& e : read.entries)
    RONRI_FUZZ_CHECK(e.find_first_of("\"\r\n") == std::string::npos, text);

  // Whatever was read is saved and read back unchanged.
  const ExpressionFileContents again = readExpressionFile(expressionFileText(read.entries));
  RONRI_FUZZ_CHECK(again.readable && again.complete, text);
  RONRI_FUZZ_CHECK(again.entries == read.entries, text);
  RONRI_FUZZ_CHECK(again.announced == (long long)read.entries.size() - 1, text);

  const std::string saved = savedFileName(text.substr(0, 256));
  RONRI_FUZZ_CHECK(saved.size() >= 4 && saved.ends_with(".txt"), text);

  // The entries a user could go on to use, a few per file.
  int used = 0;
  for (const std::string& e : read.entries) {
    if (++used > 4) break;
    const size_t space = e.find(' ');
    if (space == std::string::npos || space + 1 >= e.size()) continue;
    const char digit = e[space + 1];
    if (digit < '0' || digit > '9') continue;
    const std::string folded = InsideExp(e.substr(0, space));
    if (checkExp(folded) != " ") continue;
    const TruthTable t = createTable(folded, digit - '0' + 1);
    RONRI_FUZZ_CHECK(t.results.size() == size_t(1) << (digit - '0' + 1), e);
  }
  return 0;
}
