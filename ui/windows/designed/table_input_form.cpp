#include "ui/windows/designed/table_input_form.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFrame>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>

#include "core/expression/expression.h"
#include "core/table/table_input.h"
#include "ui/app.h"
#include "ui/framework/fonts.h"
#include "ui/windows/designed/main_form.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

namespace {

constexpr int kMargin = 16;
constexpr int kHeadingTop = 10;
constexpr int kHeadingHeight = 22;
constexpr int kLabelTop = 44;
// The label box is this many characters wide: every label line of up to five
// variables fits, while the single line of one variable wraps its "1" onto
// the second row.
constexpr int kLabelColumns = 23;
constexpr int kLineHeightPercent = 135;
constexpr int kButtonWidth = 44;

}  // namespace

TableInputForm::TableInputForm(App& app)
    : Window(app, QStringLiteral("Form11"), tr("真理値表入力")) {}

int TableInputForm::rows() const {
  return 1 << loadedVariables_;
}

void TableInputForm::build(QMainWindow* w) {
  // The table scrolls where the screen is too low for all its rows (32 rows
  // need some 890 px); the buttons below it stay in view.
  auto* outer = new QWidget(w);
  w->setCentralWidget(outer);
  scroll_ = new QScrollArea(outer);
  scroll_->setObjectName(QStringLiteral("TableScroll"));
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  central_ = new QWidget;
  scroll_->setWidget(central_);

  headings_.clear();
  for (int k = 0; k < 5; ++k) {
    auto* h = new QLineEdit(QString(QChar(plainLetter(k))), central_);
    h->setObjectName(QStringLiteral("Text1(%1)").arg(k));
    h->setReadOnly(true);
    h->setFrame(false);
    h->setAlignment(Qt::AlignCenter);
    h->setFocusPolicy(Qt::NoFocus);
    h->setFont(gothicFont(10, true));
    headings_ << h;
  }

  rowLabels_ = new QTextEdit(central_);
  rowLabels_->setObjectName(QStringLiteral("Text2"));
  rowLabels_->setReadOnly(true);
  rowLabels_->setFocusPolicy(Qt::NoFocus);
  rowLabels_->setFont(fixedFont(11));
  rowLabels_->setLineWrapMode(QTextEdit::FixedColumnWidth);
  rowLabels_->setLineWrapColumnOrWidth(kLabelColumns);
  rowLabels_->setWordWrapMode(QTextOption::WordWrap);
  rowLabels_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rowLabels_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  rowLabels_->installEventFilter(this);

  auto* line1 = new QFrame(central_);
  line1->setObjectName(QStringLiteral("Line1"));
  line1->setFrameShape(QFrame::VLine);
  line1->setFrameShadow(QFrame::Sunken);
  verticalRule_ = line1;
  auto* line2 = new QFrame(central_);
  line2->setObjectName(QStringLiteral("Line2"));
  line2->setFrameShape(QFrame::HLine);
  line2->setFrameShadow(QFrame::Sunken);
  horizontalRule_ = line2;

  outputs_.clear();
  for (int r = 0; r < kMaxRows; ++r) {
    auto* b = new QPushButton(QStringLiteral("0"), central_);
    b->setObjectName(QStringLiteral("Command1(%1)").arg(r));
    b->setFont(gothicFont(10, true));
    connect(b, &QPushButton::clicked, b,
            [b] { b->setText(b->text() == QStringLiteral("0") ? "1" : "0"); });
    allowDontCare(b);
    outputs_ << b;
  }

  input_ = new QPushButton(tr("入力"), outer);
  input_->setObjectName(QStringLiteral("Command2"));
  connect(input_, &QPushButton::clicked, this, &TableInputForm::makeExpression);

  simplifyInput_ = new QPushButton(tr("簡単化して入力"), outer);
  simplifyInput_->setObjectName(QStringLiteral("Command3"));
  connect(simplifyInput_, &QPushButton::clicked, this, &TableInputForm::makeSimplifiedExpression);

  dontCareInput_ = new QPushButton(tr("X付きで入力"), outer);
  dontCareInput_->setObjectName(QStringLiteral("Command4"));
  connect(dontCareInput_, &QPushButton::clicked, this, [this] {
    handWithDontCares(app(), rowValues(outputs_, rows()), loadedVariables_, true);
    unload();
  });
}

void TableInputForm::showFor(int variables) {
  // A table of another size that is still open is replaced, not relabelled.
  if (isOpen() && loadedRows() != (1 << variables)) unload();
  variables_ = variables;
  show();
}

