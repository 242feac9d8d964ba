// Tables of several outputs: their sizes, presets and CSV form.
#include "core/multi/multi_output.h"

#include <algorithm>
#include <set>

#include "core/expression/expression.h"
#include "core/table/term.h"

namespace ronri {

MultiTable emptyMultiTable(int inputs, int outputs) {
  MultiTable t;
  t.inputs = std::clamp(inputs, 1, kMultiMaxInputs);
  setOutputCount(t, outputs);
  return t;
}

void setInputCount(MultiTable& t, int inputs) {
  t.inputs = std::clamp(inputs, 1, kMultiMaxInputs);
  for (std::string& v : t.values) v.assign(static_cast<size_t>(t.rows()), '0');
}

void setOutputCount(MultiTable& t, int outputs) {
  outputs = std::clamp(outputs, 1, kMultiMaxOutputs);
  t.values.resize(static_cast<size_t>(outputs));
  t.names.resize(static_cast<size_t>(outputs));
  for (int j = 0; j < outputs; ++j) {
    std::string& v = t.values[static_cast<size_t>(j)];
    if (v.size() != static_cast<size_t>(t.rows())) v.assign(static_cast<size_t>(t.rows()), '0');
    std::string& name = t.names[static_cast<size_t>(j)];
    if (name.empty()) name = "f" + std::to_string(j + 1);
  }
}

bool validOutputName(std::string_view name) {
  if (name.empty() || name.size() > 16) return false;
  if (name.front() == ' ' || name.back() == ' ') return false;
  if (name.size() == 1 && isVariable(name[0]) && variableOf(name[0]) < kMultiMaxInputs)
    return false;
  return name.find_first_of(",\"\r\n\t") == std::string_view::npos;
}

namespace {

// A table whose output j is 1 on row r when f(r) has bit j set.
template <class F>
MultiTable fromFunction(int inputs, std::vector<std::string> names, F f) {
  MultiTable t;
  t.inputs = inputs;
  t.names = std::move(names);
  t.values.assign(t.names.size(), std::string(size_t{1} << inputs, '0'));
  for (int r = 0; r < t.rows(); ++r) {
    const int bits = f(r);
    for (size_t j = 0; j < t.names.size(); ++j)
      t.values[j][static_cast<size_t>(r)] = bits < 0 ? 'X' : ((bits >> j) & 1) ? '1' : '0';
  }
  return t;
}

}  // namespace

MultiTable multiPreset(MultiPreset p) {
  switch (p) {
    case MultiPreset::HalfAdder:
      return fromFunction(2, {"S", "C"}, [](int r) {
        const int sum = (r >> 1) + (r & 1);
        return (sum & 1) | ((sum >> 1) << 1);
      });
    case MultiPreset::FullAdder:
      return fromFunction(3, {"S", "Co"}, [](int r) {
        const int sum = ((r >> 2) & 1) + ((r >> 1) & 1) + (r & 1);
        return (sum & 1) | ((sum >> 1) << 1);
      });
    case MultiPreset::Comparator2:
      // A = ab, B = cd
      return fromFunction(4, {"GT", "EQ", "LT"}, [](int r) {
        const int a = r >> 2, b = r & 3;
        return a > b ? 1 : a == b ? 2 : 4;
      });
    case MultiPreset::SevenSegment:
      // Segments a..g lit for the digits 0..9 (6 with its top bar, 9 with
      // its bottom one); 10..15 never occur.
      return fromFunction(4, {"sa", "sb", "sc", "sd", "se", "sf", "sg"}, [](int r) {
        static constexpr int kSegments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66,
                                              0x6d, 0x7d, 0x07, 0x7f, 0x6f};
        return r < 10 ? kSegments[r] : -1;
      });
    case MultiPreset::Decoder2to4:
      return fromFunction(2, {"y0", "y1", "y2", "y3"}, [](int r) { return 1 << r; });
  }
  return emptyMultiTable(2, 1);
}

