// Procedural abstraction: instruction sequences that occur more than once in
// a code section move into a compiler-made function "__pa_N" of that
// section, and each occurrence becomes a call to it (or a jump, when the
// sequence ends the way a function ends).
#ifndef VELC_OPT_PROC_ABSTRACTION_H
#define VELC_OPT_PROC_ABSTRACTION_H

#include "gen/ocode.h"

// One run over one section's output-code list (functions linked in, branch
// targets labels); true when at least one sequence was abstracted.
bool perform_procedural_abstraction(SectionRecord *section, ocode *list);
// The runs the settings ask for (do_procedural_abstraction,
// procedural_abstraction_count), stopping at the first that finds nothing.
void opt_procedural_abstraction(SectionRecord *section, ocode *list);
// Starts a compilation: the key counter and the procedure numbering restart.
void opt_pa_reset();

#endif
