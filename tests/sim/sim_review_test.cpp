// Review checks of the simulator against the core's description, each value
// computed by hand: the cycle count of every instruction type, jumps through
// PCL that stay in their page, stack-pointer and masked-register writes,
// flag corners, the indexed literal offset examples, and the output hook.
#include "tests/sim/sim_bench.h"

using Review = SimBench;

namespace {

constexpr uint8_t C = FLAG_C, DC = FLAG_DC, Z = FLAG_Z, OV = FLAG_OV, N = FLAG_N;

struct CycleRow {
  int type;
  uint32_t o1, o2, o3;
  unsigned cycles;  // with W = 1, (0x070) = 0, STATUS = 0, one return address on the stack
};

constexpr uint32_t F = 0x70;

// One row per instruction type. Skips jump over a one-word NOP (one more
// cycle); conditional branches are taken when their flag test is on a clear
// flag (one more cycle).
const CycleRow s_rows[] = {
    {ADDWF, F, TO_F, ACC, 1},   {ADDWFC, F, TO_F, ACC, 1}, {ANDWF, F, TO_F, ACC, 1},  {COMF, F, TO_F, ACC, 1},
    {DECF, F, TO_F, ACC, 1},    {INCF, F, TO_F, ACC, 1},   {IORWF, F, TO_F, ACC, 1},  {MOVF, F, TO_F, ACC, 1},
    {RLCF, F, TO_F, ACC, 1},    {RLNCF, F, TO_F, ACC, 1},  {RRCF, F, TO_F, ACC, 1},   {RRNCF, F, TO_F, ACC, 1},
    {SUBFWB, F, TO_F, ACC, 1},  {SUBWF, F, TO_F, ACC, 1},  {SUBWFB, F, TO_F, ACC, 1}, {SWAPF, F, TO_F, ACC, 1},
    {XORWF, F, TO_F, ACC, 1},
    {DECFSZ, F, TO_F, ACC, 1},  // 0 -> 0xFF: no skip
    {INCFSZ, F, TO_F, ACC, 1},  // 0 -> 1: no skip
    {DCFSNZ, F, TO_F, ACC, 2},  // 0xFF is not zero: skip
    {INFSNZ, F, TO_F, ACC, 2},
    {MOVWF, F, ACC, 0, 1},      {NEGF, F, ACC, 0, 1},      {CLRF, F, ACC, 0, 1},      {SETF, F, ACC, 0, 1},
    {MULWF, F, ACC, 0, 1},
    {TSTFSZ, F, ACC, 0, 2},     // 0: skip
    {CPFSEQ, F, ACC, 0, 1},     {CPFSGT, F, ACC, 0, 1},
    {CPFSLT, F, ACC, 0, 2},     // 0 < 1: skip
    {BCF, F, 0, ACC, 1},        {BSF, F, 0, ACC, 1},       {BTG, F, 0, ACC, 1},
    {BTFSC, F, 0, ACC, 2},      // bit clear: skip
    {BTFSS, F, 0, ACC, 1},
    {ADDLW, 5, 0, 0, 1},        {ANDLW, 5, 0, 0, 1},       {IORLW, 5, 0, 0, 1},       {XORLW, 5, 0, 0, 1},
    {SUBLW, 5, 0, 0, 1},        {MOVLW, 5, 0, 0, 1},       {MULLW, 5, 0, 0, 1},       {MOVLB, 5, 0, 0, 1},
    {RETLW, 5, 0, 0, 2},        {PUSHL, 5, 0, 0, 1},
    {BC, 0, 0, 0, 1},           {BZ, 0, 0, 0, 1},          {BN, 0, 0, 0, 1},          {BOV, 0, 0, 0, 1},
    {BNC, 0, 0, 0, 2},          {BNZ, 0, 0, 0, 2},         {BNN, 0, 0, 0, 2},         {BNOV, 0, 0, 0, 2},
    {BRA, 0, 0, 0, 2},          {RCALL, 0, 0, 0, 2},
    {CALL, 0x80, 0, 0, 2},      {GOTO, 0x80, 0, 0, 2},     {CALLW, 0, 0, 0, 2},
    {LFSR, 0, 0x123, 0, 2},     {MOVFF, F, F + 1, 0, 2},   {MOVSF, 1, F + 1, 0, 2},   {MOVSS, 1, 2, 0, 2},
    {ADDFSR, 0, 1, 0, 1},       {SUBFSR, 0, 1, 0, 1},      {ADDULNK, 1, 0, 0, 2},     {SUBULNK, 1, 0, 0, 2},
    {RETURN, 0, 0, 0, 2},       {RETFIE, 0, 0, 0, 2},
    {CLRWDT, 0, 0, 0, 1},       {DAW, 0, 0, 0, 1},         {HALT, 0, 0, 0, 1},        {LOG, 0, 0, 0, 1},
    {NOP, 0, 0, 0, 1},          {PAUSE, 0, 0, 0, 1},       {POP, 0, 0, 0, 1},         {PUSH, 0, 0, 0, 1},
    {RESET, 0, 0, 0, 1},        {SLEEP, 0, 0, 0, 1},       {STOP, 0, 0, 0, 1},        {TRAP, 0, 0, 0, 1},
    {TRET, 0, 0, 0, 1},         {WORD2, 0x123, 0, 0, 1},
    {TBLRD, 0, 0, 0, 2},        {TBLRDPOSTINC, 0, 0, 0, 2}, {TBLRDPOSTDEC, 0, 0, 0, 2}, {TBLRDPREINC, 0, 0, 0, 2},
    {TBLWT, 0, 0, 0, 2},        {TBLWTPOSTINC, 0, 0, 0, 2}, {TBLWTPOSTDEC, 0, 0, 0, 2}, {TBLWTPREINC, 0, 0, 0, 2},
};
static_assert(sizeof(s_rows) / sizeof(s_rows[0]) == 90, "every instruction type once");

}  // namespace

