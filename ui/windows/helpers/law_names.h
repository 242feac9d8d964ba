#pragma once
// The names of the laws of Boolean algebra in the interface language, for
// the windows that show or check a derivation.
#include <QString>

#include "core/teaching/laws.h"

namespace ronri {

QString lawName(Law law);

}  // namespace ronri
