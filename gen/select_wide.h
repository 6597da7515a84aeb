// The guards and actions of the 24- and 32-bit rule families
// (gen/select_wide.cpp), declared for the matcher.
#ifndef VELC_GEN_SELECT_WIDE_H
#define VELC_GEN_SELECT_WIDE_H

#include "trans/pcodell.h"

// Bytes of the value an operator yields (I_C32TO8: 1, I_IND24RAM16: 3), or 0.
int sel_op_width(int opcode);

bool selWideSlotFits(pcodell_t *p);
bool selWideSlotFitsMov(pcodell_t *p);
bool selWideSlotBeyond(pcodell_t *p);
bool selWideSlotBeyondMov(pcodell_t *p);
void selWideConst(pcodell_t *p);
void selAllocTemp24(pcodell_t *p);
void selAllocTemp32(pcodell_t *p);
void selWideIndirect(pcodell_t *p);
void selWideLoadPtr(pcodell_t *p);
void selWideDestFromKid(pcodell_t *p);
void selWideMovPtr(pcodell_t *p);
void selWideMoveToDest(pcodell_t *p);
void selWideNarrow(pcodell_t *p);
void selWideWidenConst(pcodell_t *p);
void selWideExtend(pcodell_t *p);
void selWideTest(pcodell_t *p);
void selWideOp(pcodell_t *p);
void selWideOpA(pcodell_t *p);
void selWideShiftThrough(pcodell_t *p);
void selWideIncDec(pcodell_t *p);
void selWidePostIncDec(pcodell_t *p);
void selWideIncDecThrough(pcodell_t *p);
void selWideMargPush(pcodell_t *p);
void selWideCallHelper(pcodell_t *p);
void selWideCallHelperA(pcodell_t *p);
void selWideCall(pcodell_t *p);
void selWideArg(pcodell_t *p);
void selWideReturn(pcodell_t *p);

#endif
