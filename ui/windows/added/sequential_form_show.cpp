// Showing the design's stages again after a change: reduction, the costs of
// the assignments, the excitation table, the maps and the equations.
#include <QButtonGroup>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/draw/display_list.h"
#include "kmap/function_map.h"
#include "sequential/implication_drawing.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/expression_font.h"
#include "ui/windows/added/sequential_form.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

using seq::AssignmentChoice;

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

QString codeText(uint32_t code, int bits) {
  QString s;
  for (int b = bits - 1; b >= 0; --b) s += (code >> b & 1) ? QLatin1Char('1') : QLatin1Char('0');
  return s;
}

QString stateWithCode(const seq::Machine& m, const seq::StateCodes& codes, int s) {
  if (s == seq::kUnspecified) return QStringLiteral("-");
  if (size_t(s) >= codes.code.size()) return q(m.names[size_t(s)]);
  return QStringLiteral("%1 (%2)").arg(q(m.names[size_t(s)]),
                                       codeText(codes.code[size_t(s)], codes.bits));
}

void fill(QTableWidget* t, const QStringList& heads, const std::vector<QStringList>& rows) {
  t->clear();
  t->setColumnCount(int(heads.size()));
  t->setHorizontalHeaderLabels(heads);
  t->setRowCount(int(rows.size()));
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c = 0; c < rows[r].size() && c < heads.size(); ++c)
      t->setItem(int(r), c, new QTableWidgetItem(rows[r][c]));
  t->resizeColumnsToContents();
}

QString classesText(const seq::Machine& m, const seq::Reduction& r) {
  QStringList groups;
  for (const std::vector<int>& c : r.classes) {
    if (c.size() < 2) continue;
    QStringList names;
    for (int s : c) names << q(m.names[size_t(s)]);
    groups << QLatin1Char('{') + names.join(QStringLiteral(", ")) + QLatin1Char('}');
  }
  return groups.join(QStringLiteral("  "));
}

}  // namespace

void SequentialForm::showReduction() {
  if (!isOpen()) return;
  const seq::Reduction& r = reduction_;
  const int passes = int(r.passes.size());
  {
    const QSignalBlocker quiet(pass_);
    const bool atEnd = pass_->value() >= pass_->maximum();
    pass_->setRange(0, std::max(0, passes - 1));
    if (atEnd) pass_->setValue(pass_->maximum());
  }
  pass_->setEnabled(r.status == seq::ReductionStatus::Reduced && passes > 1);
  DisplayList grid;
  seq::DrawingSize size;
  if (r.status == seq::ReductionStatus::Reduced)
    size = seq::drawImplicationTable(grid, machine_, r, pass_->value());
  implication_->setDrawing(grid, size.width, size.height);
  QString text;
  if (r.status == seq::ReductionStatus::NotSpecified)
    text =
        tr("未定（-）の欄がある状態表は、そのまま設計します。未定の欄をどう決めるかで等価な状態が"
           "変わるため、含意表では簡単化しません。");
  else if (r.status == seq::ReductionStatus::Unsound)
    text = tr("状態表が正しくありません。");
  else if (r.reduced.states() == machine_.states())
    text =
        tr("出力で区別される組に ✕、そのあと含意する組に ✕ のある組に ✕ をパスごとに付けます。"
           "等価な状態はなく、状態表はこれ以上簡単になりません。");
  else
    text = tr("出力で区別される組に ✕、そのあと含意する組に ✕ のある組に ✕ をパスごとに付けます。"
              "等価な状態: %1。%2 状態を %3 状態にした表で設計します。")
               .arg(classesText(machine_, r))
               .arg(machine_.states())
               .arg(r.reduced.states());
  reductionNote_->setText(text);
  const seq::Machine& m = designed_;
  QStringList heads{tr("現状態")};
  for (int x = 0; x < m.combinations(); ++x)
    heads << tr("次状態") +
                 (m.inputs ? QStringLiteral(" %1").arg(q(seq::inputBits(x, m.inputs))) : QString());
  if (m.outputs > 0) heads << tr("出力");
  std::vector<QStringList> rows;
  for (int s = 0; s < m.states(); ++s) {
    QStringList row{q(m.names[size_t(s)])};
    QStringList outs;
    for (int x = 0; x < m.combinations(); ++x) {
      const int next = m.table[size_t(s)][size_t(x)].next;
      row << (next == seq::kUnspecified ? QStringLiteral("-") : q(m.names[size_t(next)]));
      if (m.kind == seq::MachineKind::Mealy) outs << q(seq::outputsAt(m, s, x));
    }
    if (m.outputs > 0)
      row << (m.kind == seq::MachineKind::Moore ? q(m.stateOutputs[size_t(s)])
                                                : outs.join(QLatin1Char(' ')));
    rows.push_back(row);
  }
  fill(reduced_, heads, rows);
}