void TableInputForm::load() {
  variables_ = std::clamp(variables_, 1, 5);
  loadedVariables_ = variables_;
  rowLabels_->setPlainText(QString::fromStdString(rowLabels(variables_)));
  QTextCursor all(rowLabels_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat spacing;
  spacing.setLineHeight(kLineHeightPercent, QTextBlockFormat::ProportionalHeight);
  all.mergeBlockFormat(spacing);
  for (int k = 0; k < headings_.size(); ++k) headings_[k]->setVisible(k < loadedVariables_);
  for (int r = 0; r < outputs_.size(); ++r) outputs_[r]->setVisible(r < rows());
  placeControls();
}

bool TableInputForm::eventFilter(QObject* watched, QEvent* e) {
  // The label box lays its text out again when it is shown or resized.
  if (watched == rowLabels_ && (e->type() == QEvent::Show || e->type() == QEvent::Resize))
    placeControls();
  return Window::eventFilter(watched, e);
}

void TableInputForm::placeControls() {
  if (!rowLabels_ || !central_) return;
  QTextDocument* doc = rowLabels_->document();
  QAbstractTextDocumentLayout* layout = doc->documentLayout();
  const QFontMetricsF metrics(rowLabels_->font());
  const qreal charWidth = metrics.horizontalAdvance(QLatin1Char('0'));
  const int frame = rowLabels_->frameWidth();
  const qreal margin = doc->documentMargin();

  // The size the labels need: no scrolling, every line in view.
  const int labelWidth = int(std::ceil(2 * frame + 2 * margin + (kLabelColumns + 1) * charWidth));
  const int labelHeight = int(std::ceil(layout->documentSize().height())) + 2 * frame;
  const QRect labels(kMargin, kLabelTop, labelWidth, labelHeight);
  if (rowLabels_->geometry() != labels) rowLabels_->setGeometry(labels);  // re-enters via Resize

  // Headings centred over the digit columns (digits stand five characters apart).
  for (int k = 0; k < headings_.size(); ++k) {
    const int centre = int(labels.x() + frame + margin + (5 * k + 0.5) * charWidth);
    headings_[k]->setGeometry(centre - 12, kHeadingTop, 24, kHeadingHeight);
  }
  horizontalRule_->setGeometry(kMargin, kLabelTop - 8, labels.width(), 4);

  // One output button beside every visual line of the labels, centred on it.
  const int buttonsX = labels.right() + 22;
  verticalRule_->setGeometry(labels.right() + 8, kHeadingTop, 4, labels.bottom() - kHeadingTop);
  const QPoint viewport = rowLabels_->viewport()->geometry().topLeft();
  const int scrolled = rowLabels_->verticalScrollBar()->value();
  const qreal pitch = metrics.lineSpacing() * kLineHeightPercent / 100.0;
  const int buttonHeight = std::max(14, int(pitch) - 2);
  int r = 0;
  for (QTextBlock block = doc->begin(); block.isValid() && r < rows(); block = block.next()) {
    const qreal blockTop = layout->blockBoundingRect(block).top();
    QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount() && r < rows(); ++i, ++r) {
      const QTextLine line = lines->lineAt(i);
      const qreal centre = blockTop + line.y() + line.height() / 2;
      const int y = labels.y() + viewport.y() + int(std::lround(centre)) - scrolled;
      outputs_[r]->setGeometry(buttonsX, y - buttonHeight / 2, kButtonWidth, buttonHeight);
    }
  }

  const int bottom = std::max(labels.bottom(), outputs_[rows() - 1]->geometry().bottom());
  const int tableWidth = buttonsX + kButtonWidth + kMargin;
  central_->resize(tableWidth, bottom + 1);

  // The window's height is at most the screen's available height (less its
  // title bar); the table's view gives way, never the buttons.
  QMainWindow* w = widget();
  int viewHeight = bottom + 1;
  if (QScreen* screen = w ? w->screen() : nullptr) {
    const int titleBar = std::max(32, w->frameGeometry().height() - w->geometry().height());
    const int room = screen->availableGeometry().height() - titleBar - (14 + 28 + 14);
    viewHeight = std::min(viewHeight, std::max(room, 100));
  }
  const bool scrolls = viewHeight < bottom + 1;
  const int viewWidth =
      tableWidth + (scrolls ? scroll_->verticalScrollBar()->sizeHint().width() : 0);
  // "簡単化して入力" stands left of "入力", in the same row, "X付きで入力" left of it.
  const int simplifyWidth = simplifyInput_->sizeHint().width() + 8;
  const int dontCareWidth = dontCareInput_->sizeHint().width() + 8;
  const int width =
      std::max({viewWidth, 200, 2 * kMargin + 80 + 8 + simplifyWidth + 8 + dontCareWidth});
  scroll_->setGeometry(0, 0, width, viewHeight);
  const int below = viewHeight - 1 + 14;  // as far below the table as ever
  input_->setGeometry(width - kMargin - 80, below, 80, 28);
  simplifyInput_->setGeometry(input_->x() - 8 - simplifyWidth, below, simplifyWidth, 28);
  dontCareInput_->setGeometry(simplifyInput_->x() - 8 - dontCareWidth, below, dontCareWidth, 28);
  if (w) w->setFixedSize(width, input_->geometry().bottom() + 14);
}

void TableInputForm::makeExpression() {
  std::vector<bool> values(rows());
  for (int r = 0; r < rows(); ++r) values[r] = outputs_[r]->text() == QStringLiteral("1");
  app().Form1->setEntry(QString::fromStdString(ronri::makeExpression(values, loadedVariables_)),
                        loadedVariables_, {}, true);
  unload();
}

void TableInputForm::makeSimplifiedExpression() {
  const std::string values = rowValues(outputs_, rows());
  app().Form1->setEntry(
      QString::fromStdString(ronri::makeSimplifiedExpression(values, loadedVariables_)),
      loadedVariables_, {}, true);
  unload();
}

}  // namespace ronri
