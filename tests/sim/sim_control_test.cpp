// Branches, skips, calls and returns, the return stack, PCL, hook
// instructions, faults and interrupts: targets, cycle counts and outcomes.
#include "tests/sim/sim_bench.h"

using Control = SimBench;

TEST_F(Control, ConditionalBranchesTakenAndNot) {
  struct { int type; uint8_t status; bool taken; } cases[] = {
      {BC, FLAG_C, true},   {BC, 0, false},      {BNC, 0, true},     {BNC, FLAG_C, false},
      {BZ, FLAG_Z, true},   {BZ, 0, false},      {BNZ, 0, true},     {BNZ, FLAG_Z, false},
      {BN, FLAG_N, true},   {BN, 0, false},      {BNN, 0, true},     {BNN, FLAG_N, false},
      {BOV, FLAG_OV, true}, {BOV, 0, false},     {BNOV, 0, true},    {BNOV, FLAG_OV, false},
  };
  for (auto &c : cases) {
    SCOPED_TRACE(std::string(getInstName(c.type)) + (c.taken ? " taken" : " not taken"));
    sim_init(m, 0);
    a = Asm{};
    uint32_t b = a.br(c.type, 0);
    a.op(MOVLW, 1);  // fall-through path
    a.op(HALT);
    uint32_t target = a.op(MOVLW, 2);
    a.patch(b, target);
    ST() = c.status;
    run();
    EXPECT_EQ(W(), c.taken ? 2 : 1);
    EXPECT_EQ(m.cycles, c.taken ? 2u + 1 + 1 : 1u + 1 + 1);
  }
}

TEST_F(Control, BraBackwardLoopCountsDown) {
  a.op(MOVLW, 5);
  a.op(MOVWF, 0x60, ACC);
  uint32_t loop = a.op(INCF, 0x61, TO_F, ACC);
  a.op(DECF, 0x60, TO_F, ACC);
  uint32_t bz = a.br(BZ, 0);
  a.br(BRA, loop);
  a.patch(bz, a.pc());
  run();
  EXPECT_EQ(D(0x61), 5);
  // 2 + 5 x (INCF, DECF, BZ) + 4 x BRA(2) + one taken BZ extra + HALT
  EXPECT_EQ(m.cycles, 2u + 5 * 3 + 4 * 2 + 1 + 1);
}

TEST_F(Control, SkipsOverOneAndTwoWordInstructions) {
  a.op(CPFSEQ, 0x60, ACC);   // equal: skips the MOVLW
  a.op(MOVLW, 0x11);
  a.op(CPFSGT, 0x60, ACC);   // not greater: no skip
  a.op(INCF, 0x62, TO_F, ACC);
  a.op(TSTFSZ, 0x61, ACC);   // zero: skips the two-word MOVFF
  a.op(MOVFF, 0x60, 0x63);
  a.op(CPFSLT, 0x61, ACC);   // 0 < W: skips
  a.op(INCF, 0x64, TO_F, ACC);
  W() = 7;
  D(0x60) = 7;
  run();
  EXPECT_EQ(W(), 7);
  EXPECT_EQ(D(0x62), 1);
  EXPECT_EQ(D(0x63), 0);
  EXPECT_EQ(D(0x64), 0);
  // CPFSEQ 2, CPFSGT 1, INCF 1, TSTFSZ 3, CPFSLT 2, HALT 1
  EXPECT_EQ(m.cycles, 10u);
  EXPECT_EQ(m.instructions, 6u);  // the skipped ones are not executed
}

TEST_F(Control, BitTestsAndBitWrites) {
  a.op(BTFSC, 0x60, 3, ACC);  // bit 3 set: no skip
  a.op(BSF, 0x61, 7, ACC);
  a.op(BTFSS, 0x60, 3, ACC);  // bit 3 set: skip
  a.op(BSF, 0x61, 0, ACC);
  a.op(BCF, 0x60, 3, ACC);
  a.op(BTG, 0x60, 0, ACC);
  a.op(BTG, 0x60, 1, ACC);
  D(0x60) = 0x09;
  run();
  EXPECT_EQ(D(0x61), 0x80);
  EXPECT_EQ(D(0x60), 0x02);
}