void SequentialForm::showCosts() {
  if (!isOpen()) return;
  if (QAbstractButton* b = choices_->button(int(choice_))) b->setChecked(true);
  for (size_t k = 0; k < costLabels_.size(); ++k) {
    QString text = tr("計算中…");
    if (k < costs_.size()) {
      const seq::ChoiceCost& c = costs_[k];
      text = c.available ? tr("積項 %1・リテラル %2（フリップフロップ %3 個）")
                               .arg(c.cost.terms)
                               .arg(c.cost.letters)
                               .arg(c.codes.bits)
                         : tr("変数が多すぎて最小化できません");
    }
    costLabels_[k]->setText(text);
  }
  QString best;
  if (costs_.size() == 4)
    best = costs_[3].proven
               ? tr("「最良」は、対称なものを除くすべての割り当てを調べた最小です。")
               : tr("「最良」は、制限時間（2 秒）内に見つかった最良の割り当てです（最小とは"
                    "限りません）。");
  else
    best = tr("「最良」の割り当てを探しています（2 秒まで）。その間も操作できます。");
  bestNote_->setText(best);
  std::vector<QStringList> rows;
  for (int s = 0; s < designed_.states(); ++s)
    rows.push_back({stateWithCode(designed_, design_.codes, s)});
  fill(codes_,
       {tr("状態と符号") + QStringLiteral(" (Q%1…Q0)").arg(std::max(0, design_.codes.bits - 1))},
       rows);
}

void SequentialForm::showExcitation() {
  if (!isOpen()) return;
  flipFlops_->setCurrentIndex(int(flipFlop_));
  const seq::Machine& m = designed_;
  const int perFlipFlop = int(seq::flipFlopInputNames(flipFlop_).size());
  const int ffFunctions = design_.codes.bits * perFlipFlop;
  QStringList heads{tr("現状態")};
  if (m.inputs > 0) heads << tr("入力");
  heads << tr("次状態");
  for (size_t k = 0; k < design_.functions.size(); ++k) heads << q(design_.functions[k].name);
  // Without the functions (too many variables) the columns are named here.
  if (design_.functions.empty())
    for (int b = design_.codes.bits - 1; b >= 0; --b)
      for (const std::string& n : seq::flipFlopInputNames(flipFlop_))
        heads << q(n) + QString::number(b);
  std::vector<QStringList> rows;
  for (const seq::ExcitationRow& r : design_.rows) {
    QStringList row{stateWithCode(m, design_.codes, r.state)};
    if (m.inputs > 0) row << q(seq::inputBits(r.input, m.inputs));
    row << stateWithCode(m, design_.codes, r.next);
    for (int k = 0; k < ffFunctions && k < int(r.flipFlopInputs.size()); ++k)
      row << QString(QChar(r.flipFlopInputs[size_t(k)]));
    for (char c : r.outputs) row << QString(QChar(c == '-' ? 'X' : c));
    rows.push_back(row);
  }
  fill(excitation_, heads, rows);
  QStringList ffHeads{QStringLiteral("Q"), QStringLiteral("Q+")};
  for (const std::string& n : seq::flipFlopInputNames(flipFlop_)) ffHeads << q(n);
  std::vector<QStringList> ffRows;
  for (int from = 0; from < 2; ++from)
    for (int to = 0; to < 2; ++to) {
      QStringList row{QString::number(from), QString::number(to)};
      for (char c : seq::excitation(flipFlop_, from, to)) row << QString(QChar(c));
      ffRows.push_back(row);
    }
  fill(flipFlopTable_, ffHeads, ffRows);
}

