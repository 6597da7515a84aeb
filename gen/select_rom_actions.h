// The guards and actions of the program-memory rules (gen/select_rom.cpp),
// declared for the matcher.
#ifndef VELC_GEN_SELECT_ROM_ACTIONS_H
#define VELC_GEN_SELECT_ROM_ACTIONS_H

#include "trans/pcodell.h"

bool selIsRomIndexAdd(pcodell_t *p);
bool selFarSlotFits(pcodell_t *p);
bool selFarSlotFitsAdd(pcodell_t *p);
bool selFarSlotFitsMov(pcodell_t *p);
bool selFarSlotFitsMovSrc(pcodell_t *p);
void selRomAddress24(pcodell_t *p);
void selRomAddrFold(pcodell_t *p);
void selLoadTblptr(pcodell_t *p);
void selLoadTblptrIndexed(pcodell_t *p);
void selLoadTblptrFromVar(pcodell_t *p);
void selLoadTblptrFromValue(pcodell_t *p);
void selLoadTblptrAddrPlus(pcodell_t *p);
void selTableRead(pcodell_t *p);
void selTableReadToDest(pcodell_t *p);
void selStoreFarPointer(pcodell_t *p);
void selCallRom(pcodell_t *p);
void selCallFar(pcodell_t *p);
void selCallFarValue(pcodell_t *p);
void selTableWrite(pcodell_t *p);
bool selRomMemberAtZero(pcodell_t *p);
void selRomMemberAddress(pcodell_t *p);
void selRomMemberToDest(pcodell_t *p);
void selRomIndexToDest(pcodell_t *p);

#endif
