#include "core/teaching/grading.h"

#include <algorithm>
#include <map>

#include "core/expression/expression.h"
#include "core/table/csv_reader.h"
#include "core/teaching/exercise_set.h"

namespace ronri {

namespace {

std::string trimmed(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t");
  if (b == std::string_view::npos) return {};
  return std::string(s.substr(b, s.find_last_not_of(" \t") - b + 1));
}

std::string lowered(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

// Whether a record is the header line `names` ("id,variables,problem").
bool isHeader(const CsvRecord& r, const std::vector<std::string>& names) {
  if (r.fields.size() != names.size()) return false;
  for (size_t k = 0; k < names.size(); ++k)
    if (lowered(trimmed(r.fields[k])) != names[k]) return false;
  return true;
}

LineFault fault(LineFault::Kind kind, int line, bool problemFile) {
  LineFault f;
  f.kind = kind;
  f.line = line;
  f.inProblemFile = problemFile;
  return f;
}

// The records after the header line, the faults of the quoting beside them.
std::vector<CsvRecord> dataRecords(std::string_view csv, const std::vector<std::string>& header,
                                   bool problemFile, std::vector<LineFault>& faults) {
  CsvText text = readCsv(csv);
  for (const CsvLineError& e : text.errors) {
    LineFault f = fault(LineFault::BadQuoting, e.line, problemFile);
    f.csv = e.kind;
    faults.push_back(f);
  }
  if (!text.records.empty() && isHeader(text.records.front(), header))
    text.records.erase(text.records.begin());
  for (auto it = text.records.begin(); it != text.records.end();) {
    if (it->fields.size() == header.size()) {
      ++it;
      continue;
    }
    LineFault f = fault(LineFault::FieldCount, it->line, problemFile);
    f.expected = int(header.size());
    faults.push_back(f);
    it = text.records.erase(it);
  }
  return std::move(text.records);
}

std::optional<int> variableCount(const std::string& field) {
  const std::string t = trimmed(field);
  if (t.empty() || t.size() > 2 ||
      !std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  const int n = std::stoi(t);
  if (n < 1 || n > kMaxVariables) return std::nullopt;
  return n;
}

GradedLine unreadable(const LineFault& f) {
  GradedLine g;
  g.line = f.line;
  g.fault = f;
  g.id = f.id;
  return g;
}

void judge(GradedLine& g, const GradingProblem& p) {
  g.variables = p.variables;
  if (trimmed(g.answer).empty()) {
    g.fault = fault(LineFault::EmptyAnswer, g.line, false);
    return;
  }
  // An answer may be typed with blanks; the expression has none.
  std::string bare;
  for (char c : g.answer)
    if (c != ' ' && c != '\t') bare += c;
  g.verdict = checkAnswer(p.values, p.variables, bare, 16);
  if (g.verdict.kind == AnswerVerdict::Unreadable) {
    g.fault = fault(LineFault::BadAnswer, g.line, false);
    g.fault.malformation = g.verdict.malformation.value_or(Malformation{});
    g.fault.variables = p.variables;
    return;
  }
  switch (g.verdict.kind) {
    case AnswerVerdict::Correct:
      g.grade = Grade::Correct;
      break;
    case AnswerVerdict::NotMinimal:
      g.grade = Grade::NotMinimal;
      break;
    case AnswerVerdict::Different:
      g.grade = Grade::Different;
      break;
    default:
      g.grade = Grade::NotAForm;
  }
  g.reasons = answerReasons(p.values, p.variables, bare, g.verdict);
}

}  // namespace

std::vector<GradingProblem> readProblems(std::string_view csv, std::vector<LineFault>* faults) {
  std::vector<LineFault> found;
  std::vector<GradingProblem> problems;
  for (const CsvRecord& r : dataRecords(csv, {"id", "variables", "problem"}, true, found)) {
    const std::string id = trimmed(r.fields[0]);
    const std::optional<int> n = variableCount(r.fields[1]);
    if (!n) {
      found.push_back(fault(LineFault::BadVariables, r.line, true));
      found.back().id = id;
      continue;
    }
    const RowNumbers rows = parseRowFunction(trimmed(r.fields[2]), *n);
    if (rows.error) {
      LineFault f = fault(LineFault::BadProblem, r.line, true);
      f.id = id;
      f.rows = *rows.error;
      f.variables = *n;
      found.push_back(f);
      continue;
    }
    if (std::any_of(problems.begin(), problems.end(), [&](const auto& p) { return p.id == id; })) {
      found.push_back(fault(LineFault::DuplicateId, r.line, true));
      found.back().id = id;
      continue;
    }
    problems.push_back({id, *n, trimmed(r.fields[2]), functionValues(rows)});
  }
  std::sort(found.begin(), found.end(),
            [](const auto& a, const auto& b) { return a.line < b.line; });
  if (faults) *faults = std::move(found);
  return problems;
}

std::vector<GradedLine> readAnswers(std::string_view csv) {
  std::vector<LineFault> faults;
  const std::vector<CsvRecord> records =
      dataRecords(csv, {"student", "id", "answer"}, false, faults);
  std::vector<GradedLine> lines;
  for (const LineFault& f : faults) lines.push_back(unreadable(f));
  for (const CsvRecord& r : records) {
    GradedLine g;
    g.line = r.line;
    g.student = trimmed(r.fields[0]);
    g.id = trimmed(r.fields[1]);
    g.answer = trimmed(r.fields[2]);
    lines.push_back(std::move(g));
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const auto& a, const auto& b) { return a.line < b.line; });
  return lines;
}

GradingReport gradeAnswers(std::string_view problemsCsv, std::string_view answersCsv) {
  GradingReport report;
  std::vector<LineFault> problemFaults;
  const std::vector<GradingProblem> problems = readProblems(problemsCsv, &problemFaults);
  for (const LineFault& f : problemFaults) report.lines.push_back(unreadable(f));
  std::map<std::string, size_t> index;
  for (const GradingProblem& p : problems) {
    index[p.id] = report.tallies.size();
    report.tallies.push_back({p.id});
  }
  for (GradedLine& g : readAnswers(answersCsv)) {
    if (g.fault.kind == LineFault::None) {
      const auto it = index.find(g.id);
      if (it == index.end()) {
        g.fault = fault(LineFault::UnknownId, g.line, false);
        g.fault.id = g.id;
      } else {
        judge(g, problems[it->second]);
        ++report.tallies[it->second].counts[int(g.grade)];
      }
    }
    report.lines.push_back(std::move(g));
  }
  return report;
}

std::string gradingCsv(const GradingReport& report, const GradingWords& words) {
  std::string out = "student,id,answer,verdict,detail\r\n";
  for (const GradedLine& g : report.lines)
    out += csvLine({g.student, g.id, g.answer, words.verdict(g.grade), words.detail(g)}) + "\r\n";
  out += "\r\n";
  std::vector<std::string> header{"id"};
  for (Grade k : kGrades) header.push_back(words.verdict(k));
  out += csvLine(header) + "\r\n";
  for (const ProblemTally& t : report.tallies) {
    std::vector<std::string> line{t.id};
    for (Grade k : kGrades) line.push_back(std::to_string(t.counts[int(k)]));
    out += csvLine(line) + "\r\n";
  }
  return out;
}

std::string problemsCsv(const std::vector<Exercise>& problems) {
  std::string out = "id,variables,problem\r\n";
  for (const Exercise& e : problems)
    out += csvLine({e.id, std::to_string(e.variables), e.text()}) + "\r\n";
  return out;
}

}  // namespace ronri