TEST_F(Control, CountAndSkip) {
  a.op(DECFSZ, 0x60, TO_F, ACC);  // 1 -> 0: skip
  a.op(INCF, 0x70, TO_F, ACC);
  a.op(INCFSZ, 0x61, TO_F, ACC);  // 0xFF -> 0: skip
  a.op(INCF, 0x71, TO_F, ACC);
  a.op(DCFSNZ, 0x62, TO_F, ACC);  // 5 -> 4: skip
  a.op(INCF, 0x72, TO_F, ACC);
  a.op(INFSNZ, 0x63, TO_W, ACC);  // 0xFF -> 0 into W: no skip
  a.op(INCF, 0x73, TO_F, ACC);
  D(0x60) = 1;
  D(0x61) = 0xFF;
  D(0x62) = 5;
  D(0x63) = 0xFF;
  ST() = FLAG_N;
  run();
  EXPECT_EQ(D(0x60), 0);
  EXPECT_EQ(D(0x61), 0);
  EXPECT_EQ(D(0x62), 4);
  EXPECT_EQ(D(0x63), 0xFF);
  EXPECT_EQ(D(0x70) + D(0x71) + D(0x72), 0);
  EXPECT_EQ(D(0x73), 1);
  EXPECT_EQ(W(), 0);
}

TEST_F(Control, BranchIntoSecondWordRunsItAsNop) {
  uint32_t b = a.br(BRA, 0);
  uint32_t movff = a.op(MOVFF, 0x60, 0x61);
  a.op(INCF, 0x62, TO_F, ACC);
  a.patch(b, movff + 2);
  D(0x60) = 9;
  run();
  EXPECT_EQ(D(0x61), 0);
  EXPECT_EQ(D(0x62), 1);
}

TEST_F(Control, CallReturnAndRetlw) {
  a.call(0x40);
  a.op(MOVWF, 0x60, ACC);
  a.op(RCALL, 0);  // patched below
  a.op(MOVWF, 0x61, ACC);
  a.op(HALT);
  while (a.pc() < 0x40) a.op(NOP);
  a.op(RETLW, 0x5A);
  uint32_t sub2 = a.op(MOVLW, 0x33);
  a.op(RETURN, 0);
  a.patch(4 + 2, sub2);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_HALT_NONZERO);
  EXPECT_EQ(D(0x60), 0x5A);
  EXPECT_EQ(D(0x61), 0x33);
  EXPECT_EQ(m.sp, 0);
  EXPECT_EQ(m.cycles, 2u + 2 + 1 + 2 + 1 + 2 + 1 + 1);
}

TEST_F(Control, FastCallSavesAndRestoresShadows) {
  a.op(MOVLW, 0x21);
  a.op(MOVLB, 3);
  a.op(BSF, SFR_STATUS & 0xFF, 0, ACC);
  a.call(0x20, 1);
  a.op(HALT);
  while (a.pc() < 0x20) a.op(NOP);
  a.op(MOVLW, 0x99);
  a.op(MOVLB, 9);
  a.op(ADDLW, 0x67);  // changes flags
  a.op(RETURN, 1);
  run_as_is();
  EXPECT_EQ(W(), 0x21);
  EXPECT_EQ(D(SFR_BSR), 3);
  EXPECT_EQ(ST(), FLAG_C);
}

TEST_F(Control, SlowCallAndReturnLeaveShadowsAlone) {
  m.ws = 0x44;
  a.op(MOVLW, 0x21);
  a.call(0x10, 0);
  a.op(HALT);
  while (a.pc() < 0x10) a.op(NOP);
  a.op(MOVLW, 0x99);
  a.op(RETURN, 1);  // restores the old shadow W
  run_as_is();
  EXPECT_EQ(W(), 0x44);
}

