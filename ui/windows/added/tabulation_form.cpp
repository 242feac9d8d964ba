#include "ui/windows/added/tabulation_form.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "core/cover/tabulation.h"
#include "ui/app.h"
#include "ui/framework/busy_cursor.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/fonts.h"
#include "ui/framework/painter_surface.h"
#include "ui/framework/print_header.h"
#include "ui/framework/twips.h"
#include "ui/windows/helpers/dont_care.h"

namespace ronri {

// The tabulation drawn straight from the core a screen at a time: ten
// variables have tens of thousands of terms, far too many to keep as calls.
class TabulationView : public QWidget {
 public:
  explicit TabulationView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Tabulation"));
    setAutoFillBackground(false);
  }

  void setTabulation(const Tabulation* t, TabulationCaptions captions) {
    tab_ = t;
    captions_ = std::move(captions);
    const TabulationSize size = t ? tabulationSize(*t) : TabulationSize{};
    header_ = px(size.header);
    setFixedSize(px(size.width) + 1, px(size.height) + 1);
    update();
  }

  // The whole drawing, for the picture, the clipboard and the printer.
  DisplayList drawing() const {
    DisplayList d;
    if (tab_) drawTabulation(*tab_, captions_, d);
    return d;
  }

 protected:
  // The captions stay in view while the columns scroll: the part above the
  // first row is painted again at the top of what is shown.
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::white);
    if (!tab_) return;
    paintPart(p, e->rect(), 0);
    const QRect seen = parentWidget() ? QRect(-pos(), parentWidget()->size()) : rect();
    const int top = std::max(0, seen.top());
    if (top > 0) paintPart(p, QRect(seen.left(), top, seen.width(), header_), top);
  }

 private:
  // Paints the part of the drawing that lands in `target` when it is moved
  // down by `shift` pixels.
  void paintPart(QPainter& p, const QRect& target, int shift) {
    p.save();
    p.setClipRect(target);
    p.fillRect(target, Qt::white);
    p.translate(0, shift);
    PainterSurface surface(p, Qt::white);
    const QRect source = target.translated(0, -shift).adjusted(-2, -2, 2, 2);
    drawTabulation(*tab_, captions_, surface,
                   {twips(source.left()), twips(source.top()), twips(source.right() + 1),
                    twips(source.bottom() + 1)});
    p.restore();
  }

  const Tabulation* tab_ = nullptr;
  TabulationCaptions captions_;
  int header_ = 0;
};

TabulationForm::TabulationForm(App& app)
    : Window(app, QStringLiteral("TabulationForm"), tr("クワイン・マクラスキー法")) {}

TabulationForm::~TabulationForm() = default;

void TabulationForm::build(QMainWindow* w) {
  auto* central = new QWidget(w);
  w->setCentralWidget(central);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* legend = new QLabel(tr("左の数字：1 の個数のグループ　✓：次の段で併合された項　"
                               "赤い P1, P2, …：併合されなかった項（主項、番号は「主項」の欄の順）"
                               "　X：ドントケアの行"),
                            central);
  legend->setObjectName(QStringLiteral("LegendLabel"));
  legend->setWordWrap(true);
  layout->addWidget(legend);
  area_ = new QScrollArea(central);
  area_->setObjectName(QStringLiteral("TabulationArea"));
  area_->setBackgroundRole(QPalette::Base);
  view_ = new TabulationView(area_);
  area_->setWidget(view_);
  // The captions are painted where the view is, so a scroll repaints it all.
  connect(area_->verticalScrollBar(), &QScrollBar::valueChanged, view_,
          [this] { view_->update(); });
  layout->addWidget(area_, 1);
  summary_ = new QLabel(central);
  summary_->setObjectName(QStringLiteral("SummaryLabel"));
  summary_->setFont(gothicFont(9, true));
  layout->addWidget(summary_);
  // Right-click: picture, copy, print, and every term as CSV.
  addExportMenu(
      view_, [this] { return view_ ? view_->drawing() : DisplayList(); },
      [this] {
        if (!tab_) return QByteArray();
        std::vector<std::string> headers;
        for (const QString& h : {tr("段"), tr("1 の個数"), tr("ビット"), tr("項"), tr("行"),
                                 tr("併合済"), tr("主項"), tr("ドントケア")})
          headers.push_back(h.toStdString());
        return QByteArray::fromStdString(tabulationCsv(*tab_, headers));
      });
  w->resize(980, 640);
}

void TabulationForm::load() {
  fill();
}

void TabulationForm::unloading() {
  if (view_) view_->setTabulation(nullptr, {});
  tab_.reset();
}

void TabulationForm::showFor(const Function& f, const QString& onesTerms) {
  function_ = f;
  onesTerms_ = onesTerms;
  if (isOpen()) fill();
  show();
}

TabulationCaptions TabulationForm::captions() const {
  TabulationCaptions c;
  c.passes.push_back(tr("最小項").toStdString());
  for (size_t p = 1; p < tab_->passes.size(); ++p)
    c.passes.push_back(tr("%1 回目の併合").arg(p).toStdString());
  c.primes = tr("主項").toStdString();
  return c;
}

void TabulationForm::fill() {
  if (!isOpen()) return;
  showFunctionInTitle(
      widget(), caption(),
      withDontCares(QString::fromStdString(function_.expression), function_.dontCares));
  {
    const BusyCursor busy;
    tab_ = std::make_unique<Tabulation>(tabulate(onesTerms_.toStdString(), function_.dontCares,
                                                 std::clamp(function_.variables, 1, 10)));
  }
  view_->setTabulation(tab_.get(), captions());
  if (tab_->passes.empty()) {
    summary_->setText(tr("値が 1 になる行がないため、主項はありません。"));
    return;
  }
  size_t terms = 0;
  for (const auto& pass : tab_->passes) terms += pass.size();
  summary_->setText(tr("行 %1 個から %2 回の併合で、項は全部で %3 個、主項は %4 個です。")
                        .arg(tab_->passes[0].size())
                        .arg(tab_->passes.size() - 1)
                        .arg(terms)
                        .arg(tab_->primes.size()));
}

}  // namespace ronri
