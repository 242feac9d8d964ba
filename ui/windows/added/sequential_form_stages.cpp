// The pages of "順序回路の設計" after the state table: each is built once
// when the window opens and shown again whenever the design changes.
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/draw/display_list.h"
#include "kmap/function_map.h"
#include "sequential/diagram_drawing.h"
#include "sequential/implication_drawing.h"
#include "ui/framework/controls.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/expression_font.h"
#include "ui/windows/added/sequential_form.h"
#include "ui/windows/helpers/drawing_view.h"

namespace ronri {

using seq::AssignmentChoice;

namespace {

QTableWidget* readOnlyTable(QWidget* parent, const QString& name) {
  auto* t = new QTableWidget(parent);
  t->setObjectName(name);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->verticalHeader()->setVisible(false);
  t->setFont(expressionFont(11));
  return t;
}

// A drawing page's view with the right-click menu of every drawing.
DrawingView* exportable(const QString& name) {
  auto* view = new DrawingView;
  view->setObjectName(name);
  addExportMenu(view, [view] { return view->drawing(); });
  return view;
}

QLabel* note(QWidget* parent, const QString& name) {
  auto* l = new QLabel(parent);
  l->setObjectName(name);
  l->setWordWrap(true);
  return l;
}

QScrollArea* scrolled(QWidget* parent, QWidget* inside) {
  auto* area = new QScrollArea(parent);
  area->setBackgroundRole(QPalette::Base);
  area->setWidget(inside);
  return area;
}

}  // namespace

QWidget* SequentialForm::buildDiagramStage() {
  auto* page = new QWidget;
  diagramNote_ = note(page, QStringLiteral("DiagramNote"));
  diagram_ = exportable(QStringLiteral("Diagram"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(diagramNote_);
  layout->addWidget(scrolled(page, diagram_), 1);
  return page;
}

QWidget* SequentialForm::buildReductionStage() {
  auto* page = new QWidget;
  reductionNote_ = note(page, QStringLiteral("ReductionNote"));
  pass_ = new QSpinBox(page);
  pass_->setObjectName(QStringLiteral("Pass"));
  connect(pass_, &QSpinBox::valueChanged, this, [this] { showReduction(); });
  implication_ = exportable(QStringLiteral("ImplicationTable"));
  reduced_ = readOnlyTable(page, QStringLiteral("ReducedTable"));
  auto* passRow = new QHBoxLayout;
  passRow->addWidget(new QLabel(tr("含意表（パスごとに表示）:"), page));
  passRow->addWidget(pass_);
  passRow->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(reductionNote_);
  layout->addLayout(passRow);
  layout->addWidget(scrolled(page, implication_), 3);
  layout->addWidget(new QLabel(tr("簡単化した状態表"), page));
  layout->addWidget(reduced_, 2);
  return page;
}

QWidget* SequentialForm::buildAssignmentStage() {
  auto* page = new QWidget;
  choices_ = new QButtonGroup(page);
  auto* grid = new QGridLayout;
  const QString captions[] = {tr("2進（表の順）"), tr("グレイ"), tr("ワンホット"), tr("最良")};
  costLabels_.clear();
  for (int k = 0; k < 4; ++k) {
    auto* option = new QRadioButton(captions[k], page);
    option->setObjectName(indexed(QStringLiteral("Assignment"), k));
    choices_->addButton(option, k);
    auto* cost = new QLabel(page);
    cost->setObjectName(indexed(QStringLiteral("Cost"), k));
    grid->addWidget(option, k, 0);
    grid->addWidget(cost, k, 1);
    costLabels_.emplace_back(cost);
  }
  grid->setColumnStretch(1, 1);
  connect(choices_, &QButtonGroup::idClicked, this,
          [this](int k) { chooseAssignment(AssignmentChoice(k)); });
  bestNote_ = note(page, QStringLiteral("BestNote"));
  codes_ = readOnlyTable(page, QStringLiteral("Codes"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(
      new QLabel(tr("費用は、すべてのフリップフロップ入力と出力の最小積和形の積項の数とリ"
                    "テラルの数の合計です。"),
                 page));
  layout->addLayout(grid);
  layout->addWidget(bestNote_);
  layout->addWidget(codes_, 1);
  return page;
}

QWidget* SequentialForm::buildExcitationStage() {
  auto* page = new QWidget;
  flipFlops_ = new QComboBox(page);
  flipFlops_->setObjectName(QStringLiteral("FlipFlop"));
  flipFlops_->addItems({tr("D フリップフロップ"), tr("T フリップフロップ"),
                        tr("JK フリップフロップ"), tr("SR フリップフロップ")});
  connect(flipFlops_, &QComboBox::activated, this,
          [this](int k) { chooseFlipFlop(seq::FlipFlop(k)); });
  excitation_ = readOnlyTable(page, QStringLiteral("ExcitationTable"));
  // The flip-flop's own excitation table, which each row is read from.
  flipFlopTable_ = readOnlyTable(page, QStringLiteral("FlipFlopTable"));
  flipFlopTable_->setMaximumWidth(220);
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(tr("フリップフロップ"), page));
  top->addWidget(flipFlops_);
  top->addStretch();
  auto* tables = new QHBoxLayout;
  tables->addWidget(excitation_, 1);
  tables->addWidget(flipFlopTable_);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top);
  layout->addLayout(tables, 1);
  return page;
}

QWidget* SequentialForm::buildMapStage() {
  auto* inside = new QWidget;
  inside->setObjectName(QStringLiteral("Maps"));
  maps_ = new QGridLayout(inside);
  auto* page = new QWidget;
  auto* area = scrolled(page, inside);
  area->setWidgetResizable(true);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(area);
  return page;
}

QWidget* SequentialForm::buildEquationStage() {
  auto* page = new QWidget;
  equations_ = readOnlyTable(page, QStringLiteral("Equations"));
  legend_ = note(page, QStringLiteral("ListLegend"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(equations_, 1);
  layout->addWidget(legend_);
  return page;
}

void SequentialForm::showDiagram() {
  if (!isOpen()) return;
  const seq::StateDiagram d = seq::layoutStateDiagram(machine_);
  DisplayList list;
  seq::drawStateDiagram(list, d);
  diagram_->setDrawing(list, d.width, d.height);
  diagramNote_->setText(
      d.problem == seq::DiagramProblem::None
          ? tr("矢印の文字は「入力/"
               "出力」です（ムーア型の出力は円の中）。左の矢印が初期状態を指します。"
               "右クリックで画像の保存・コピー・印刷。")
          : tr("状態遷移図を描けません（Graphviz で配置できませんでした）。"));
}

}  // namespace ronri
