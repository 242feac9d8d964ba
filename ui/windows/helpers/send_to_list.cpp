#include "ui/windows/helpers/send_to_list.h"

#include <QCoreApplication>

#include "core/expression/expression.h"
#include "ui/app.h"
#include "ui/framework/messages.h"
#include "ui/framework/translation.h"
#include "ui/windows/designed/main_form.h"

namespace ronri {

bool sendToList(App& app, QWidget* parent, const QString& expression, int variables) {
  QString text;
  for (QChar c : expression)
    if (!c.isSpace()) text += c;
  if (text.isEmpty()) {
    showMessage(parent, QCoreApplication::translate(
                            "ronri::SendToList",
                            "一覧に加える式がありません。先に「変換」を押してください。"));
    return false;
  }
  if (text == QLatin1String("0") || text == QLatin1String("1")) {
    showMessage(parent, QCoreApplication::translate(
                            "ronri::SendToList", "定数 %1 は式ではないため、一覧に加えられません。")
                            .arg(text));
    return false;
  }
  if (text.size() > kMaxEntryLength) {
    showMessage(parent,
                QCoreApplication::translate(
                    "ronri::SendToList",
                    "式が長すぎるため一覧に加えられません（%1 文字まで、この式は %2 文字）。")
                    .arg(kMaxEntryLength)
                    .arg(text.size()));
    return false;
  }
  const std::string verdict = checkExp(InsideExp(text.toStdString()));
  if (verdict != " ") {
    showMessage(parent, coreText(verdict));
    return false;
  }
  MainForm& main = *app.Form1;
  if (!main.isOpen() || variables < 1 || variables > kMaxVariables) return false;
  // The entry as "入力" stores it: the expression, a blank, the count index.
  main.select(main.store(text + QLatin1Char(' ') + QString::number(variables - 1)));
  return true;
}

}  // namespace ronri