TEST_F(Review, CyclesOfEveryInstructionType) {
  for (const CycleRow &r : s_rows) {
    SCOPED_TRACE(getInstName(r.type));
    sim_init(m, 0);
    a = Asm{};
    a.op(r.type, r.o1, r.o2, r.o3);
    a.op(NOP);
    a.op(NOP);
    load();
    W() = 1;
    sim_set_fsr(m, 2, 0x200);
    m.sp = 1;
    m.stack[1] = 0x100;
    sim_step(m);
    EXPECT_EQ(m.cycles, r.cycles);
    EXPECT_EQ(m.instructions, 1u);
  }
}

// ADDWF PCL, F first reads PCL, which reloads the latches from the current
// address: at 0x01FA the read gives 0xFC with PCLATH = 0x01, and 0xFC + 4
// loses its carry, so the jump lands on 0x0100, not on 0x0200 or 0x3300.
TEST_F(Review, ComputedJumpStaysInItsPage) {
  a.op(MOVLW, 0x33);
  a.op(MOVWF, SFR_PCLATH & 0xFF, ACC);
  a.go(0x1F8);
  while (a.pc() < 0x100) a.op(NOP);
  a.op(MOVLW, 0x11);  // 0x0100
  a.op(HALT);
  while (a.pc() < 0x1F8) a.op(NOP);
  a.op(MOVLW, 4);                           // 0x01F8
  a.op(ADDWF, SFR_PCL & 0xFF, TO_F, ACC);   // 0x01FA
  a.op(MOVLW, 0x22);
  a.op(HALT);
  run_as_is();
  EXPECT_EQ(m.result, 0x11);
  EXPECT_EQ(D(SFR_PCLATH), 0x01);
  // MOVLW, MOVWF, GOTO (2), MOVLW, ADDWF PCL (1 + 1), MOVLW, HALT
  EXPECT_EQ(m.cycles, 1u + 1 + 2 + 1 + 2 + 1 + 1);
}

// CALLW drops bit 0 of W, pushes the word after it and leaves the latches.
TEST_F(Review, CallwWithOddW) {
  a.op(MOVLW, 0x01);
  a.op(MOVWF, SFR_PCLATH & 0xFF, ACC);
  a.op(MOVLW, 0x05);
  uint32_t at = a.op(CALLW);
  while (a.pc() < 0x104) a.op(NOP);
  a.op(MOVFF, SFR_TOSL, 0x60);  // 0x0104
  a.op(HALT);
  run_as_is();
  EXPECT_EQ(m.outcome_pc, 0x108u);
  EXPECT_EQ(D(0x60), at + 2);
  EXPECT_EQ(D(SFR_PCLATH), 0x01);
}

