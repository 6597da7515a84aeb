// The optimiser's interface: the phase that runs over every code section's
// output code after code generation (optimize_assembly), and the steps of it
// that run even with optimisation off, exposed for the optimiser's own files
// and tests.
#ifndef VELC_OPT_OPT_H
#define VELC_OPT_OPT_H

#include "gen/ocode.h"
#include "opt/varlocate.h"

// Applies the varlocate list, normalises symbol references, converts
// literal branches, and resolves every branch of every code section.
void optimize_assembly();
// Gives back the label nodes that building basic blocks keeps for reuse
// between the builds of a unit: at the end of the phase, and when a stopped
// compilation is reset.
void opt_release_spare_labels();
// Ends a compilation for procedural abstraction: the procedure numbering
// restarts, and the tables it keeps between runs for their storage are
// freed.
void opt_pa_release();

// Marks the symbols named by the varlocate list (warning for an unknown one).
void opt_apply_varlocate();
// Rewrites one operand's symbol reference into its canonical spelling.
void opt_normalize_symref(inst_operand *op);
// Normalises every symbol operand of every code section's instructions.
void opt_normalize_all_symrefs();
// Generated branch instructions become branch nodes; literal branch targets
// become labels. Returns the list's head.
ocode *opt_convert_literal_branches(ocode *list);
// Resolves every branch node of a section list into BRA, Bcc, GOTO or an
// inverted Bcc around one of them; turns near CALLs into RCALL; removes the
// labels nothing refers to. Returns the list's head.
ocode *opt_resolve_branches(ocode *list);
// The node size in program words that branch resolution assumes: the
// largest size a branch node of its resolution state may take.
int opt_max_instruction_size(const ocode *oc);
// Distance in words from a branch node (or CALL) to its target, 0xFFFF when
// the target is unknown or too far; *forward tells the direction.
long opt_max_distance_to_branch_target(const ocode *oc, bool *forward);

#endif
