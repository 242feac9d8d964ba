#include "ui/windows/added/exercise_form.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/draw/tikz_document.h"
#include "core/teaching/grading.h"
#include "kmap/worksheet.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/messages.h"
#include "ui/framework/print_pages.h"

namespace ronri {

namespace {

const char* const kKindNames[] = {
    QT_TRANSLATE_NOOP("ronri::ExerciseForm", "指定なし"),
    QT_TRANSLATE_NOOP("ronri::ExerciseForm", "必須主項だけで決まる"),
    QT_TRANSLATE_NOOP("ronri::ExerciseForm", "巡回（必須主項なし）"),
    QT_TRANSLATE_NOOP("ronri::ExerciseForm", "最小解が複数"),
};

QSpinBox* spin(QWidget* parent, const QString& name, int low, int high, int value) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, high);
  s->setValue(value);
  return s;
}

std::string utf8(const QString& s) {
  return s.toStdString();
}

QString coverCount(long long n) {
  return n < 0 ? ExerciseForm::tr("多数") : QString::number(n);
}

}  // namespace

ExerciseForm::ExerciseForm(App& app)
    : Window(app, QStringLiteral("ExerciseForm"), tr("演習問題の作成")) {}

void ExerciseForm::buildChoices(QWidget* central, QFormLayout* form) {
  variables_ = spin(central, QStringLiteral("Variables"), 2, 6, 4);
  ones_ = spin(central, QStringLiteral("Ones"), 1, 63, 6);
  dontCares_ = spin(central, QStringLiteral("DontCares"), 0, 62, 1);
  kind_ = new QComboBox(central);
  kind_->setObjectName(QStringLiteral("Kind"));
  for (const char* k : kKindNames) kind_->addItem(tr(k));
  count_ = spin(central, QStringLiteral("Count"), 1, 200, 10);
  seed_ = spin(central, QStringLiteral("Seed"), 0, 999999999, 1);
  names_ = new QPlainTextEdit(central);
  names_->setObjectName(QStringLiteral("Names"));
  names_->setPlaceholderText(tr("一行に一人（空なら問題の数だけ）"));
  names_->setMaximumHeight(names_->fontMetrics().height() * 5);
  form->addRow(tr("変数の数"), variables_);
  form->addRow(tr("1 の行の数"), ones_);
  form->addRow(tr("X の行の数"), dontCares_);
  form->addRow(tr("種類"), kind_);
  form->addRow(tr("問題の数"), count_);
  form->addRow(tr("シード"), seed_);
  form->addRow(tr("生徒の名前"), names_);
  for (QSpinBox* s :
       {variables_.data(), ones_.data(), dontCares_.data(), count_.data(), seed_.data()})
    connect(s, &QSpinBox::valueChanged, this, &ExerciseForm::forget);
  connect(kind_, &QComboBox::currentIndexChanged, this, &ExerciseForm::forget);
  connect(names_, &QPlainTextEdit::textChanged, this, [this] {
    count_->setEnabled(names_->toPlainText().trimmed().isEmpty());
    forget();
  });
}

void ExerciseForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* form = new QFormLayout;
  buildChoices(central, form);
  auto* make = makeButton(central, QStringLiteral("Generate"), tr("作成"));
  connect(make, &QPushButton::clicked, this, &ExerciseForm::makeSet);
  preview_ = new QTableWidget(0, 3, central);
  preview_->setObjectName(QStringLiteral("Preview"));
  preview_->setHorizontalHeaderLabels({tr("id"), tr("名前"), tr("問題")});
  preview_->horizontalHeader()->setStretchLastSection(true);
  preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  preview_->setMinimumWidth(460);
  preview_->verticalHeader()->hide();
  status_ = new QLabel(central);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setWordWrap(true);
  auto* buttons = new QHBoxLayout;
  const struct {
    const char* name;
    QString caption;
    std::function<void()> act;
  } outputs[] = {
      {"SaveSheet", tr("問題用紙…"),
       [this] {
         saveAs(tr("問題用紙"), tr("PDF ファイル (*.pdf)"), "pdf", &ExerciseForm::saveSheet);
       }},
      {"SaveKey", tr("解答…"),
       [this] { saveAs(tr("解答"), tr("PDF ファイル (*.pdf)"), "pdf", &ExerciseForm::saveKey); }},
      {"SaveLatex", tr("LaTeXで保存…"),
       [this] { saveAs(tr("LaTeXで保存"), tr("LaTeX (*.tex)"), "tex", &ExerciseForm::saveLatex); }},
      {"SaveProblems", tr("問題ファイルを保存…"),
       [this] {
         saveAs(tr("問題ファイルを保存"), tr("CSV (*.csv)"), "csv", &ExerciseForm::saveProblems);
       }},
  };
  outputs_.clear();
  for (const auto& o : outputs) {
    auto* b = makeButton(central, QString::fromLatin1(o.name), o.caption);
    connect(b, &QPushButton::clicked, this, o.act);
    b->setEnabled(false);
    buttons->addWidget(b);
    outputs_.push_back(b);
  }
  auto* left = new QVBoxLayout;
  left->addLayout(form);
  left->addWidget(make);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(preview_);
  right->addWidget(status_);
  right->addLayout(buttons);
  auto* layout = new QHBoxLayout(central);
  layout->addLayout(left);
  layout->addLayout(right, 1);
  w->resize(1000, 540);
  problems_.clear();
}

ExerciseOptions ExerciseForm::options() const {
  ExerciseOptions o;
  o.variables = variables_->value();
  o.ones = ones_->value();
  o.dontCares = dontCares_->value();
  o.kind = ExerciseKind(kind_->currentIndex());
  o.count = count_->value();
  o.seed = uint32_t(seed_->value());
  for (const QString& line : names_->toPlainText().split(QLatin1Char('\n')))
    if (!line.trimmed().isEmpty()) o.names.push_back(utf8(line.trimmed()));
  return o;
}

void ExerciseForm::forget() {
  if (!preview_) return;
  problems_.clear();
  preview_->setRowCount(0);
  status_->clear();
  for (const auto& b : outputs_) b->setEnabled(false);
}

bool ExerciseForm::makeSet() {
  if (!isOpen()) return false;
  forget();
  const ExerciseOptions o = options();
  ExerciseSet set;
  {
    const BusyCursor busy;
    set = makeExercises(o);
  }
  showSet(set, o);
  return !set.problems.empty();
}

void ExerciseForm::showSet(const ExerciseSet& set, const ExerciseOptions& o) {
  const QString sizes =
      tr("%1 変数、1 の行 %2、X の行 %3").arg(o.variables).arg(o.ones).arg(o.dontCares);
  const QString kind = tr(kKindNames[int(o.kind)]);
  switch (set.failure) {
    case ExerciseSet::BadSize:
      status_->setText(tr("%1 では作れません。1 の行は 1 つ以上、1 の行と X の行は合わせて %2 "
                          "未満にしてください。")
                           .arg(sizes)
                           .arg(1 << o.variables));
      return;
    case ExerciseSet::NoneOfKind:
      status_->setText(tr("%1 の関数に「%2」のものはありません。").arg(sizes, kind));
      return;
    case ExerciseSet::NotFound:
      status_->setText(tr("%1 の関数に「%2」のものが見つかりませんでした。大きさを変えてください。")
                           .arg(sizes, kind));
      return;
    case ExerciseSet::TooFewKinds:
      status_->setText(
          tr("%1 の「%2」の関数は問題の数より少ないため、同じ問題があります。").arg(sizes, kind));
      break;
    case ExerciseSet::None:
      status_->setText(tr("%1 問（シード %2）").arg(set.problems.size()).arg(o.seed));
      break;
  }
  problems_ = set.problems;
  seedMade_ = o.seed;
  preview_->setRowCount(int(problems_.size()));
  for (size_t k = 0; k < problems_.size(); ++k) {
    const Exercise& e = problems_[k];
    const QString cells[] = {QString::fromStdString(e.id), QString::fromStdString(e.name),
                             QString::fromStdString(e.text())};
    for (int c = 0; c < 3; ++c) preview_->setItem(int(k), c, new QTableWidgetItem(cells[c]));
  }
  preview_->resizeColumnsToContents();
  for (const auto& b : outputs_) b->setEnabled(true);
}

