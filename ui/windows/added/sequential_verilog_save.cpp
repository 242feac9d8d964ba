#include "ui/windows/added/sequential_verilog_save.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "sequential/verilog.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/messages.h"

namespace ronri {

bool saveSequentialVerilog(QWidget* parent, const seq::Machine& machine,
                           const seq::Design& design) {
  if (seq::verilogMachine(machine, design, "machine").empty()) {
    showMessage(parent, QCoreApplication::translate(
                            "ronri::SequentialVerilog",
                            "保存する回路がありません。状態表を埋めて、回路の式を求めて下さい。"));
    return false;
  }
  QString path = QFileDialog::getSaveFileName(
      parent, QCoreApplication::translate("ronri::SequentialVerilog", "Verilogで保存"), QString(),
      QCoreApplication::translate("ronri::SequentialVerilog", "Verilog (*.v)"));
  if (path.isEmpty()) return false;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".v");
  // The module is named after the file, as a synthesis tool expects.
  const std::string name = seq::verilogModuleName(QFileInfo(path).completeBaseName().toStdString());
  QString error;
  const QByteArray text = QByteArray::fromStdString(seq::verilogMachine(machine, design, name));
  if (!saveFileAtomically(path, text, &error)) {
    showMessage(parent, QCoreApplication::translate("ronri::SequentialVerilog",
                                                    "ファイルを保存できませんでした。\n%1")
                            .arg(error));
    return false;
  }
  return true;
}

}  // namespace ronri
