// The software-stack frame of the calling convention, hand-assembled: a
// caller pushing parameters, a callee with prologue, locals and epilogue,
// and a recursive function whose frames chain through the saved FSR2L.
#include "tests/sim/sim_bench.h"

using Frame = SimBench;

// One bank; P = 2, L = 3; before the call FSR1 = 0x210 and FSR2 = 0x200.
TEST_F(Frame, WorkedExampleOfTheCallingConvention) {
  const uint32_t f = 0x40;
  a.op(LFSR, 1, 0x210);
  a.op(LFSR, 2, 0x200);
  a.op(MOVFF, 0x100, 0xFE6);  // MOVFF a0, POSTINC1
  a.op(MOVFF, 0x101, 0xFE6);  // MOVFF a1, POSTINC1
  a.call(f, 0);
  a.op(SUBFSR, 1, 2);
  a.op(MOVFF, SFR_WREG, 0x102);
  a.op(HALT);
  while (a.pc() < f) a.op(NOP);
  a.op(MOVFF, SFR_FSR2L, 0xFE6);  // prologue
  a.op(MOVFF, SFR_FSR1L, SFR_FSR2L);
  a.op(SUBFSR, 2, 3);
  a.op(ADDFSR, 1, 3);
  a.op(MOVF, 0, TO_W, ACC);       // body: [3] = [0] + [1]; [5] = [0] - [1]
  a.op(ADDWF, 1, TO_W, ACC);
  a.op(MOVWF, 3, ACC);
  a.op(MOVF, 1, TO_W, ACC);
  a.op(SUBWF, 0, TO_W, ACC);
  a.op(MOVWF, 5, ACC);
  a.op(MOVFF, SFR_FSR2L, 0x110);  // where the frame and stack pointer are
  a.op(MOVFF, SFR_FSR1L, 0x111);
  a.op(MOVF, 3, TO_W, ACC);
  a.op(SUBFSR, 1, 4);             // epilogue
  a.op(MOVFF, 0xFE7, SFR_FSR2L);  // MOVFF INDF1, FSR2L
  a.op(RETURN, 0);
  D(0x100) = 30;
  D(0x101) = 12;
  run_as_is();
  ASSERT_EQ(m.outcome, SIM_HALT_NONZERO);
  EXPECT_EQ(D(0x110), 0x10);   // [0] is the first parameter
  EXPECT_EQ(D(0x111), 0x16);   // FSR1 just past the locals
  EXPECT_EQ(D(0x210), 30);
  EXPECT_EQ(D(0x211), 12);
  EXPECT_EQ(D(0x212), 0x00);   // caller's FSR2L
  EXPECT_EQ(D(0x213), 42);     // first local
  EXPECT_EQ(D(0x215), 18);     // third local
  EXPECT_EQ(D(0x102), 42);
  EXPECT_EQ(sim_fsr(m, 1), 0x210u);
  EXPECT_EQ(sim_fsr(m, 2), 0x200u);
  EXPECT_EQ(m.sp, 0);
}

// sum(n) = n + sum(n - 1): P = 1, L = 1, one frame per level.
TEST_F(Frame, RecursiveFramesChain) {
  const uint32_t sum = 0x40;
  a.op(LFSR, 1, 0x300);
  a.op(LFSR, 2, 0x300);
  a.op(MOVLW, 10);
  a.op(MOVWF, 0xE6, ACC);  // MOVWF POSTINC1
  a.call(sum, 0);
  a.op(SUBFSR, 1, 1);
  a.op(MOVWF, 0x60, ACC);
  a.op(MOVLW, 0);
  a.op(HALT);
  while (a.pc() < sum) a.op(NOP);
  a.op(MOVFF, SFR_FSR2L, 0xFE6);
  a.op(MOVFF, SFR_FSR1L, SFR_FSR2L);
  a.op(SUBFSR, 2, 2);
  a.op(ADDFSR, 1, 1);
  a.op(MOVF, 0, TO_W, ACC);
  uint32_t bz = a.br(BZ, 0);
  a.op(DECF, 0, TO_W, ACC);
  a.op(MOVWF, 0xE6, ACC);
  a.call(sum, 0);
  a.op(SUBFSR, 1, 1);
  a.op(ADDWF, 0, TO_W, ACC);
  a.patch(bz, a.pc());
  a.op(MOVWF, 2, ACC);
  a.op(SUBFSR, 1, 2);
  a.op(MOVFF, 0xFE7, SFR_FSR2L);
  a.op(RETURN, 0);
  run_as_is();
  ASSERT_EQ(m.outcome, SIM_PASS);
  EXPECT_EQ(D(0x60), 55);
  EXPECT_EQ(sim_fsr(m, 1), 0x300u);
  EXPECT_EQ(sim_fsr(m, 2), 0x300u);
  // Innermost frame: n = 0 at 0x300 + 3 x 10, its saved FSR2L just behind.
  EXPECT_EQ(D(0x300 + 30), 0);
  EXPECT_EQ(D(0x300 + 31), 0x300 + 27 - 0x300);
}
