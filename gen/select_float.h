// The actions of the floating-point rule family (gen/select_float.cpp),
// declared for the matcher.
#ifndef VELC_GEN_SELECT_FLOAT_H
#define VELC_GEN_SELECT_FLOAT_H

#include "trans/pcodell.h"

bool selFloatOnVariable(pcodell_t *p);
bool selFloatZeroLeft(pcodell_t *p);
void selFloatNegate(pcodell_t *p);
void selFloatConst(pcodell_t *p);
void selFloatCallHelper(pcodell_t *p);
void selFloatCallHelperA(pcodell_t *p);
void selFloatCompare(pcodell_t *p);
void selFloatTest(pcodell_t *p);
void selFloatToByte(pcodell_t *p);
void selFloatIncDec(pcodell_t *p);
void selFloatPostIncDec(pcodell_t *p);
void selFloatCallHelperPtr(pcodell_t *p);
void selFloatIncDecPtr(pcodell_t *p);
void selFloatIncDecPtrValue(pcodell_t *p);

#endif