QString ExerciseForm::title(bool key) const {
  return (key ? tr("演習問題の解答（シード %1）") : tr("演習問題（シード %1）")).arg(seedMade_);
}

namespace {

std::vector<DisplayList> pagesOf(const std::vector<Exercise>& problems, const QString& title,
                                 bool key) {
  kmap::SheetLabels labels;
  labels.heading = [](const Exercise& e) {
    const QString who = e.name.empty()
                            ? QString()
                            : ExerciseForm::tr("  名前: %1").arg(QString::fromStdString(e.name));
    return utf8(ExerciseForm::tr("問題 %1%2   %3 変数   f = %4")
                    .arg(QString::fromStdString(e.id), who)
                    .arg(e.variables)
                    .arg(QString::fromStdString(e.text())));
  };
  labels.writeOn = {utf8(ExerciseForm::tr("最小積和形")), utf8(ExerciseForm::tr("最小和積形"))};
  labels.key = [](const ExerciseKey& k) {
    const auto form = [](const QString& name, const std::string& text, long long covers,
                         FormSize size) {
      return std::vector<std::string>{
          utf8(name), "  " + text,
          utf8(ExerciseForm::tr("　（最小の被覆 %1 通り、%2 項 %3 文字）")
                   .arg(coverCount(covers))
                   .arg(size.terms)
                   .arg(size.letters))};
    };
    std::vector<std::string> lines = form(ExerciseForm::tr("最小積和形"), k.minimal.sumOfProducts,
                                          k.sopCovers, k.minimal.sopSize);
    for (std::string& l : form(ExerciseForm::tr("最小和積形"), k.minimal.productOfSums, k.posCovers,
                               k.minimal.posSize))
      lines.push_back(std::move(l));
    return lines;
  };
  return kmap::worksheetPages(utf8(title), kmap::sheetBlocks(problems, labels, key));
}

}  // namespace

std::vector<DisplayList> ExerciseForm::pages(bool key) const {
  return pagesOf(problems_, title(key), key);
}

QString ExerciseForm::saveSheet(const QString& path) const {
  const BusyCursor busy;
  return printPagesToPdf(path, pages(false), QString());
}

QString ExerciseForm::saveKey(const QString& path) const {
  const BusyCursor busy;
  return printPagesToPdf(path, pages(true), QString());
}

QString ExerciseForm::keyPathOf(const QString& latexPath) {
  const QFileInfo info(latexPath);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral("-key.tex"));
}

QString ExerciseForm::saveLatex(const QString& path) const {
  const BusyCursor busy;
  QString error;
  for (bool key : {false, true}) {
    const std::string tex =
        tikzDocument(pagesOf(problems_, title(key), key), kmap::kSheetWidth, kmap::kSheetHeight);
    if (!saveFileAtomically(key ? keyPathOf(path) : path, QByteArray::fromStdString(tex), &error))
      return error;
  }
  return {};
}

QString ExerciseForm::saveProblems(const QString& path) const {
  QString error;
  saveFileAtomically(path, QByteArray::fromStdString(problemsCsv(problems_)), &error);
  return error;
}

void ExerciseForm::saveAs(const QString& caption, const QString& filter, const QString& suffix,
                          QString (ExerciseForm::*save)(const QString&) const) {
  if (problems_.empty()) return;
  QString path = QFileDialog::getSaveFileName(widget(), caption, QString(), filter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  const QString why = (this->*save)(path);
  if (!why.isEmpty()) {
    showMessage(widget(), tr("%1 に保存できませんでした。\n%2").arg(path, why));
    return;
  }
  status_->setText(save == &ExerciseForm::saveLatex
                       ? tr("保存しました: %1 と %2").arg(path, keyPathOf(path))
                       : tr("保存しました: %1").arg(path));
}

}  // namespace ronri
