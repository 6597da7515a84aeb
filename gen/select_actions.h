// The guards, cost functions and actions that the selector grammar names,
// declared before the generated matcher is included. Each family's file
// defines its own; a family written in its own header is included below
// when present.
#ifndef VELC_GEN_SELECT_ACTIONS_H
#define VELC_GEN_SELECT_ACTIONS_H

#include "trans/pcodell.h"

#define SEL_ACTION(name) void name(pcodell_t *p);
#define SEL_GUARD(name) bool name(pcodell_t *p);
#include "gen/select_actions.def"
#undef SEL_ACTION
#undef SEL_GUARD

#include "gen/select_aggregate.h"

#if __has_include("gen/oqx_actions.h")
#include "gen/oqx_actions.h"
#endif
#if __has_include("gen/select_wide.h")
#include "gen/select_wide.h"
#endif
#if __has_include("gen/select_float.h")
#include "gen/select_float.h"
#endif
#include "gen/select_rom_actions.h"

#endif
