#pragma once
// Paints a derivation line with its marks in colour: the part the line's own
// step rewrote in red on pale yellow, the part the next step rewrites
// underlined in blue. The cell's text stays the plain line.
#include <QStyledItemDelegate>
#include <QVariant>
#include <vector>

#include "core/expression/expr_tree.h"

namespace ronri {

class DerivationDelegate : public QStyledItemDelegate {
 public:
  // Item data roles holding the spans, as QVariantList of QPoint(begin, length).
  static constexpr int kRewrittenRole = Qt::UserRole;
  static constexpr int kNextSourceRole = Qt::UserRole + 1;

  using QStyledItemDelegate::QStyledItemDelegate;
  static QVariant spansValue(const std::vector<Span>& spans);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace ronri
