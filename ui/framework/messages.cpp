#include "ui/framework/messages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace ronri {

void showMessage(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("RonriLab"), text, QMessageBox::Ok, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.exec();
}

bool askYesNo(QWidget* parent, const QString& text, bool yesByDefault) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("ronri::Messages", "確認"),
                  text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace ronri