std::string multiTableCsv(const MultiTable& t) {
  std::string out;
  for (int k = 0; k < t.inputs; ++k) {
    out += plainLetter(k);
    out += ',';
  }
  for (size_t j = 0; j < t.names.size(); ++j) out += (j ? "," : "") + t.names[j];
  out += "\r\n";
  for (int r = 0; r < t.rows(); ++r) {
    for (char bit : Term::ofRow(r, t.inputs).pattern(t.inputs)) {
      out += bit;
      out += ',';
    }
    for (size_t j = 0; j < t.values.size(); ++j) {
      if (j) out += ',';
      out += t.values[j][static_cast<size_t>(r)];
    }
    out += "\r\n";
  }
  return out;
}

namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

std::vector<std::string_view> cells(std::string_view line) {
  std::vector<std::string_view> out;
  size_t start = 0;
  for (;;) {
    const size_t comma = line.find(',', start);
    out.push_back(trimmed(line.substr(start, comma - start)));
    if (comma == std::string_view::npos) return out;
    start = comma + 1;
  }
}

}  // namespace

CsvRead readMultiTableCsv(std::string_view text) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's BOM
  CsvRead out;
  auto fail = [&](CsvProblem p, int line) {
    CsvRead bad;
    bad.problem = p;
    bad.line = line;
    return bad;
  };
  std::vector<bool> seen;
  bool haveHeader = false;
  size_t columns = 0;
  int lineNo = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trimmed(text.substr(pos, end - pos));
    pos = end + 1;
    ++lineNo;
    if (line.empty()) continue;
    const std::vector<std::string_view> row = cells(line);
    if (!haveHeader) {
      int inputs = 0;
      // At most six inputs: a letter after f ("g") names an output.
      while (inputs < static_cast<int>(row.size()) && inputs < kMultiMaxInputs &&
             row[size_t(inputs)].size() == 1 && row[size_t(inputs)][0] == plainLetter(inputs))
        ++inputs;
      // The last column is an output even when it is the next letter: the
      // truth table exports five inputs as "a,b,c,d,e,f".
      if (inputs == static_cast<int>(row.size()) && inputs > 1) --inputs;
      if (inputs == 0) return fail(CsvProblem::NoInput, lineNo);
      const int outputs = static_cast<int>(row.size()) - inputs;
      if (outputs == 0) return fail(CsvProblem::NoOutput, lineNo);
      if (outputs > kMultiMaxOutputs) return fail(CsvProblem::TooManyOutputs, lineNo);
      std::set<std::string> names;
      for (size_t c = size_t(inputs); c < row.size(); ++c) {
        // A lone input letter ("f" of the truth table) would read back as an
        // input: it gets the output's own number instead.
        std::string name(row[c]);
        if (name.size() == 1 && isVariable(name[0]) && variableOf(name[0]) < kMultiMaxInputs) {
          const std::string own = "f" + std::to_string(c - size_t(inputs) + 1);
          out.renamed.push_back({name, own});
          name = own;
        }
        if (!validOutputName(name) || !names.insert(name).second)
          return fail(CsvProblem::BadName, lineNo);
        out.table.names.push_back(name);
      }
      out.table.inputs = inputs;
      out.table.values.assign(size_t(outputs), std::string(size_t(out.table.rows()), 'X'));
      seen.assign(size_t(out.table.rows()), false);
      columns = row.size();
      haveHeader = true;
      continue;
    }
    if (row.size() != columns) return fail(CsvProblem::ColumnCount, lineNo);
    int r = 0;
    for (int k = 0; k < out.table.inputs; ++k) {
      const std::string_view c = row[size_t(k)];
      if (c != "0" && c != "1") return fail(CsvProblem::BadInputCell, lineNo);
      r = r * 2 + (c[0] - '0');
    }
    if (seen[size_t(r)]) return fail(CsvProblem::DuplicateRow, lineNo);
    seen[size_t(r)] = true;
    for (int j = 0; j < out.table.outputs(); ++j) {
      const std::string_view c = row[size_t(out.table.inputs + j)];
      if (c != "0" && c != "1" && c != "X" && c != "x")
        return fail(CsvProblem::BadOutputCell, lineNo);
      out.table.values[size_t(j)][size_t(r)] = c == "x" ? 'X' : c[0];
    }
  }
  if (!haveHeader) return fail(CsvProblem::Empty, lineNo == 0 ? 1 : lineNo);
  for (int r = 0; r < out.table.rows(); ++r)
    if (!seen[size_t(r)]) out.missingRows.push_back(r);
  return out;
}

}  // namespace ronri
