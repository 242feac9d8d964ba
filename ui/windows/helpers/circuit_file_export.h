#pragma once
// Saving a drawn circuit for the tools of the lab: as a Logisim circuit file
// or as structural Verilog; and an expression as a Verilog assignment.
#include <QString>
#include <functional>
#include <optional>

#include "circuit/netlist.h"

class QLineEdit;
class QWidget;

namespace ronri {

// Adds "Logisim形式で保存…" and "Verilogで保存…" to the right-click menu of
// `area`; `drawing` gives the circuit drawn there (none while nothing is
// drawn completely).
void addCircuitFileExport(QWidget* area, std::function<std::optional<Netlist>()> drawing);

enum class CircuitFormat { Logisim, Verilog };
// Writes the file whole or not at all; on failure false and *error.
bool saveCircuitFile(const Netlist& drawing, CircuitFormat format, const QString& path,
                     QString* error);

// Adds "Verilogで保存…" to the context menu of an expression field of n
// variables: the expression as a continuous assignment.
void addAssignExport(QLineEdit* field, std::function<int()> variables);

}  // namespace ronri
