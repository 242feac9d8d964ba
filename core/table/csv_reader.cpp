#include "core/table/csv_reader.h"

#include "core/table/table_export.h"

namespace ronri {

namespace {

class CsvParser {
 public:
  explicit CsvParser(std::string_view text) : s_(text) {
    if (s_.substr(0, 3) == "\xEF\xBB\xBF") s_.remove_prefix(3);
  }

  CsvText parse() {
    while (i_ < s_.size()) record();
    return std::move(out_);
  }

 private:
  bool atLineEnd() const { return i_ >= s_.size() || s_[i_] == '\n' || s_[i_] == '\r'; }
  // Past one line end (CR LF counts once), counting it.
  void endLine() {
    if (i_ < s_.size() && s_[i_] == '\r') {
      ++i_;
      if (i_ < s_.size() && s_[i_] == '\n') ++i_;
    } else if (i_ < s_.size() && s_[i_] == '\n') {
      ++i_;
    }
    ++line_;
  }
  // A bad record: everything up to the end of the line it broke on goes.
  void skipRestOfLine() {
    while (!atLineEnd()) ++i_;
    endLine();
  }
  void record() {
    CsvRecord r;
    r.line = line_;
    const size_t start = i_;
    const int startLine = line_;
    for (;;) {
      std::string field;
      if (i_ < s_.size() && s_[i_] == '"') {
        if (!quoted(field)) {
          // Reading resumes on the line after the opening quote.
          out_.errors.push_back({CsvLineError::UnclosedQuote, startLine});
          i_ = start;
          line_ = startLine;
          skipRestOfLine();
          return;
        }
      } else {
        while (!atLineEnd() && s_[i_] != ',' && s_[i_] != '"') field += s_[i_++];
      }
      r.fields.push_back(std::move(field));
      if (i_ < s_.size() && s_[i_] == ',') {
        ++i_;
        continue;
      }
      if (atLineEnd()) break;
      out_.errors.push_back({CsvLineError::StrayQuote, line_});
      skipRestOfLine();
      return;
    }
    endLine();
    if (r.fields.size() > 1 || !r.fields[0].empty()) out_.records.push_back(std::move(r));
  }
  // A quoted field from its opening quote; false when it never closes.
  bool quoted(std::string& field) {
    ++i_;
    while (i_ < s_.size()) {
      const char c = s_[i_++];
      if (c == '"') {
        if (i_ < s_.size() && s_[i_] == '"') {
          field += '"';
          ++i_;
          continue;
        }
        return true;
      }
      if (c == '\n' || (c == '\r' && (i_ >= s_.size() || s_[i_] != '\n'))) ++line_;
      field += c;
    }
    return false;
  }

  std::string_view s_;
  size_t i_ = 0;
  int line_ = 1;
  CsvText out_;
};

}  // namespace

CsvText readCsv(std::string_view text) {
  return CsvParser(text).parse();
}

std::string csvLine(const std::vector<std::string>& fields) {
  std::string out;
  for (size_t k = 0; k < fields.size(); ++k) {
    if (k) out += ',';
    out += csvField(fields[k]);
  }
  return out;
}

}  // namespace ronri
