#pragma once
// Grading a class: a problem file (CSV "id,variables,problem", the problem
// as m(…)+d(…)) and an answer file (CSV "student,id,answer"), each answer
// judged with its reasons, then a count of verdicts per problem. Lines that
// cannot be read are reported by number and the others are still graded.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/table/csv_reader.h"
#include "core/table/row_numbers.h"
#include "core/teaching/answer_reasons.h"

namespace ronri {

// In order of precedence: a line is unreadable before it is different,
// different before it is in neither form, and so on.
enum class Grade { Unreadable, Different, NotAForm, NotMinimal, Correct };
inline constexpr Grade kGrades[] = {Grade::Correct, Grade::NotMinimal, Grade::Different,
                                    Grade::NotAForm, Grade::Unreadable};

struct GradingProblem {
  std::string id;
  int variables = 0;
  std::string text;
  std::string values;  // per row '0', '1' or 'X'
};

// Why a line could not be graded.
struct LineFault {
  enum Kind {
    None,
    BadQuoting,    // the CSV quoting is broken (`csv` says how)
    FieldCount,    // not the `expected` number of fields
    UnknownId,     // `id` is in no line of the problem file
    EmptyAnswer,   // nothing to judge
    BadAnswer,     // the answer is no expression (`malformation`)
    BadVariables,  // problem file: not a number of variables 1..10
    BadProblem,    // problem file: the row numbers cannot be read (`rows`)
    DuplicateId,   // problem file: the id was used on an earlier line
  };
  Kind kind = None;
  bool inProblemFile = false;
  int line = 0;
  CsvLineError::Kind csv = CsvLineError::UnclosedQuote;
  int expected = 0;
  int variables = 0;  // of a problem whose rows cannot be read
  std::string id;
  Malformation malformation;
  RowNumberError rows;
};

struct GradedLine {
  int line = 0;  // of the answer file (for a fault of the problem file: of that one)
  std::string student, id, answer;
  Grade grade = Grade::Unreadable;
  LineFault fault;  // kind None unless unreadable
  int variables = 0;
  AnswerVerdict verdict;
  std::vector<AnswerReason> reasons;
};

struct ProblemTally {
  std::string id;
  int counts[5] = {};  // by Grade
};

struct GradingReport {
  std::vector<GradedLine> lines;      // the problem file's faults first, then the answers in order
  std::vector<ProblemTally> tallies;  // per problem, in the problem file's order
};

std::vector<GradingProblem> readProblems(std::string_view csv, std::vector<LineFault>* faults);
// The answer lines; lines that cannot be read come back as unreadable lines.
std::vector<GradedLine> readAnswers(std::string_view csv);

GradingReport gradeAnswers(std::string_view problemsCsv, std::string_view answersCsv);

// The report as CSV: "student,id,answer,verdict,detail" and a line per
// answer, a blank line, then "id" and a column per verdict with the counts.
// Lines end in CR LF. The words are the caller's, in its language.
struct GradingWords {
  std::function<std::string(Grade)> verdict;
  std::function<std::string(const GradedLine&)> detail;
};
std::string gradingCsv(const GradingReport& report, const GradingWords& words);

// A problem set as CSV "id,variables,problem".
struct Exercise;
std::string problemsCsv(const std::vector<Exercise>& problems);

}  // namespace ronri
