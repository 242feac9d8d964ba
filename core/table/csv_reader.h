#pragma once
// Reading CSV as other programs write it: fields quoted with doubled inner
// quotes, line breaks inside quotes, CR LF, LF or CR line ends, and a UTF-8
// byte-order mark at the start. A line that breaks the quoting is reported
// with its number and skipped; the lines after it are still read.
#include <string>
#include <string_view>
#include <vector>

namespace ronri {

struct CsvRecord {
  int line = 0;  // 1-based line where the record starts
  std::vector<std::string> fields;
};

struct CsvLineError {
  enum Kind {
    UnclosedQuote,  // a quoted field runs to the end of the text
    StrayQuote,     // a quote inside an unquoted field, or text after a closing quote
  };
  Kind kind = UnclosedQuote;
  int line = 0;
};

struct CsvText {
  std::vector<CsvRecord> records;  // blank lines left out
  std::vector<CsvLineError> errors;
};

CsvText readCsv(std::string_view text);

// A record as one CSV line (fields quoted where they must be), without its end.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace ronri
