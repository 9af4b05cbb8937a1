#pragma once

#include "designchecks.h"
#include "designrecord.h"
#include "translatable.h"

namespace quorvel {

// What makes sense of the seven inputs: elevations any finite number, pumping time
// above 0 and at most a day, the others above 0. The window and the command hold
// the inputs to the same rules.

// What is wrong with an input's text, or nothing: "missing", "not a number", "must
// be greater than 0", "must be at most 24 hours a day".
TranslatableText inputFault(int inputRow, const QString &text);

// The inputs that make no sense as failed checks, in input order ("pipeline length
// -2400 m: must be greater than 0"); none when every input is in range.
QList<DesignCheck> inputChecks(const InputTexts &texts);

} // namespace quorvel
