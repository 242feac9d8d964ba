#pragma once
// The drawn circuit as a Logisim circuit file (.circ, Logisim 2.7.1; it also
// opens in Logisim-evolution): one input pin per used variable (a..j), a NOT
// gate per used negated bus, the gates as drawn with their input counts, the
// wires on the drawn routes and the output pin f (out from six variables on).
//
// Logisim joins wires only where their ends meet, and its gates have their
// own pin spacing (20 apart on its 10-unit grid). So every x and every y of
// the drawing is moved to a grid line of its own, in the drawing's order and
// at least as far apart as on the screen (two Logisim units per pixel): what
// touches on the screen touches there and nothing else does. Each wire ends
// where it meets the drawn gate, and a short jog inside the gate's box takes
// it to Logisim's pin.
#include <string>

#include "circuit/netlist.h"

namespace ronri {

std::string logisimCircuit(const Netlist& drawing);

}  // namespace ronri