// A full stack sets bit 7 of STKPTR; writing STKPTR sets SP from bits 4-0
// and clears a flag only where the written bit is 0. RESET keeps the flags.
TEST_F(Review, StackPointerWritesAndFlags) {
  for (int i = 0; i < 31; ++i) a.op(PUSH);
  a.op(MOVFF, SFR_STKPTR, 0x60);           // 0x80 | 31
  a.op(MOVLW, 0xC3);
  a.op(MOVWF, SFR_STKPTR & 0xFF, ACC);     // flags kept, SP = 3
  a.op(MOVFF, SFR_STKPTR, 0x61);
  a.op(MOVLW, 0x45);
  a.op(MOVWF, SFR_STKPTR & 0xFF, ACC);     // full flag cleared, SP = 5
  a.op(MOVFF, SFR_STKPTR, 0x62);
  a.op(HALT);
  run_as_is();
  EXPECT_EQ(D(0x60), 0x9F);
  EXPECT_EQ(D(0x61), 0x83);
  EXPECT_EQ(D(0x62), 0x05);

  sim_init(m, 0);
  a = Asm{};
  a.op(BTFSC, 0x60, 0, ACC);  // second time round: stop
  a.op(HALT);
  a.op(SETF, 0x60, ACC);
  for (int i = 0; i < 31; ++i) a.op(PUSH);
  a.op(RESET);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_PASS);
  EXPECT_EQ(m.sp, 0);
  EXPECT_EQ(sim_peek(m, SFR_STKPTR), 0x80);
}

// Unimplemented bits read 0 whatever is written.
TEST_F(Review, MaskedRegisterBits) {
  const unsigned regs[] = {SFR_TOSU, SFR_PCLATU, SFR_TBLPTRU, SFR_FSR0H, SFR_FSR1H, SFR_FSR2H, SFR_BSR, SFR_STATUS};
  const uint8_t expect[] = {0x1F, 0x1F, 0x3F, 0x0F, 0x0F, 0x0F, 0x0F, 0x1F};
  a.op(PUSH);
  a.op(MOVLW, 0xFF);
  for (int i = 0; i < 8; ++i) a.op(MOVWF, regs[i] & 0xFF, ACC);
  for (int i = 0; i < 8; ++i) a.op(MOVFF, regs[i], 0x70 + i);
  a.op(MOVLB, 0);
  a.op(HALT);
  run_as_is();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(D(0x70 + i), expect[i]) << std::hex << regs[i];
}

// Flags worked by hand from the adder and the rotate rules.
TEST_F(Review, FlagCorners) {
  struct Case {
    int type;
    uint8_t w, f, status_in;
    uint32_t d;
    uint8_t w_out, f_out, status_out;
  };
  const Case cases[] = {
      {RRCF, 0x00, 0x01, OV | DC, TO_F, 0x00, 0x00, C | Z | OV | DC},  // C from bit 0; OV and DC kept
      {RLCF, 0x00, 0x80, N, TO_W, 0x00, 0x80, C | Z},                  // sign into C, x unchanged
      {RLCF, 0x00, 0x41, C, TO_F, 0x00, 0x83, N},                      // carry into bit 0
      {RRNCF, 0x00, 0x01, C, TO_F, 0x00, 0x80, C | N},                 // C untouched
      {SUBWFB, 0x00, 0x01, 0, TO_F, 0x00, 0x00, C | DC | Z},           // 1 - 0 - borrow: Z of this byte only
      {ADDWFC, 0x0F, 0x00, C, TO_W, 0x10, 0x00, DC},                   // 0x0F + 0 + 1 carries out of bit 3
      {SUBFWB, 0x00, 0x01, C, TO_W, 0xFF, 0x01, N},                    // W is the minuend
      {COMF, 0x00, 0x7F, C | OV, TO_F, 0x00, 0x80, C | OV | N},
      {SWAPF, 0x00, 0x5A, C | Z, TO_W, 0xA5, 0x5A, C | Z},             // no flag
      // Worked values of the adder and of NEGF, the result in the file.
      {ADDWF, 0x7F, 0x01, 0, TO_F, 0x7F, 0x80, DC | OV | N},
      {SUBWF, 0x07, 0x05, 0, TO_F, 0x07, 0xFE, N},
      {SUBFWB, 0x10, 0x01, C, TO_F, 0x10, 0x0F, C},
      {SUBFWB, 0x80, 0x00, 0, TO_F, 0x80, 0x7F, C | OV},
      {DECF, 0x00, 0x00, 0, TO_F, 0x00, 0xFF, N},
      {DECF, 0x00, 0x80, 0, TO_F, 0x00, 0x7F, C | OV},
      {INCF, 0x00, 0xFF, 0, TO_F, 0x00, 0x00, C | DC | Z},
      {ADDWFC, 0x01, 0x01, C, TO_F, 0x01, 0x03, 0},
      {ADDWFC, 0xFF, 0x00, C, TO_F, 0xFF, 0x00, C | DC | Z},
      {SUBWFB, 0x01, 0x03, 0, TO_F, 0x01, 0x01, C | DC},
      {SUBWFB, 0x01, 0x01, 0, TO_F, 0x01, 0xFF, N},
      {NEGF, 0, 0x00, 0, TO_F, 0, 0x00, C | DC | Z},
      {NEGF, 0, 0x01, 0, TO_F, 0, 0xFF, N},
      {NEGF, 0, 0x80, 0, TO_F, 0, 0x80, DC | OV | N},
      {NEGF, 0, 0x10, 0, TO_F, 0, 0xF0, DC | N},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(getInstName(c.type));
    sim_init(m, 0);
    a = Asm{};
    if (c.type == NEGF)
      a.op(NEGF, 0x70, ACC);
    else
      a.op(c.type, 0x70, c.d, ACC);
    a.op(MOVWF, 0x60, ACC);
    load();
    W() = c.w;
    D(0x70) = c.f;
    ST() = c.status_in;
    sim_step(m);
    sim_step(m);
    EXPECT_EQ(D(0x60), c.w_out);
    EXPECT_EQ(D(0x70), c.f_out);
    EXPECT_EQ(ST(), c.status_out);
  }
}

