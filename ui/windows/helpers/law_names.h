#pragma once
// The names of the laws of Boolean algebra in the interface language, for
// the windows that show or check a derivation.
#include <QString>

#include "core/teaching/derivation.h"
#include "core/teaching/laws.h"

namespace ronri {

QString lawName(Law law);
// The law column of a derivation line: the law's name, and for a grouped
// line how much it stands for ("分配則で展開: 24 項"); "" on the first line.
QString lawLabel(const DerivationLine& line);

}  // namespace ronri
