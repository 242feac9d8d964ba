#include "ui/windows/helpers/circuit_file_export.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>

#include "circuit/export_logisim.h"
#include "circuit/export_verilog.h"
#include "core/expression/expression.h"
#include "core/expression/rpn.h"
#include "ui/framework/drawing_export.h"
#include "ui/framework/messages.h"

namespace ronri {

namespace {

// The file name the user chooses, with the format's suffix when it has none.
QString askPath(QWidget* parent, const QString& title, const QString& filter,
                const QString& suffix) {
  QString path = QFileDialog::getSaveFileName(parent, title, QString(), filter);
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  return path;
}

void save(QWidget* area, const std::optional<Netlist>& drawing, CircuitFormat format) {
  if (!drawing || !drawing->drawn()) {
    showMessage(area, QCoreApplication::translate(
                          "ronri::CircuitFileExport",
                          "保存する回路がありません。先に回路を最後まで描いて下さい。"));
    return;
  }
  const bool logisim = format == CircuitFormat::Logisim;
  const QString path =
      logisim
          ? askPath(
                area, QCoreApplication::translate("ronri::CircuitFileExport", "Logisim形式で保存"),
                QCoreApplication::translate("ronri::CircuitFileExport", "Logisim 回路 (*.circ)"),
                "circ")
          : askPath(area, QCoreApplication::translate("ronri::CircuitFileExport", "Verilogで保存"),
                    QCoreApplication::translate("ronri::CircuitFileExport", "Verilog (*.v)"), "v");
  if (path.isEmpty()) return;
  QString error;
  if (!saveCircuitFile(*drawing, format, path, &error))
    showMessage(area, QCoreApplication::translate("ronri::CircuitFileExport",
                                                  "ファイルを保存できませんでした。\n%1")
                          .arg(error));
}

}  // namespace

bool saveCircuitFile(const Netlist& drawing, CircuitFormat format, const QString& path,
                     QString* error) {
  const std::string text =
      format == CircuitFormat::Logisim ? logisimCircuit(drawing) : verilogModule(drawing);
  return saveFileAtomically(path, QByteArray::fromStdString(text), error);
}

void addCircuitFileExport(QWidget* area, std::function<std::optional<Netlist>()> drawing) {
  addExportAction(area,
                  QCoreApplication::translate("ronri::CircuitFileExport", "Logisim形式で保存…"),
                  [area, drawing] { save(area, drawing(), CircuitFormat::Logisim); });
  addExportAction(area, QCoreApplication::translate("ronri::CircuitFileExport", "Verilogで保存…"),
                  [area, drawing] { save(area, drawing(), CircuitFormat::Verilog); });
}

void addAssignExport(QLineEdit* field, std::function<int()> variables) {
  field->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(field, &QWidget::customContextMenuRequested, field, [=](const QPoint& pos) {
    QMenu* menu = field->createStandardContextMenu();
    menu->setObjectName(QStringLiteral("AssignMenu"));
    menu->addSeparator();
    QAction* verilog =
        menu->addAction(QCoreApplication::translate("ronri::CircuitFileExport", "Verilogで保存…"));
    QAction* chosen = menu->exec(field->mapToGlobal(pos));
    delete menu;
    if (chosen != verilog) return;
    std::string text;
    for (QChar c : field->text())
      if (!c.isSpace()) text += char(c.unicode() < 128 ? c.unicode() : '?');
    const int n = variables();
    std::string module;
    if (text == "0" || text == "1")
      module = verilogAssign(text, n);
    else if (!text.empty() && checkExp(InsideExp(text)) == " ")
      module = verilogAssign(ReversePolishNotation(InsideExp(text)), n);
    if (module.empty()) {
      showMessage(field, QCoreApplication::translate(
                             "ronri::CircuitFileExport",
                             "保存する式がありません。先に「変換」を押して下さい。"));
      return;
    }
    const QString path =
        askPath(field, QCoreApplication::translate("ronri::CircuitFileExport", "Verilogで保存"),
                QCoreApplication::translate("ronri::CircuitFileExport", "Verilog (*.v)"), "v");
    if (path.isEmpty()) return;
    QString error;
    if (!saveFileAtomically(path, QByteArray::fromStdString(module), &error))
      showMessage(field, QCoreApplication::translate("ronri::CircuitFileExport",
                                                     "ファイルを保存できませんでした。\n%1")
                             .arg(error));
  });
}

}  // namespace ronri