TEST_F(Control, PushPopAndTopOfStackRegisters) {
  a.op(PUSH);                                 // TOS = 2
  a.op(MOVFF, SFR_TOSL, 0x60);
  a.op(MOVLW, 0x10);
  a.op(MOVWF, SFR_TOSL & 0xFF, ACC);          // TOS = 0x10
  a.op(RETURN, 0);                            // -> 0x10
  while (a.pc() < 0x10) a.op(NOP);
  a.op(PUSH);
  a.op(PUSH);
  a.op(MOVFF, SFR_STKPTR, 0x61);
  a.op(POP);
  a.op(POP);
  a.op(MOVFF, SFR_STKPTR, 0x62);
  a.op(MOVFF, SFR_TOSH, 0x63);                // empty stack reads 0
  a.op(HALT);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_HALT_NONZERO);
  EXPECT_EQ(D(0x60), 0x02);
  EXPECT_EQ(D(0x61), 2);
  EXPECT_EQ(D(0x62), 0);
  EXPECT_EQ(D(0x63), 0);
}

TEST_F(Control, StackOverflowAndUnderflowAreFaults) {
  uint32_t at = a.op(RCALL, (uint32_t)-1);  // calls itself forever
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_STACK_OVERFLOW);
  EXPECT_EQ(m.outcome_pc, at);
  EXPECT_EQ(m.sp, 31);

  sim_init(m, 0);
  a = Asm{};
  a.op(NOP);
  uint32_t ret = a.op(RETURN, 0);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_STACK_UNDERFLOW);
  EXPECT_EQ(m.outcome_pc, ret);

  sim_init(m, 0);
  a = Asm{};
  a.op(POP);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_STACK_UNDERFLOW);
}

TEST_F(Control, PclReadLoadsLatchesAndWriteJumps) {
  while (a.pc() < 0x1F0) a.op(NOP);
  a.base = 0;
  uint32_t rd = a.op(MOVF, SFR_PCL & 0xFF, TO_W, ACC);  // at 0x1F0: reads 0xF2, PCLATH := 1
  a.op(MOVWF, 0x60, ACC);
  a.op(MOVLW, 0x02);
  a.op(MOVWF, SFR_PCLATH & 0xFF, ACC);
  a.op(MOVLW, 0x41);
  a.op(MOVWF, SFR_PCL & 0xFF, ACC);  // jump to 0x0240, 2 cycles
  a.op(STOP);
  while (a.pc() < 0x240) a.op(NOP);
  a.op(MOVLW, 0);
  a.op(HALT);
  load();
  m.pc = rd;
  sim_run(m);
  EXPECT_EQ(m.outcome, SIM_PASS);
  EXPECT_EQ(m.outcome_pc, 0x242u);
  EXPECT_EQ(D(0x60), 0xF2);
  EXPECT_EQ(m.cycles, 5u + 2 + 1 + 1);
}

// A computed jump into a RETLW table: ADDWF PCL stays in the current page.
TEST_F(Control, ComputedJumpTable) {
  a.op(MOVLW, 0x7F);
  a.op(MOVWF, SFR_PCLATH & 0xFF, ACC);  // stale latch: the read of PCL replaces it
  a.op(MOVLW, 4);
  a.call(0x20);
  a.op(MOVWF, 0x60, ACC);
  a.op(HALT);
  while (a.pc() < 0x20) a.op(NOP);
  a.op(ADDWF, SFR_PCL & 0xFF, TO_F, ACC);  // PCL read = 0x22; + 4 -> 0x26
  a.op(RETLW, 10);
  a.op(RETLW, 11);
  a.op(RETLW, 12);
  run_as_is();
  EXPECT_EQ(D(0x60), 12);
}

TEST_F(Control, MovffIntoPclIsUnsupported) {
  uint32_t at = a.op(MOVFF, 0x60, SFR_PCL);
  run();
  EXPECT_EQ(m.outcome, SIM_UNSUPPORTED);
  EXPECT_EQ(m.outcome_pc, at);
  EXPECT_EQ(sim_outcome_status(m.outcome), 8);
}

