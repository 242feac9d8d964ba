#include "ui/windows/added/grading_form.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/table/csv_reader.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/messages.h"
#include "ui/windows/helpers/grading_words.h"

namespace ronri {

namespace {

constexpr int kResultFields = 5;  // student,id,answer,verdict,detail

QTableWidget* table(QWidget* parent, const QString& name) {
  auto* t = new QTableWidget(parent);
  t->setObjectName(name);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->horizontalHeader()->setStretchLastSection(true);
  t->verticalHeader()->hide();
  return t;
}

void fill(QTableWidget* t, const std::vector<CsvRecord>& records) {
  t->clear();
  t->setRowCount(records.empty() ? 0 : int(records.size()) - 1);
  t->setColumnCount(records.empty() ? 0 : int(records[0].fields.size()));
  if (records.empty()) return;
  QStringList header;
  for (const std::string& f : records[0].fields) header << QString::fromStdString(f);
  t->setHorizontalHeaderLabels(header);
  for (size_t r = 1; r < records.size(); ++r)
    for (size_t c = 0; c < records[r].fields.size(); ++c) {
      auto* item = new QTableWidgetItem(QString::fromStdString(records[r].fields[c]));
      item->setToolTip(item->text());  // a long detail is read whole here
      t->setItem(int(r - 1), int(c), item);
    }
  t->resizeColumnsToContents();
}

}  // namespace

GradingForm::GradingForm(App& app)
    : Window(app, QStringLiteral("GradingForm"), tr("まとめて採点")) {}

QLineEdit* GradingForm::fileRow(QWidget* central, QGridLayout* grid, int row, const QString& name,
                                const QString& label) {
  auto* edit = new QLineEdit(central);
  edit->setObjectName(name);
  edit->setMinimumWidth(360);
  auto* browse = makeButton(central, QStringLiteral("Browse") + name, tr("参照…"));
  connect(browse, &QPushButton::clicked, this, [this, edit, label] {
    const QString path = QFileDialog::getOpenFileName(widget(), label, edit->text(),
                                                      tr("CSV (*.csv);;すべてのファイル (*)"));
    if (!path.isEmpty()) edit->setText(path);
  });
  connect(edit, &QLineEdit::textChanged, this, [this] { save_->setEnabled(false); });
  grid->addWidget(new QLabel(label, central), row, 0);
  grid->addWidget(edit, row, 1);
  grid->addWidget(browse, row, 2);
  return edit;
}

void GradingForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* grid = new QGridLayout;
  save_ = makeButton(central, QStringLiteral("SaveResult"), tr("結果を保存…"));
  save_->setEnabled(false);
  problems_ = fileRow(central, grid, 0, QStringLiteral("ProblemsFile"), tr("問題ファイル"));
  answers_ = fileRow(central, grid, 1, QStringLiteral("AnswersFile"), tr("答えのファイル"));
  auto* gradeButton = makeButton(central, QStringLiteral("Grade"), tr("採点"));
  connect(gradeButton, &QPushButton::clicked, this, &GradingForm::grade);
  connect(save_, &QPushButton::clicked, this, [this] {
    QString path =
        QFileDialog::getSaveFileName(widget(), tr("結果を保存"), QString(), tr("CSV (*.csv)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
    const QString why = saveResult(path);
    if (!why.isEmpty()) showMessage(widget(), tr("%1 に保存できませんでした。\n%2").arg(path, why));
  });
  grid->addWidget(gradeButton, 2, 1, Qt::AlignLeft);
  results_ = table(central, QStringLiteral("ResultTable"));
  summary_ = table(central, QStringLiteral("SummaryTable"));
  summary_->setMaximumHeight(160);
  status_ = new QLabel(central);
  status_->setObjectName(QStringLiteral("StatusLabel"));
  status_->setWordWrap(true);
  auto* layout = new QVBoxLayout(central);
  layout->addLayout(grid);
  layout->addWidget(results_, 1);
  layout->addWidget(new QLabel(tr("問題ごとの集計"), central));
  layout->addWidget(summary_);
  layout->addWidget(status_);
  layout->addWidget(save_, 0, Qt::AlignRight);
  w->resize(900, 600);
}

bool GradingForm::grade() {
  if (!isOpen()) return false;
  result_.clear();
  save_->setEnabled(false);
  QString why;
  std::optional<QByteArray> csv;
  {
    const BusyCursor busy;
    csv = gradeFiles(problems_->text(), answers_->text(), &why);
  }
  if (!csv) {
    results_->setRowCount(0);
    summary_->setRowCount(0);
    status_->setText(why);
    showMessage(widget(), why);
    return false;
  }
  result_ = *csv;
  showResult();
  save_->setEnabled(true);
  return true;
}

// The window shows the CSV itself: its answer lines, then its count lines.
void GradingForm::showResult() {
  const CsvText text = readCsv(std::string_view(result_.constData(), size_t(result_.size())));
  std::vector<CsvRecord> lines, counts;
  for (const CsvRecord& r : text.records)
    (r.fields.size() == kResultFields ? lines : counts).push_back(r);
  fill(results_, lines);
  fill(summary_, counts);
  status_->setText(tr("%1 行を採点しました").arg(lines.empty() ? 0 : lines.size() - 1));
}

QString GradingForm::saveResult(const QString& path) const {
  QString error;
  saveFileAtomically(path, result_, &error);
  return error;
}

}  // namespace ronri
