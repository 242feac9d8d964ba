#include "ui/windows/designed/map_input_form.h"

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>

#include "core/expression/expression.h"
#include "core/table/table_input.h"
#include "ui/app.h"
#include "ui/framework/canvas.h"
#include "ui/framework/controls.h"
#include "ui/framework/fonts.h"
#include "ui/framework/twips.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

namespace {

constexpr int kFirstColumn = 1440;
constexpr int kColumnStep = 960;
// The right half of the five-variable map mirrors the left half; a wider gap
// sets the two apart.
constexpr int kHalfGap = 120;
constexpr int kFirstRow = 1080;
constexpr int kRowStep = 600;
// Ruling runs halfway between neighbouring cells, and this far outside the outer ones.
constexpr int kBorderX = (kColumnStep - MapInputForm::kCellWidth) / 2;
constexpr int kBorderY = (kRowStep - MapInputForm::kCellHeight) / 2;
// The input buttons stand in one row this far below the ruling, right-aligned
// with it, this far apart; the window ends as far below them.
constexpr int kButtonsBelow = 360;
constexpr int kButtonGap = 120;
constexpr int kButtonHeight = 420;
constexpr int kInputWidth = 1200;     // "入力"
constexpr int kSimplifyWidth = 2040;  // "簡単化して入力"
constexpr int kDontCareWidth = 1500;  // "X付きで入力"
constexpr int kRightMargin = 480;     // right of the ruling

QLabel* label(QWidget* parent, const QString& name, const QString& text, QRect geometry,
              Qt::Alignment align) {
  return makeLabel(parent, name, text, geometry, gothicFont(10, true), align);
}

QString variableNames(int first, int count) {
  QString s;
  for (int k = 0; k < count; ++k) s += QChar(plainLetter(first + k));
  return s;
}

}  // namespace

MapInputForm::MapInputForm(App& app, int variables)
    : Window(app, QStringLiteral("Form%1").arg(variables + 10), tr("カルノー図入力")),
      variables_(variables) {}

int MapInputForm::cellLeft(int column) const {
  return kFirstColumn + column * kColumnStep + (variables_ == 5 && column >= 4 ? kHalfGap : 0);
}

int MapInputForm::cellTop(int row) {
  return kFirstRow + row * kRowStep;
}

