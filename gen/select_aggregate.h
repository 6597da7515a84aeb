// The guards and actions of the aggregate rule families (members and
// structure values of gen/select_aggregate.cpp, bit-fields of
// gen/select_bitfields.cpp), declared for the matcher.
#ifndef VELC_GEN_SELECT_AGGREGATE_H
#define VELC_GEN_SELECT_AGGREGATE_H

#include "trans/pcodell.h"

bool selMemberAtZero(pcodell_t *p);
void selMemberAddress(pcodell_t *p);
void selMemberToDest(pcodell_t *p);
void selStructAt(pcodell_t *p);
void selCopyStruct(pcodell_t *p);
void selArgStruct(pcodell_t *p);
void selReturnStruct(pcodell_t *p);
void selCallStruct(pcodell_t *p);
void selCallMember(pcodell_t *p);
void selCallStructFar(pcodell_t *p);
void selCallMemberFar(pcodell_t *p);
void selCopyRomStruct(pcodell_t *p);
void selArgRomStruct(pcodell_t *p);
void selStructValueMember(pcodell_t *p);
void selStructCondDest(pcodell_t *p);
void selStructCondArms(pcodell_t *p);

bool selBitfOneBitUnsigned(pcodell_t *p);
bool selBitfOneBit(pcodell_t *p);
bool selBitfOneBitMov(pcodell_t *p);
void selBitfBranch(pcodell_t *p);
void selBitfAt(pcodell_t *p);
void selBitfRead(pcodell_t *p);
void selBitfReadBit(pcodell_t *p);
void selBitfWrite(pcodell_t *p);
void selBitfWriteBit(pcodell_t *p);
// Compound assignments and increments of a bit-field become assignments of
// the field's new value (gen/select_bitfields.cpp).
void sel_rewrite_bitfield_updates(pcodell_t *root);
// The plain operator of a compound-assignment operator (I_SUB8 for
// I_SUB8A), or 0; and whether a tree has no effect of its own, so that it
// may be evaluated twice.
int sel_plain_of_compound(int op);
bool sel_tree_is_pure(const pcodell_t *t);
// Compound assignments and increments of a rom byte or int become table
// writes of the new value (gen/select_rom_updates.cpp).
void sel_rewrite_rom_updates(pcodell_t *root);
// Updates of objects at computed addresses whose value is used become the
// update followed by a read of the object; true when the tree changed
// (gen/select_value_updates.cpp).
bool sel_rewrite_value_updates(pcodell_t *root);

// Forgets the module's structure-result area (before each module).
void sel_aggregate_reset();

// The variable (its I_IDRAM16 or I_IDSTK node) of an address tree made of
// that variable's address, member nodes over its indirection and constant
// indices (address + constant, either order), with the byte offset the
// tree adds in *offset; null when the tree is anything else or the offset
// lies outside the variable.
const pcodell_t *sel_static_address(const pcodell_t *address, long *offset);
// The frame offset of such a tree over a frame variable, or -1.
long sel_frame_offset(const pcodell_t *address);

#endif
