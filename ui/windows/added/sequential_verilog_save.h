#pragma once
// "Verilogで保存…" of a designed machine: asks for the file, writes the
// module (named after the file), reports what went wrong.
#include "sequential/design.h"

class QWidget;

namespace ronri {

// True when the file was written.
bool saveSequentialVerilog(QWidget* parent, const seq::Machine& machine, const seq::Design& design);

}  // namespace ronri
