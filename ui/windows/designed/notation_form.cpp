#include "ui/windows/designed/notation_form.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWidget>

#include "core/draw/notation.h"
#include "ui/framework/canvas.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"

namespace ronri {

NotationForm::NotationForm(App& app)
    : Window(app, QStringLiteral("Form16"), tr("見やすい式への変換？")) {}

void NotationForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  auto* row = new QHBoxLayout(central);
  row->setContentsMargins(6, 6, 6, 6);

  auto* left = new QVBoxLayout;
  auto* show = new QPushButton(tr("表示"), central);
  show->setObjectName(QStringLiteral("Command1"));
  show->setAutoDefault(false);
  connect(show, &QPushButton::clicked, this, [this] { redraw(); });
  left->addWidget(show);
  left->addStretch(1);
  row->addLayout(left);

  auto* right = new QVBoxLayout;
  auto* scroll = new QScrollArea(central);
  scroll->setObjectName(QStringLiteral("Scroll1"));
  scroll->setWidgetResizable(false);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* canvas = new Canvas;
  // A white sheet: the glyphs are pictures on white, so they sit on it seamlessly.
  QPalette paper = canvas->palette();
  paper.setColor(QPalette::Button, Qt::white);
  canvas->setPalette(paper);
  canvas->resize(pxSize(6000, 950));
  scroll->setWidget(canvas);
  addExportMenu(canvas, [canvas] { return exportableDrawing(*canvas); });
  right->addWidget(scroll, 1);
  auto* note =
      new QLabel(tr("長い式のため、先頭の %1 文字分だけを描いています。").arg(kMaxCells), central);
  note->setObjectName(QStringLiteral("Label1"));
  note->hide();
  right->addWidget(note);
  row->addLayout(right, 1);

  w->setCentralWidget(central);
}

Canvas* NotationForm::canvas() const {
  return control<Canvas>(QStringLiteral("Canvas"));
}

void NotationForm::showFor(const QString& expression) {
  expression_ = expression;
  show();
}

void NotationForm::load() {
  showFunctionInTitle(widget(), caption(), expression_);
  draw();
  // Wide and low: as wide as the drawing (within reason), one line of glyphs high.
  QWidget* c = canvas();
  auto* scroll = control<QScrollArea>(QStringLiteral("Scroll1"));
  const int buttonWidth = control<QPushButton>(QStringLiteral("Command1"))->sizeHint().width();
  const int width = std::clamp(c->width() + buttonWidth + 24, 480, 1400);
  const int height = c->height() + scroll->horizontalScrollBar()->sizeHint().height() + 12;
  widget()->resize(width, height);
}

void NotationForm::redraw() {
  if (isOpen()) draw();
}

void NotationForm::draw() {
  Canvas* c = canvas();
  const std::string text = expression_.toStdString();
  const NotationSize size = notationSize(text, kMaxCells);
  // The canvas grows to hold the drawing and keeps what it already shows.
  c->resize(std::max(c->width(), px(size.width)), std::max(c->height(), px(size.height)));
  drawNotation(*c, text, kMaxCells);
  // An earlier clipped drawing stays on the canvas, so the note stays too.
  if (size.clipped) control<QLabel>(QStringLiteral("Label1"))->show();
}

}  // namespace ronri