TEST_F(Review, LiteralFlagsAndProducts) {
  a.op(MOVLW, 0x88);
  a.op(ADDLW, 0x88);      // 0x110: C, DC (8 + 8), OV (two negatives give a positive)
  a.op(MOVFF, SFR_STATUS, 0x60);
  a.op(MOVWF, 0x61, ACC);
  a.op(MOVLW, 0x20);
  a.op(SUBLW, 0x10);      // 0x10 - 0x20 = 0xF0: borrow (C = 0), no nibble borrow (DC = 1), N
  a.op(MOVFF, SFR_STATUS, 0x62);
  a.op(MOVWF, 0x63, ACC);
  a.op(MOVLW, 0xFF);
  a.op(MULLW, 0xFF);      // 0xFE01; flags as they were
  a.op(MOVFF, SFR_STATUS, 0x64);
  a.op(CLRF, 0x65, ACC);  // Z, the other flags kept
  a.op(MULWF, 0x65, ACC); // a zero product sets no flag either; W stays 0xFF
  a.op(MOVFF, SFR_STATUS, 0x66);
  run();
  EXPECT_EQ(D(0x60), C | DC | OV);
  EXPECT_EQ(D(0x61), 0x10);
  EXPECT_EQ(D(0x62), DC | N);
  EXPECT_EQ(D(0x63), 0xF0);
  EXPECT_EQ(D(0x64), DC | N);
  EXPECT_EQ(D(0x66), DC | N | Z);
  EXPECT_EQ(D(SFR_PRODH), 0x00);
  EXPECT_EQ(D(SFR_PRODL), 0x00);
  EXPECT_EQ(W(), 0xFF);
}

// CPFSGT and CPFSLT compare unsigned.
TEST_F(Review, CompareSkipsAreUnsigned) {
  a.op(MOVLW, 0x7F);
  a.op(CPFSGT, 0x70, ACC);  // 0x80 > 0x7F: skip
  a.op(SETF, 0x60, ACC);
  a.op(MOVLW, 0xFF);
  a.op(CPFSLT, 0x71, ACC);  // 0x01 < 0xFF: skip
  a.op(SETF, 0x61, ACC);
  a.op(CPFSGT, 0x71, ACC);  // 0x01 > 0xFF: no skip
  a.op(SETF, 0x62, ACC);
  load();
  D(0x70) = 0x80;
  D(0x71) = 0x01;
  run();
  EXPECT_EQ(D(0x60), 0x00);
  EXPECT_EQ(D(0x61), 0x00);
  EXPECT_EQ(D(0x62), 0xFF);
}

