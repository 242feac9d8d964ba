// The answer-file reader on arbitrary bytes, then grading what it read
// against a small problem file: every line is either graded or reported
// with its line number, records read back as they were written, and the
// counts per problem add up to the answers given to them.
#include <algorithm>
#include <cstdint>
#include <string>

#include "core/table/csv_reader.h"
#include "core/teaching/grading.h"
#include "fuzz/fuzz_input.h"

using namespace ronri;

namespace {

const char* const kProblems =
    "id,variables,problem\r\n"
    "1,3,\"m(1,3,5,7)\"\r\n"
    "2,4,\"m(0,1,2,3,8)+d(4,12)\"\r\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), std::min<size_t>(size, 4096));
  const int lineCount =
      int(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r')) +
      1;

  const CsvText csv = readCsv(text);
  for (const CsvRecord& r : csv.records) {
    RONRI_FUZZ_CHECK(r.line >= 1 && r.line <= lineCount, text);
    // Under a header line, as the result file writes it (a byte-order mark
    // is one only at the very start).
    const CsvText again = readCsv("h\r\n" + csvLine(r.fields) + "\r\n");
    RONRI_FUZZ_CHECK(again.errors.empty(), text);
    // A record of one empty field is a blank line, which is not kept.
    if (r.fields.size() > 1 || !r.fields[0].empty())
      RONRI_FUZZ_CHECK(again.records.size() == 2 && again.records[1].fields == r.fields, text);
  }
  for (const CsvLineError& e : csv.errors)
    RONRI_FUZZ_CHECK(e.line >= 1 && e.line <= lineCount, text);

  const GradingReport report = gradeAnswers(kProblems, text);
  int graded = 0;
  for (const GradedLine& g : report.lines) {
    RONRI_FUZZ_CHECK(g.line >= 1 && g.line <= lineCount, text);
    const bool readable = g.fault.kind == LineFault::None;
    RONRI_FUZZ_CHECK(readable == (g.grade != Grade::Unreadable), text);
    RONRI_FUZZ_CHECK(readable || g.reasons.empty(), text);
    if (g.id == "1" || g.id == "2") {
      const bool tallied = g.fault.kind == LineFault::None ||
                           g.fault.kind == LineFault::EmptyAnswer ||
                           g.fault.kind == LineFault::BadAnswer;
      graded += tallied;
    }
  }
  int counted = 0;
  for (const ProblemTally& t : report.tallies)
    for (int c : t.counts) counted += c;
  RONRI_FUZZ_CHECK(counted == graded, text);
  return 0;
}
