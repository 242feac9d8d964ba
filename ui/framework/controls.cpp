#include "ui/framework/controls.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace ronri {

QString indexed(const QString& name, int index) {
  return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect r) {
  QPushButton* b = makeButton(parent, name, caption);
  b->setGeometry(r);
  return b;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect r,
                        const QFont& font) {
  QPushButton* b = makeButton(parent, name, caption, r);
  b->setFont(font);
  return b;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text, QRect r,
                  const QFont& font, Qt::Alignment align) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(r);
  l->setFont(font);
  l->setAlignment(align);
  return l;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& text, QRect r) {
  auto* o = new QRadioButton(text, parent);
  o->setObjectName(name);
  o->setGeometry(r);
  o->setAutoExclusive(false);
  return o;
}

}  // namespace ronri