TEST_F(Control, HookInstructionsAndFaults) {
  a.op(MOVLW, 'o');
  a.op(LOG);
  a.op(MOVLW, 'k');
  a.op(MOVWF, SIM_OUT_PORT & 0xFF, ACC);
  a.op(MOVLW, 3);
  uint32_t at = a.op(STOP);
  run_as_is();
  EXPECT_EQ(m.output, "ok");
  EXPECT_EQ(m.outcome, SIM_STOPPED);
  EXPECT_EQ(m.outcome_pc, at);
  EXPECT_EQ(m.result, 3);

  struct { uint16_t word; SimOutcome out; } faults[] = {
      {0x0002, SIM_INVALID}, {0x00E0, SIM_INVALID}, {0x00E1, SIM_INVALID},
      {0xEE30, SIM_INVALID} /* LFSR 3 */, {0x0003, SIM_SLEEP}};
  for (auto &f : faults) {
    sim_init(m, 0);
    a = Asm{};
    a.op(NOP);
    a.raw(f.word);
    a.raw(0xF000);
    run_as_is();
    EXPECT_EQ(m.outcome, f.out) << std::hex << f.word;
    EXPECT_EQ(m.outcome_pc, 2u);
  }
}

TEST_F(Control, RunningOffTheImageAndCycleLimit) {
  a.op(NOP);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_OUTSIDE_IMAGE);
  EXPECT_EQ(m.outcome_pc, 2u);

  sim_init(m, 0);
  a = Asm{};
  a.br(BRA, 0);
  run_as_is(1001);
  EXPECT_EQ(m.outcome, SIM_CYCLE_LIMIT);
  EXPECT_GE(m.cycles, 1001u);
  EXPECT_LE(m.cycles, 1002u);
}

TEST_F(Control, ResetInstruction) {
  uint32_t first = a.op(INCF, 0x60, TO_F, ACC);
  a.op(BTFSC, 0x60, 1, ACC);  // second pass: D(0x60) = 2
  a.op(HALT);
  a.op(MOVLB, 5);
  a.op(PUSH);
  a.op(RESET);
  (void)first;
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_PASS);
  EXPECT_EQ(D(0x60), 2);
  EXPECT_EQ(D(SFR_BSR), 0);
  EXPECT_EQ(m.sp, 0);
}

static void s_count_pause(SimMachine &m, void *ctx) {
  ++*static_cast<int *>(ctx);
  m.dm[0x70] = m.dm[SFR_WREG];
}

TEST_F(Control, PauseCallsTheHookOrActsAsNop) {
  a.op(MOVLW, 0);
  a.op(PAUSE);
  a.op(MOVLW, 0);
  a.op(PAUSE);
  run();
  EXPECT_EQ(m.outcome, SIM_PASS);
  int count = 0;
  sim_init(m, 0);
  m.pause_hook = s_count_pause;
  m.pause_context = &count;
  a = Asm{};
  a.op(MOVLW, 9);
  a.op(PAUSE);
  a.op(PAUSE);
  run();
  EXPECT_EQ(count, 2);
  EXPECT_EQ(D(0x70), 9);
}

TEST_F(Control, LowPriorityInterruptNeedsBothEnables) {
  a.go(0x40);
  while (a.pc() < 0x18) a.op(NOP);
  a.op(INCF, 0x60, TO_F, ACC);
  a.op(RETFIE, 0);
  while (a.pc() < 0x40) a.op(NOP);
  a.op(BSF, SFR_INTCON & 0xFF, 6, ACC);  // low enable only: not accepted
  a.op(NOP);
  a.op(NOP);
  a.op(MOVFF, 0x60, 0x61);
  a.op(BSF, SFR_INTCON & 0xFF, 7, ACC);  // now accepted
  a.op(NOP);
  a.op(MOVLW, 0);
  a.op(HALT);
  load();
  sim_request_interrupt(m, false);
  sim_run(m);
  EXPECT_EQ(D(0x61), 0);
  EXPECT_EQ(D(0x60), 1);
  EXPECT_EQ(D(SFR_INTCON) & 0xC0, 0xC0);
}

TEST_F(Control, SleepWaitsForAScheduledInterrupt) {
  a.go(0x40);
  while (a.pc() < 0x08) a.op(NOP);
  a.op(MOVLW, 0);
  a.op(HALT);
  while (a.pc() < 0x40) a.op(NOP);
  a.op(BSF, SFR_INTCON & 0xFF, 7, ACC);
  a.op(SLEEP);
  a.op(STOP);
  load();
  sim_schedule_interrupt(m, true, 500);
  sim_run(m);
  EXPECT_EQ(m.outcome, SIM_PASS);
  EXPECT_GE(m.cycles, 500u);
}
