#pragma once
// The sentences of the step checker's verdict in the interface language.
#include <QString>

#include "core/teaching/step_check.h"

namespace ronri {

// The verdict on a step that named `law`, one sentence a line: equal or not,
// whether the law gives it, the well-known wrong rule, the changed part, and
// whether the new line is a minimum.
QString stepVerdictText(const StepVerdict& v, Law law);

}  // namespace ronri