void MapInputForm::build(QMainWindow* w) {
  const MapShape shape = mapShape(variables_);
  canvas_ = new Canvas(w);
  w->setCentralWidget(canvas_);

  cells_.clear();
  for (int m = 0; m < (1 << variables_); ++m) cells_ << nullptr;
  for (int i = 0; i < shape.columns(); ++i) {
    for (int j = 0; j < shape.rows(); ++j) {
      const int m = mapCell(variables_, i, j);
      auto* b = new QPushButton(QStringLiteral("0"), canvas_);
      b->setObjectName(QStringLiteral("Command1(%1)").arg(m));
      b->setFont(gothicFont(10, true));
      b->setGeometry(pxRect(cellLeft(i), cellTop(j), kCellWidth, kCellHeight));
      connect(b, &QPushButton::clicked, b,
              [b] { b->setText(b->text() == QStringLiteral("0") ? "1" : "0"); });
      allowDontCare(b);
      cells_[m] = b;
    }
  }

  // Codes over the columns and beside the rows; the corner names the variables.
  const int codesTop = kFirstRow - kBorderY - 330;
  for (int i = 0; i < shape.columns(); ++i) {
    label(canvas_, QStringLiteral("Label3(%1)").arg(i),
          QString::fromStdString(codeText(grayCode(i), shape.columnVariables)),
          pxRect(cellLeft(i) - 120, codesTop, kCellWidth + 240, 270), Qt::AlignCenter);
  }
  const int codesLeft = kFirstColumn - kBorderX - 600;
  for (int j = 0; j < shape.rows(); ++j) {
    label(canvas_, QStringLiteral("Label4(%1)").arg(j),
          QString::fromStdString(codeText(grayCode(j), shape.rowVariables)),
          pxRect(codesLeft, cellTop(j), 540, kCellHeight), Qt::AlignRight | Qt::AlignVCenter);
  }
  label(canvas_, QStringLiteral("Label1"), variableNames(0, shape.columnVariables),
        pxRect(codesLeft + 60, codesTop - 330, 600, 270), Qt::AlignRight | Qt::AlignBottom);
  label(canvas_, QStringLiteral("Label2"), variableNames(shape.columnVariables, shape.rowVariables),
        pxRect(codesLeft - 360, codesTop, 540, 270), Qt::AlignLeft | Qt::AlignVCenter);

  const int right = cellLeft(shape.columns() - 1) + kCellWidth + kBorderX;
  const int bottom = cellTop(shape.rows() - 1) + kCellHeight + kBorderY;
  const int buttonsTop = bottom + kButtonsBelow;
  const int inputLeft = right - kInputWidth;
  const int simplifyLeft = inputLeft - kButtonGap - kSimplifyWidth;
  const int dontCareLeft = simplifyLeft - kButtonGap - kDontCareWidth;
  auto* input = new QPushButton(tr("入力"), canvas_);
  input->setObjectName(QStringLiteral("Command2"));
  input->setGeometry(pxRect(inputLeft, buttonsTop, kInputWidth, kButtonHeight));
  connect(input, &QPushButton::clicked, this, &MapInputForm::makeExpression);
  // Beside "入力", to its left, in the same row.
  auto* simplifyInput = new QPushButton(tr("簡単化して入力"), canvas_);
  simplifyInput->setObjectName(QStringLiteral("Command3"));
  simplifyInput->setGeometry(pxRect(simplifyLeft, buttonsTop, kSimplifyWidth, kButtonHeight));
  connect(simplifyInput, &QPushButton::clicked, this, &MapInputForm::makeSimplifiedExpression);
  // And "X付きで入力" left of that: the 1-cells with the X cells beside them.
  auto* dontCareInput = new QPushButton(tr("X付きで入力"), canvas_);
  dontCareInput->setObjectName(QStringLiteral("Command4"));
  dontCareInput->setGeometry(pxRect(dontCareLeft, buttonsTop, kDontCareWidth, kButtonHeight));
  connect(dontCareInput, &QPushButton::clicked, this, [this] {
    handWithDontCares(app(), rowValues(cells_, static_cast<int>(cells_.size())), variables_, false);
    unload();
  });
  const QSize size(px(right + kRightMargin), px(buttonsTop + kButtonHeight + kButtonsBelow));
  w->setFixedSize(size);
  // The ruling is drawn at load, before the window is laid out: give the
  // drawing its full size now.
  canvas_->resize(size);
}

void MapInputForm::load() {
  drawRuling();
}

void MapInputForm::drawRuling() {
  const MapShape shape = mapShape(variables_);
  const int left = kFirstColumn - kBorderX;
  const int top = kFirstRow - kBorderY;
  const int right = cellLeft(shape.columns() - 1) + kCellWidth + kBorderX;
  const int bottom = cellTop(shape.rows() - 1) + kCellHeight + kBorderY;
  canvas_->rectangle(left, top, right, bottom, kBlack);
  for (int i = 1; i < shape.columns(); ++i) {
    const int between = (cellLeft(i - 1) + kCellWidth + cellLeft(i)) / 2;
    if (cellLeft(i) - cellLeft(i - 1) > kColumnStep) {
      // The mirror line of the five-variable map is doubled.
      canvas_->line(between - 45, top, between - 45, bottom, kBlack);
      canvas_->line(between + 45, top, between + 45, bottom, kBlack);
    } else {
      canvas_->line(between, top, between, bottom, kBlack);
    }
  }
  for (int j = 1; j < shape.rows(); ++j) {
    const int between = (cellTop(j - 1) + kCellHeight + cellTop(j)) / 2;
    canvas_->line(left, between, right, between, kBlack);
  }
  // The corner: column variables above the diagonal, row variables below it.
  canvas_->line(left - 720, top - 660, left, top, kBlack);
}

void MapInputForm::makeExpression() {
  std::vector<bool> values(cells_.size());
  for (int m = 0; m < cells_.size(); ++m) values[m] = cells_[m]->text() == QStringLiteral("1");
  app().Form1->setEntry(QString::fromStdString(ronri::makeExpression(values, variables_)),
                        variables_);
  unload();
}

void MapInputForm::makeSimplifiedExpression() {
  const std::string values = rowValues(cells_, static_cast<int>(cells_.size()));
  app().Form1->setEntry(QString::fromStdString(ronri::makeSimplifiedExpression(values, variables_)),
                        variables_);
  unload();
}

}  // namespace ronri
