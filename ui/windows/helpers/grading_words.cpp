#include "ui/windows/helpers/grading_words.h"

#include <QCoreApplication>
#include <QFile>
#include <cstring>

#include "core/table/truthtable.h"
#include "ui/windows/added/number_input_form.h"
#include "ui/windows/helpers/expression_field.h"

namespace ronri {

namespace {

// The texts' context for the translation tools.
struct Words {
  Q_DECLARE_TR_FUNCTIONS(ronri::Grading)
};

QString str(const std::string& s) {
  return QString::fromStdString(s);
}

QString faultText(const LineFault& f) {
  switch (f.kind) {
    case LineFault::None:
      return {};
    case LineFault::BadQuoting:
      return f.csv == CsvLineError::UnclosedQuote ? Words::tr("引用符が閉じていません")
                                                  : Words::tr("引用符の位置が正しくありません");
    case LineFault::FieldCount:
      return Words::tr("項目が %1 個ではありません").arg(f.expected);
    case LineFault::UnknownId:
      return Words::tr("問題 id「%1」は問題ファイルにありません").arg(str(f.id));
    case LineFault::EmptyAnswer:
      return Words::tr("答えが空です");
    case LineFault::BadAnswer:
      return Words::tr("答えの %1").arg(malformationText(f.malformation, f.variables));
    case LineFault::BadVariables:
      return Words::tr("変数の数が 1 から 10 の数ではありません");
    case LineFault::BadProblem:
      return NumberInputForm::errorText(f.rows, f.variables);
    case LineFault::DuplicateId:
      return Words::tr("id「%1」は前の行にもあります").arg(str(f.id));
  }
  return {};
}

QByteArray readAll(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = Words::tr("ファイル %1 を読めません").arg(path);
    return {};
  }
  return file.readAll();
}

}  // namespace

QString gradeWord(Grade g) {
  switch (g) {
    case Grade::Correct:
      return Words::tr("正解");
    case Grade::NotMinimal:
      return Words::tr("最小でない");
    case Grade::Different:
      return Words::tr("違う");
    case Grade::NotAForm:
      return Words::tr("積和形でも和積形でもない");
    case Grade::Unreadable:
      return Words::tr("読めない");
  }
  return {};
}

QString reasonText(const AnswerReason& r, int n) {
  switch (r.kind) {
    case AnswerReason::NotPrime:
      return Words::tr("%1 は主項ではありません（%2 を除けます）").arg(str(r.term), str(r.letter));
    case AnswerReason::MissingEssential:
      return Words::tr("必須主項 %1 がありません").arg(str(r.term));
    case AnswerReason::Redundant:
      return Words::tr("%1 は除けます（ほかの項で足ります）").arg(str(r.term));
    case AnswerReason::Differs: {
      QStringList rows;
      for (int row : r.rows) rows << QStringLiteral("%1 (%2)").arg(row).arg(str(rowBits(row, n)));
      if (size_t(r.count) > r.rows.size()) rows << QStringLiteral("…");
      return Words::tr("%1 行で値が違います: %2").arg(r.count).arg(rows.join(QStringLiteral(", ")));
    }
    case AnswerReason::Larger:
      return Words::tr("この答えは %1 項 %2 文字、最小は %3 項 %4 文字")
          .arg(r.answer.terms)
          .arg(r.answer.letters)
          .arg(r.minimum.terms)
          .arg(r.minimum.letters);
  }
  return {};
}

QStringList reasonTexts(const std::vector<AnswerReason>& reasons, int n) {
  QStringList out;
  for (const AnswerReason& r : reasons) out << reasonText(r, n);
  return out;
}

QString gradeDetail(const GradedLine& g) {
  if (g.fault.kind != LineFault::None) {
    const QString where =
        g.fault.inProblemFile ? Words::tr("問題ファイル %1 行目: ") : Words::tr("%1 行目: ");
    return where.arg(g.fault.line) + faultText(g.fault);
  }
  switch (g.grade) {
    case Grade::Correct:
      return g.verdict.asProductOfSums ? Words::tr("和積形で最小") : Words::tr("積和形で最小");
    case Grade::NotAForm:
      return Words::tr("値は等しい式です");
    default:
      return reasonTexts(g.reasons, g.variables).join(QStringLiteral(" / "));
  }
}

std::optional<QByteArray> gradeFiles(const QString& problemsPath, const QString& answersPath,
                                     QString* error) {
  QString why;
  const QByteArray problems = readAll(problemsPath, &why);
  const QByteArray answers = why.isEmpty() ? readAll(answersPath, &why) : QByteArray();
  if (!why.isEmpty()) {
    if (error) *error = why;
    return std::nullopt;
  }
  const GradingReport report = gradeAnswers(std::string_view(problems.data(), problems.size()),
                                            std::string_view(answers.data(), answers.size()));
  const GradingWords words{[](Grade g) { return gradeWord(g).toStdString(); },
                           [](const GradedLine& g) { return gradeDetail(g).toStdString(); }};
  return QByteArray::fromStdString(gradingCsv(report, words));
}

int runGradeCommand(const QStringList& args, QByteArray& out, QByteArray& err) {
  const QString usage = Words::tr("使い方: ronrilab --grade 問題ファイル.csv 答えファイル.csv\n");
  if (args.size() != 3 || args[0] != QLatin1String("--grade")) {
    err += usage.toUtf8();
    return 2;
  }
  QString why;
  const std::optional<QByteArray> csv = gradeFiles(args[1], args[2], &why);
  if (!csv) {
    err += (why + QLatin1Char('\n') + usage).toUtf8();
    return 2;
  }
  out += *csv;
  return 0;
}

bool asksForGrading(int argc, char** argv) {
  return argc > 1 && std::strcmp(argv[1], "--grade") == 0;
}

}  // namespace ronri
