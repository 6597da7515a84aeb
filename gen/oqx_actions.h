// The guards, cost functions and actions of the 8- and 16-bit arithmetic
// rule families (gen/select_arith.cpp), declared for the matcher.
#ifndef VELC_GEN_OQX_ACTIONS_H
#define VELC_GEN_OQX_ACTIONS_H

#include "trans/pcodell.h"

bool oqxLvalSlotFits(pcodell_t *p);
bool oqxIsAnd255(pcodell_t *p);
bool oqxIsIdentity(pcodell_t *p);
bool oqxIsXor255(pcodell_t *p);
bool oqxIsAdd1(pcodell_t *p);
bool oqxIsAdd255(pcodell_t *p);
bool oqxIsConst1(pcodell_t *p);
int oqxShift8ConstCost(pcodell_t *p);
void oqxOp8W(pcodell_t *p);
void oqxOp8Single(pcodell_t *p);
void oqxIdentity(pcodell_t *p);
void oqxCom8(pcodell_t *p);
void oqxMul8(pcodell_t *p);
void oqxShift8(pcodell_t *p);
void oqxOp8A(pcodell_t *p);
void oqxOp16(pcodell_t *p);
void oqxOp16A(pcodell_t *p);
void oqxMargPush(pcodell_t *p);
void oqxCallHelper(pcodell_t *p);
void oqxCallHelperA(pcodell_t *p);

#endif
