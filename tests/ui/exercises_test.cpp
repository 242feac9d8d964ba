// The exercise dialog and class grading as a teacher uses them: a set made,
// saved and printed, a class's answers graded in the window and on the
// command line with the same CSV.
#include <QFile>
#include <QPrinter>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "core/teaching/exercise_key.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/print_pages.h"
#include "ui/windows/added/exercise_form.h"
#include "ui/windows/added/grading_form.h"
#include "ui/windows/helpers/grading_words.h"
#include "ui_helpers.h"

namespace ronri {
namespace {

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

TEST(ExerciseWindows, ASetIsMadeSavedAndItsKeyGradesCorrectInTheWindowAndOnTheCommandLine) {
  App app;
  ExerciseForm& ex = *app.exercises;
  ex.show();
  test::find<QSpinBox>(ex, "Variables")->setValue(4);
  test::find<QSpinBox>(ex, "Ones")->setValue(7);
  test::find<QSpinBox>(ex, "DontCares")->setValue(2);
  test::find<QComboBox>(ex, "Kind")->setCurrentIndex(3);  // several minimal answers
  test::find<QPlainTextEdit>(ex, "Names")->setPlainText("Aoki\n\nBaba\n青木");
  EXPECT_FALSE(test::enabled(ex, "SaveSheet"));
  test::click(ex, "Generate");
  ASSERT_EQ(test::find<QTableWidget>(ex, "Preview")->rowCount(), 3);
  EXPECT_EQ(test::find<QTableWidget>(ex, "Preview")->item(2, 1)->text(), "青木");
  EXPECT_TRUE(test::enabled(ex, "SaveSheet"));

  QTemporaryDir dir;
  const QString problems = dir.filePath("problems.csv");
  ASSERT_EQ(ex.saveProblems(problems), QString());
  ASSERT_EQ(ex.saveSheet(dir.filePath("sheet.pdf")), QString());
  ASSERT_EQ(ex.saveKey(dir.filePath("key.pdf")), QString());
  EXPECT_TRUE(fileBytes(dir.filePath("key.pdf")).startsWith("%PDF"));
  // A page of the key on A4 prints whole, its smallest text at 6 pt or more.
  QPrinter a4(QPrinter::HighResolution);
  a4.setPageSize(QPageSize(QPageSize::A4));
  const std::vector<DisplayList> keyPages = ex.pages(true);
  const QSizeF area = a4.pageRect(QPrinter::DevicePixel).size() - QSizeF(0, a4.resolution() / 3);
  EXPECT_EQ(planPrint(renderedSize(keyPages[0]), 7, area, a4.resolution()).pages(), 1);
  ASSERT_EQ(ex.saveLatex(dir.filePath("sheet.tex")), QString());
  EXPECT_TRUE(fileBytes(dir.filePath("sheet-key.tex")).contains("\\begin{tikzpicture}"));
  EXPECT_NE(ex.saveProblems(dir.filePath("no/such/folder.csv")), QString());

  // Each student answers with the key's two forms, one with a Windows line
  // end, one written badly, one to a problem that does not exist.
  QByteArray answers = "\xEF\xBB\xBFstudent,id,answer\r\n";
  for (const Exercise& e : ex.problems()) {
    const ExerciseKey k = exerciseKey(e);
    answers +=
        QByteArray::fromStdString(e.name + "," + e.id + "," + k.minimal.sumOfProducts + "\r\n" +
                                  e.name + "," + e.id + ",\"" + k.minimal.productOfSums + "\"\r\n");
  }
  answers += "Doi,1,(a\r\nEndo,99,a\r\n\"Fuji,1,a\r\n";
  write(dir.filePath("answers.csv"), answers);

  QByteArray out, err;
  ASSERT_EQ(runGradeCommand({"--grade", problems, dir.filePath("answers.csv")}, out, err), 0);
  EXPECT_TRUE(err.isEmpty());
  EXPECT_EQ(out.count("正解"), 6 + 1) << out.toStdString();  // six answers and the count header
  EXPECT_TRUE(out.contains("99")) << "the unknown id is named";
  EXPECT_TRUE(out.contains("\r\n1,2,0,0,0,1\r\n")) << out.toStdString();

  GradingForm& g = *app.grading;
  g.show();
  test::find<QLineEdit>(g, "ProblemsFile")->setText(problems);
  test::find<QLineEdit>(g, "AnswersFile")->setText(dir.filePath("answers.csv"));
  test::click(g, "Grade");
  EXPECT_EQ(g.resultCsv(), out);
  EXPECT_EQ(test::find<QTableWidget>(g, "ResultTable")->rowCount(), 9);
  EXPECT_EQ(test::find<QTableWidget>(g, "SummaryTable")->rowCount(), 3);
  ASSERT_EQ(g.saveResult(dir.filePath("result.csv")), QString());
  EXPECT_EQ(fileBytes(dir.filePath("result.csv")), out);

  EXPECT_EQ(runGradeCommand({"--grade", problems}, out, err), 2);
  EXPECT_TRUE(err.contains("--grade"));
}

TEST(ExerciseWindows, AKindTheSizesCannotHaveIsSaidAndNothingIsOffered) {
  App app;
  ExerciseForm& ex = *app.exercises;
  ex.show();
  test::find<QSpinBox>(ex, "Variables")->setValue(2);
  test::find<QSpinBox>(ex, "Ones")->setValue(2);
  test::find<QSpinBox>(ex, "DontCares")->setValue(0);
  test::find<QComboBox>(ex, "Kind")->setCurrentIndex(2);  // cyclic
  test::click(ex, "Generate");
  EXPECT_EQ(test::find<QTableWidget>(ex, "Preview")->rowCount(), 0);
  EXPECT_TRUE(test::find<QLabel>(ex, "StatusLabel")->text().contains("巡回"));
  EXPECT_FALSE(test::enabled(ex, "SaveProblems"));
}

}  // namespace
}  // namespace ronri
