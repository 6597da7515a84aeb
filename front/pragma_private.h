// Helpers shared by the pragma handlers of the front end (not for other layers).
#ifndef VELC_FRONT_PRAGMA_PRIVATE_H
#define VELC_FRONT_PRAGMA_PRIVATE_H

#include "front/pragma.h"

// Text of the directive token in the lookahead.
const char *pragma_token_text();
// Whether the lookahead is the end of the line or of the input.
int pragma_at_line_end();
// Reads and drops tokens up to and including the end of the line.
void pragma_skip_line();
// Posts number (unless 0) with argument, skips the line; returns 0.
int pragma_fail(long number, const char *argument);
// interrupt | interruptlow function [name] {save=... | nosave=...}
int pragma_interrupt(pragma_record *record, int high_priority);

#endif
