#ifndef QZUNIT_TOOL_NOTES_H
#define QZUNIT_TOOL_NOTES_H

#include "command.h"

// Tells on standard error what a reading and a conversion of value to unit
// target pass through that a user would not expect: the reading's own
// \a notes (a kept factor used or set aside, a dimension chosen, a
// temperature below absolute zero), and a target unit whose factor is kept
// for stored data although its definition gives another. The result is
// printed anyway.
void noteConversion(const Invocation& invocation, const QStringList& notes, const qzUnitValue& value, int target);

#endif // QZUNIT_TOOL_NOTES_H