// The worked examples of the indexed literal offset mode with FSR2 = 0x120
// and BSR = 2; f from 0x60 to 0x7F with a = 0 is the access RAM of bank 0.
TEST_F(Review, IndexedLiteralOffsetExamples) {
  a.op(LFSR, 2, 0x120);
  a.op(MOVLB, 2);
  a.op(MOVF, 0x03, TO_W, ACC);   // [3] = 0x123
  a.op(MOVWF, 0x61, ACC);
  a.op(MOVLW, 1);
  a.op(ADDWF, 0x65, TO_F, ACC);  // 0x065
  a.op(INCF, 0x05, TO_F, BNK);   // 0x205
  a.op(MOVSS, 0x70, 0x01);       // 0x190 -> 0x121
  load();
  D(0x123) = 0x5C;
  D(0x065) = 0x10;
  D(0xF65) = 0x40;
  D(0x205) = 0x07;
  D(0x190) = 0x99;
  run();
  EXPECT_EQ(D(0x61), 0x5C);
  EXPECT_EQ(D(0x065), 0x11);
  EXPECT_EQ(D(0xF65), 0x40);
  EXPECT_EQ(D(0x205), 0x08);
  EXPECT_EQ(D(0x121), 0x99);
  EXPECT_EQ(sim_fsr(m, 2), 0x120u);
}

// LOG prints W and changes no register or memory.
TEST_F(Review, LogChangesNoMemory) {
  a.op(MOVLW, 'A');
  a.op(LOG);
  a.op(MOVLW, 0);
  load();
  D(SIM_OUT_PORT) = 0x33;
  run();
  EXPECT_EQ(m.output, "A");
  EXPECT_EQ(D(SIM_OUT_PORT), 0x33);
}

// A high-priority interrupt preempts a low-priority routine: each entry
// pushes the next instruction's address, copies W, STATUS and BSR into the
// shadows (the second entry overwriting the first) and clears its own
// enable; each RETFIE sets the enable that is clear, the high one first.
TEST_F(Review, HighInterruptPreemptsLowRoutine) {
  a.go(0x40);
  while (a.pc() < 0x08) a.op(NOP);
  a.op(MOVLW, 0x99);  // 0x08: high-priority routine
  a.op(MOVLB, 9);
  a.op(RETFIE, 1);
  while (a.pc() < 0x18) a.op(NOP);
  a.op(MOVLW, 0x55);  // 0x18: low-priority routine
  a.op(MOVLB, 7);
  a.op(RETFIE, 0);    // 0x1C
  while (a.pc() < 0x40) a.op(NOP);
  a.op(NOP);
  a.op(NOP);
  load();
  D(SFR_INTCON) = INT_ENABLE_HIGH | INT_ENABLE_LOW;
  W() = 0x12;
  D(SFR_BSR) = 3;
  ST() = C;
  sim_step(m);  // GOTO
  sim_step(m);  // NOP at 0x40
  sim_request_interrupt(m, false);
  sim_step(m);  // low-priority entry
  EXPECT_EQ(m.pc, 0x18u);
  EXPECT_EQ(m.sp, 1);
  EXPECT_EQ(m.stack[1], 0x42u);
  EXPECT_EQ(D(SFR_INTCON) & 0xC0, INT_ENABLE_HIGH);
  EXPECT_EQ(m.ws, 0x12);
  EXPECT_EQ(m.bsrs, 3);
  EXPECT_EQ(m.statuss, C);
  sim_step(m);  // MOVLW 0x55
  ST() = Z;
  sim_step(m);  // MOVLB 7
  sim_request_interrupt(m, true);
  sim_step(m);  // high-priority entry, accepted with the low enable clear
  EXPECT_EQ(m.pc, 0x08u);
  EXPECT_EQ(m.stack[2], 0x1Cu);
  EXPECT_EQ(D(SFR_INTCON) & 0xC0, 0);
  EXPECT_EQ(m.ws, 0x55);
  EXPECT_EQ(m.bsrs, 7);
  EXPECT_EQ(m.statuss, Z);
  sim_step(m);
  sim_step(m);
  sim_step(m);  // RETFIE 1
  EXPECT_EQ(m.pc, 0x1Cu);
  EXPECT_EQ(W(), 0x55);
  EXPECT_EQ(D(SFR_BSR), 7);
  EXPECT_EQ(ST(), Z);
  EXPECT_EQ(D(SFR_INTCON) & 0xC0, INT_ENABLE_HIGH);
  sim_step(m);  // RETFIE 0: no restore
  EXPECT_EQ(m.pc, 0x42u);
  EXPECT_EQ(W(), 0x55);
  EXPECT_EQ(D(SFR_BSR), 7);
  EXPECT_EQ(D(SFR_INTCON) & 0xC0, INT_ENABLE_HIGH | INT_ENABLE_LOW);
  EXPECT_EQ(m.sp, 0);
}