void SequentialForm::showMaps() {
  if (!isOpen()) return;
  while (QLayoutItem* item = maps_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  QWidget* inside = maps_->parentWidget();
  if (!design_.available || design_.equations.size() != design_.functions.size()) {
    maps_->addWidget(
        new QLabel(tr("変数が多すぎて最小化できません。ほかの割り当てを選んでください。"), inside),
        0, 0);
    return;
  }
  // Two maps side by side: a flip-flop's J and K (or S and R) share a row.
  constexpr int kColumns = 2;
  for (size_t k = 0; k < design_.functions.size(); ++k) {
    const seq::FunctionTable& f = design_.functions[k];
    auto* cell = new QWidget(inside);
    auto* column = new QVBoxLayout(cell);
    auto* caption = new QLabel(q(design_.equations[k].text), cell);
    caption->setFont(expressionFont(12, true));
    column->addWidget(caption);
    DisplayList list;
    const kmap::MapSize size =
        kmap::drawFunctionMap(list, f.variables, f.rows, design_.equations[k].minimum.terms);
    if (size.width == 0) {
      column->addWidget(new QLabel(
          tr("変数が %1 個あるため、カルノー図は省きます。").arg(f.variables.size()), cell));
    } else {
      auto* view = new DrawingView(cell);
      view->setObjectName(indexed(QStringLiteral("Map"), int(k)));
      addExportMenu(view, [view] { return view->drawing(); });
      view->setDrawing(list, size.width, size.height);
      column->addWidget(view);
    }
    column->addStretch();
    maps_->addWidget(cell, int(k) / kColumns, int(k) % kColumns, Qt::AlignLeft | Qt::AlignTop);
  }
  maps_->setRowStretch(maps_->rowCount(), 1);
  maps_->setColumnStretch(kColumns, 1);
}

void SequentialForm::showEquations() {
  if (!isOpen()) return;
  equations_->clear();
  equations_->setColumnCount(3);
  equations_->setHorizontalHeaderLabels({tr("式"), tr("一覧での文字"), QString()});
  const auto& eqs = design_.equations;
  equations_->setRowCount(int(eqs.size()));
  for (size_t k = 0; k < eqs.size(); ++k) {
    QString text = q(eqs[k].text);
    if (!eqs[k].minimum.proven) text += tr(" （最良）");
    equations_->setItem(int(k), 0, new QTableWidgetItem(text));
    equations_->setItem(int(k), 1, new QTableWidgetItem(q(eqs[k].legend)));
    auto* toList = makeButton(equations_, indexed(QStringLiteral("ToList"), int(k)), tr("一覧へ"));
    toList->setEnabled(!eqs[k].variables.empty());
    connect(toList, &QPushButton::clicked, this, [this, k] { sendToList(int(k)); });
    equations_->setCellWidget(int(k), 2, toList);
  }
  equations_->resizeColumnsToContents();
  if (!design_.available)
    legend_->setText(tr("変数が多すぎて最小化できません。ほかの割り当てを選んでください。"));
  else if (!design_.proven)
    legend_->setText(
        tr("「（最良）」の式は制限時間内に見つかった最良の形です（最小とは限りません）。"));
  else
    legend_->setText(QString());
}

}  // namespace ronri
