// Generated problems are of the size and kind asked, and the same seed gives
// the same set; grading gives the verdict and reasons a teacher would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/table/csv_reader.h"
#include "core/teaching/exercise_set.h"
#include "core/teaching/grading.h"

namespace ronri {
namespace {

// The kind read straight off the chart's columns, not through isOfKind.
::testing::AssertionResult hasKind(const Exercise& e, ExerciseKind kind) {
  const PrimeChart chart = exerciseChart(e);
  std::set<int> essential;
  for (const auto& coverers : chart.coverers)
    if (coverers.size() == 1) essential.insert(coverers[0]);
  bool essentialsCover = true;
  for (const auto& coverers : chart.coverers)
    essentialsCover &= std::any_of(coverers.begin(), coverers.end(),
                                   [&](int p) { return essential.count(p) > 0; });
  const bool ok = kind == ExerciseKind::EssentialOnly    ? essentialsCover
                  : kind == ExerciseKind::Cyclic         ? essential.empty()
                  : kind == ExerciseKind::SeveralMinimal ? chart.minimalCovers.size() >= 2
                                                         : true;
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << e.text() << " over " << e.variables << " is not of kind " << int(kind);
}

TEST(Exercises, EveryProblemHasTheSizeAndKindAskedAndTheSeedFixesTheSet) {
  struct Case {
    int n, ones, dontCares;
    ExerciseKind kind;
  };
  const Case cases[] = {
      {2, 2, 1, ExerciseKind::Any},
      {3, 4, 0, ExerciseKind::EssentialOnly},
      {3, 6, 0, ExerciseKind::Cyclic},
      {3, 4, 2, ExerciseKind::SeveralMinimal},
      {4, 7, 2, ExerciseKind::EssentialOnly},
      {4, 8, 0, ExerciseKind::Cyclic},
      {4, 6, 2, ExerciseKind::SeveralMinimal},
      {5, 12, 3, ExerciseKind::Cyclic},
      {6, 20, 6, ExerciseKind::SeveralMinimal},
  };
  for (const Case& c : cases) {
    ExerciseOptions o{c.n, c.ones, c.dontCares, c.kind, 6, 2024, {}};
    const ExerciseSet set = makeExercises(o);
    ASSERT_EQ(set.problems.size(), 6u) << c.n << " " << int(c.kind) << " failed " << set.failure;
    for (const Exercise& e : set.problems) {
      EXPECT_EQ(e.ones.size(), size_t(c.ones));
      EXPECT_EQ(e.dontCares.size(), size_t(c.dontCares));
      std::vector<int> both;
      std::set_intersection(e.ones.begin(), e.ones.end(), e.dontCares.begin(), e.dontCares.end(),
                            std::back_inserter(both));
      EXPECT_TRUE(both.empty()) << e.text();
      EXPECT_TRUE(hasKind(e, c.kind));
    }
    const auto texts = [](const ExerciseSet& s) {
      std::vector<std::string> t;
      for (const Exercise& e : s.problems) t.push_back(e.text());
      return t;
    };
    EXPECT_EQ(texts(makeExercises(o)), texts(set)) << "same seed, same set";
    if (c.n >= 4) {
      const std::vector<std::string> t = texts(set);
      EXPECT_EQ(std::set<std::string>(t.begin(), t.end()).size(), 6u) << "no repeats";
      o.seed = 2025;
      EXPECT_NE(texts(makeExercises(o)), texts(set));
    }
  }
}

TEST(Exercises, SizesThatCannotBeMetAreSaidSo) {
  ExerciseOptions o{2, 2, 0, ExerciseKind::Cyclic, 3, 1, {}};
  EXPECT_EQ(makeExercises(o).failure, ExerciseSet::NoneOfKind);
  EXPECT_TRUE(makeExercises(o).problems.empty());
  o = {3, 6, 2, ExerciseKind::Any, 3, 1, {}};  // no 0-row left
  EXPECT_EQ(makeExercises(o).failure, ExerciseSet::BadSize);
  o = {7, 6, 0, ExerciseKind::Any, 3, 1, {}};
  EXPECT_EQ(makeExercises(o).failure, ExerciseSet::BadSize);
  // Three functions of one 1-row among four, asked for five students.
  o = {2, 1, 0, ExerciseKind::Any, 0, 1, {"A", "B", "C", "D", "E"}};
  const ExerciseSet set = makeExercises(o);
  EXPECT_EQ(set.failure, ExerciseSet::TooFewKinds);
  ASSERT_EQ(set.problems.size(), 5u);
  EXPECT_EQ(set.problems[4].name, "E");
}

// The std::mt19937 output is fixed by the standard; so must ours be.
TEST(Exercises, DrawsAreTheSameOnEveryLibrary) {
  std::mt19937 engine(7);
  std::vector<uint32_t> got;
  for (int k = 0; k < 6; ++k) got.push_back(portableBelow(engine, 10));
  std::mt19937 again(7);
  for (int k = 0; k < 6; ++k) EXPECT_EQ(got[size_t(k)], uint32_t(again() % 10));
}

std::string reasonKinds(const GradedLine& g) {
  std::string s;
  for (const AnswerReason& r : g.reasons) {
    static const char* names[] = {"NotPrime", "MissingEssential", "Redundant", "Differs", "Larger"};
    s += std::string(s.empty() ? "" : " ") + names[r.kind];
    if (!r.letter.empty()) s += "(" + r.term + "/" + r.letter + ")";
  }
  return s;
}

TEST(Grading, VerdictsAndReasonsOfAClass) {
  const std::string problems =
      "id,variables,problem\r\n"
      "c3,3,\"m(1,3,5,7)\"\r\n"
      "z4,4,\"m(0,1,2,3)+d(4)\"\r\n"
      "bad,x,\"m(1)\"\r\n";
  // A byte-order mark, CR LF, a field with a quote and a comma, a broken
  // quote, a short line, an unknown id.
  const std::string answers =
      "\xEF\xBB\xBFstudent,id,answer\r\n"
      "Aoki,c3,c\r\n"
      "Baba,c3,a*c+~a*c\r\n"
      "Chiba,c3,c+b*c\r\n"
      "Doi,c3,b\r\n"
      "Endo,c3,(a+c)*(~a+c)+c*b\r\n"
      "Fujii,c3,(c\r\n"
      "\"Goto, \"\"G\"\"\",z4,(~a+b)*(~a+~b)*~b\r\n"
      "Hara,z4,~a*~b\r\n"
      "Ito,c3,\"c\r\n"
      "Kudo,c3\r\n"
      "Mori,q9,c\r\n"
      "Noda,c3,\r\n";
  const GradingReport report = gradeAnswers(problems, answers);
  struct Want {
    int line;
    Grade grade;
    LineFault::Kind fault;
    const char* reasons;
  };
  const Want want[] = {
      {4, Grade::Unreadable, LineFault::BadVariables, ""},
      {2, Grade::Correct, LineFault::None, ""},
      {3, Grade::NotMinimal, LineFault::None,
       "NotPrime(a*c/a) NotPrime(~a*c/~a) MissingEssential Larger"},
      {4, Grade::NotMinimal, LineFault::None, "NotPrime(b*c/b) Redundant Larger"},
      {5, Grade::Different, LineFault::None, "Differs"},
      {6, Grade::NotAForm, LineFault::None, ""},
      {7, Grade::Unreadable, LineFault::BadAnswer, ""},
      {8, Grade::NotMinimal, LineFault::None,
       "NotPrime((~a+b)/b) NotPrime((~a+~b)/~a) Redundant MissingEssential Larger"},
      {9, Grade::Correct, LineFault::None, ""},
      {10, Grade::Unreadable, LineFault::BadQuoting, ""},
      {11, Grade::Unreadable, LineFault::FieldCount, ""},
      {12, Grade::Unreadable, LineFault::UnknownId, ""},
      {13, Grade::Unreadable, LineFault::EmptyAnswer, ""},
  };
  ASSERT_EQ(report.lines.size(), std::size(want));
  for (size_t k = 0; k < std::size(want); ++k) {
    const GradedLine& g = report.lines[k];
    SCOPED_TRACE("line " + std::to_string(g.line) + " " + g.student + ": " + g.answer);
    EXPECT_EQ(g.line, want[k].line);
    EXPECT_EQ(g.grade, want[k].grade);
    EXPECT_EQ(g.fault.kind, want[k].fault);
    EXPECT_EQ(reasonKinds(g), want[k].reasons);
  }
  EXPECT_EQ(report.lines[7].student, "Goto, \"G\"");
  EXPECT_EQ(report.lines[4].reasons[0].rows, (std::vector<int>{1, 2, 5, 6}));
  EXPECT_EQ(report.lines[11].fault.id, "q9");
  ASSERT_EQ(report.tallies.size(), 2u);
  EXPECT_THAT(report.tallies[0].counts, ::testing::ElementsAre(2, 1, 1, 2, 1));
  // The CSV written reads back as the same fields, the quoted name included.
  const GradingWords words{[](Grade g) { return "g" + std::to_string(int(g)); },
                           [](const GradedLine& g) { return "line, " + std::to_string(g.line); }};
  const CsvText back = readCsv(gradingCsv(report, words));
  EXPECT_TRUE(back.errors.empty());
  ASSERT_EQ(back.records.size(), 1 + report.lines.size() + 1 + 2);
  EXPECT_EQ(back.records[8].fields,
            (std::vector<std::string>{"Goto, \"G\"", "z4", "(~a+b)*(~a+~b)*~b", "g3", "line, 8"}));
  EXPECT_EQ(back.records.back().fields, (std::vector<std::string>{"z4", "1", "1", "0", "0", "0"}));
}

}  // namespace
}  // namespace ronri
