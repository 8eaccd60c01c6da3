#ifndef QZUNIT_TOOL_NOTES_H
#define QZUNIT_TOOL_NOTES_H

#include "command.h"

// Tells on standard error what a conversion of value to unit target passes
// through that a user would not expect: a unit whose factor is kept for
// stored data although its definition gives another (one note per unit), and
// a temperature below absolute zero (a warning). The result is printed anyway.
void noteConversion(const Invocation& invocation, const qzUnitValue& value, int target);

#endif // QZUNIT_TOOL_NOTES_H
