#include "ui/windows/helpers/expression_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

#include "core/table/expression_file.h"
#include "ui/framework/help_service.h"
#include "ui/framework/messages.h"
#include "ui/framework/translation.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

namespace {

// An expression file of this size holds far more entries than anyone keeps;
// of a larger file (chosen by mistake) only the whole lines within the first
// part are read, so the window does not freeze for long, and the user is told.
constexpr qint64 kMaxFileBytes = 1024 * 1024;

FileDialogs g_dialogs;

QString runDialog(QWidget* parent, QFileDialog::AcceptMode mode) {
  const bool saving = mode == QFileDialog::AcceptSave;
  QFileDialog dialog(parent, saving ? QCoreApplication::translate("ronri::MainForm", "保存")
                                    : QCoreApplication::translate("ronri::MainForm", "開く"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // Lets the dialog ask before replacing "name.txt" when "name" is typed.
  if (saving) dialog.setDefaultSuffix(QStringLiteral("txt"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

QString chooseSaveName(QWidget* parent) {
  return g_dialogs.saveName ? g_dialogs.saveName(parent)
                            : runDialog(parent, QFileDialog::AcceptSave);
}

QString chooseOpenName(QWidget* parent) {
  return g_dialogs.openName ? g_dialogs.openName(parent)
                            : runDialog(parent, QFileDialog::AcceptOpen);
}

QString shown(const QString& fileName) {
  return QDir::toNativeSeparators(fileName);
}

}  // namespace

void setFileDialogs(FileDialogs dialogs) {
  g_dialogs = std::move(dialogs);
}

bool saveEntries(MainForm& form, const QString& chosenName) {
  QWidget* parent = form.widget();
  const QStringList stored = form.storedEntries();
  const QString fileName =
      QString::fromStdString(savedFileName(QDir::fromNativeSeparators(chosenName).toStdString()));
  std::vector<std::string> entries;
  for (const QString& entry : stored) entries.push_back(entry.toStdString());
  const std::string text = expressionFileText(entries);

  // Written to a temporary file and renamed over the old one only when all
  // of it is on disk.
  // write() only fills a buffer; flush() is where a full disk or a file-size
  // limit shows, and commit() would rename a cut file into place regardless.
  QSaveFile file(fileName);
  bool written = file.open(QIODevice::WriteOnly) &&
                 file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                 file.flush();
  written = written ? file.commit() : (file.cancelWriting(), false);
  if (!written) {
    showMessage(parent,
                QCoreApplication::translate("ronri::MainForm", "「%1」に保存できませんでした。")
                    .arg(shown(fileName)));
    return false;
  }
  // As after a click: the last entry is selected.
  if (!stored.isEmpty()) form.select(int(stored.size()) - 1);
  return true;
}

int openEntries(MainForm& form, const QString& fileName) {
  QWidget* parent = form.widget();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    showMessage(parent, QCoreApplication::translate("ronri::MainForm", "「%1」を開けませんでした。")
                            .arg(shown(fileName)));
    return 0;
  }
  QByteArray bytes = file.read(kMaxFileBytes);
  const bool cut = !file.atEnd();
  if (cut) {
    // Only whole lines count.
    const qsizetype lastBreak = std::max(bytes.lastIndexOf('\n'), bytes.lastIndexOf('\r'));
    bytes.truncate(lastBreak + 1);
  }
  const ExpressionFileContents contents =
      readExpressionFile(std::string_view(bytes.constData(), size_t(bytes.size())));
  if (!contents.readable) {
    showMessage(parent, QCoreApplication::translate("ronri::MainForm",
                                                    "「%1」は式のファイルとして読めませんでした。")
                            .arg(shown(fileName)));
    return 0;
  }
  QStringList entries;
  entries.reserve(qsizetype(contents.entries.size()));
  for (const std::string& entry : contents.entries)
    entries << QString::fromUtf8(entry.data(), qsizetype(entry.size()));
  form.store(entries);
  if (!contents.damagedDontCares.empty()) {
    QStringList numbers;
    for (size_t i : contents.damagedDontCares) numbers << QString::number(i + 1);
    showMessage(parent, QCoreApplication::translate(
                            "ronri::MainForm",
                            "「%1」の %2 番目の式は d(…) に読めない部分があったため、"
                            "その部分を除いて読みました。")
                            .arg(shown(fileName), numbers.join(QStringLiteral(", "))));
  }
  if (cut && contents.entries.size() < size_t(std::max(0LL, contents.announced + 1)))
    showMessage(parent,
                QCoreApplication::translate(
                    "ronri::MainForm", "「%1」は大きすぎるため、はじめの %2 件だけを読みました。")
                    .arg(shown(fileName))
                    .arg(entries.size()));
  return int(entries.size());
}

void saveExpressionList(MainForm& form) {
  if (!form.isOpen()) return;
  const QString name = chooseSaveName(form.widget());
  if (name.isEmpty()) return;  // cancelled
  saveEntries(form, name);
}

void openExpressionList(MainForm& form) {
  if (!form.isOpen()) return;
  const QString name = chooseOpenName(form.widget());
  if (name.isEmpty()) return;  // cancelled
  openEntries(form, name);
}

void showHelpContents(MainForm& form) {
  // The help comes in the interface language.
  const QString file = activeLanguage() == QLatin1String("en") ? QStringLiteral("help_en.hlp")
                                                               : QStringLiteral("help.hlp");
  HelpService::winHelp(form.widget(), file, HelpService::kHelpFinder, 0);
}

void showVersion(MainForm& form) {
  showMessage(form.widget(), QStringLiteral("ver2.1"));
}

}  // namespace ronri
