#include "ui/windows/helpers/derivation_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QPoint>
#include <QTextLayout>

namespace ronri {
namespace {

QList<QTextLayout::FormatRange> rangesOf(const QVariant& spans, const QTextCharFormat& format) {
  QList<QTextLayout::FormatRange> out;
  for (const QVariant& v : spans.toList()) {
    const QPoint p = v.toPoint();
    out.push_back({p.x(), p.y(), format});
  }
  return out;
}

}  // namespace

QVariant DerivationDelegate::spansValue(const std::vector<Span>& spans) {
  QVariantList list;
  for (const Span& s : spans) list << QPoint(s.begin, s.length);
  return list;
}

void DerivationDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  const QString text = opt.text;
  opt.text.clear();
  const QWidget* widget = opt.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

  QTextCharFormat rewritten;
  rewritten.setForeground(QColor(0xC0, 0, 0));
  rewritten.setBackground(QColor(0xFF, 0xF3, 0xA0));
  QTextCharFormat source;
  source.setUnderlineStyle(QTextCharFormat::SingleUnderline);
  source.setUnderlineColor(QColor(0, 0x40, 0xE0));
  source.setForeground(QColor(0, 0x40, 0xC0));
  // The rewritten part wins where both meet: it is this line's own step.
  QList<QTextLayout::FormatRange> formats = rangesOf(index.data(kNextSourceRole), source);
  formats += rangesOf(index.data(kRewrittenRole), rewritten);

  QTextLayout layout(text, opt.font);
  QTextOption wrap;
  wrap.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(wrap);
  layout.setFormats(formats);
  const QRect r =
      style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 1, -2, 0);
  layout.beginLayout();
  qreal y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(r.width());
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  painter->save();
  painter->setClipRect(opt.rect);
  const bool selected = opt.state & QStyle::State_Selected;
  painter->setPen(opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  layout.draw(painter, QPointF(r.left(), r.top() + std::max<qreal>(0, (r.height() - y) / 2)));
  painter->restore();
}

}  // namespace ronri
