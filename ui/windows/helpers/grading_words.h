#pragma once
// The words of grading in the interface language: the verdicts, the reasons
// and the faults of lines, and the one way both the command line and
// "まとめて採点…" grade a pair of files.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

#include "core/teaching/grading.h"

namespace ronri {

QString gradeWord(Grade g);
// One reason; `n` is the number of variables of the problem.
QString reasonText(const AnswerReason& r, int n);
// Every reason of a verdict, one a line.
QStringList reasonTexts(const std::vector<AnswerReason>& reasons, int n);
// The detail column of a graded line.
QString gradeDetail(const GradedLine& g);

// The result CSV (UTF-8) of grading the answer file against the problem
// file; nullopt with `*error` set when a file cannot be read.
std::optional<QByteArray> gradeFiles(const QString& problemsPath, const QString& answersPath,
                                     QString* error);

// "ronrilab --grade PROBLEMS.csv ANSWERS.csv": `args` are the arguments after
// the program's name. Returns the exit code (0: graded, 2: bad arguments);
// the CSV goes to `out`, a usage message to `err`.
int runGradeCommand(const QStringList& args, QByteArray& out, QByteArray& err);
// Whether the arguments ask for grading rather than the windows.
bool asksForGrading(int argc, char** argv);

}  // namespace ronri
