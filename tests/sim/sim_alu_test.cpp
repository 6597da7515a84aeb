// Arithmetic, logic and literal instructions: results and flags against
// hand-computed values, the destination bit, WREG as a file register, and
// STATUS as a destination.
#include "tests/sim/sim_bench.h"

using Alu = SimBench;

constexpr uint8_t C = FLAG_C, DC = FLAG_DC, Z = FLAG_Z, OV = FLAG_OV, N = FLAG_N;

TEST_F(Alu, DestinationBitChoosesWOrFile) {
  a.op(ADDWF, 0x60, TO_W, ACC);  // W = 3 + 4, file unchanged
  a.op(MOVWF, 0x62, ACC);
  a.op(MOVLW, 1);
  a.op(ADDWF, 0x61, TO_F, ACC);  // file = 1 + 9
  W() = 3;
  D(0x60) = 4;
  D(0x61) = 9;
  run();
  EXPECT_EQ(D(0x60), 4);
  EXPECT_EQ(D(0x62), 7);
  EXPECT_EQ(D(0x61), 10);
  EXPECT_EQ(W(), 1);
}

TEST_F(Alu, WregIsMemoryMapped) {
  a.op(DECF, 0xE8, TO_F, ACC);
  a.op(MOVWF, 0x60, ACC);
  a.op(DECF, 0xE8, TO_W, ACC);
  a.op(MOVWF, 0x61, ACC);
  W() = 5;
  run();
  EXPECT_EQ(D(0x60), 4);
  EXPECT_EQ(D(0x61), 3);
}

TEST_F(Alu, LogicSetsOnlyZAndN) {
  a.op(ANDLW, 0x0F);  // 0xF0 & 0x0F = 0 -> Z
  a.op(MOVFF, SFR_STATUS, 0x60);
  a.op(IORLW, 0x80);  // -> N
  a.op(MOVFF, SFR_STATUS, 0x61);
  a.op(XORLW, 0x80);  // -> 0, Z
  a.op(MOVFF, SFR_STATUS, 0x62);
  a.op(COMF, 0x63, TO_F, ACC);
  a.op(MOVFF, SFR_STATUS, 0x64);
  W() = 0xF0;
  ST() = C | DC | OV;
  D(0x63) = 0x5A;
  run();
  EXPECT_EQ(D(0x60), C | DC | OV | Z);
  EXPECT_EQ(D(0x61), C | DC | OV | N);
  EXPECT_EQ(D(0x62), C | DC | OV | Z);
  EXPECT_EQ(D(0x63), 0xA5);
  EXPECT_EQ(D(0x64), C | DC | OV | N);
}

TEST_F(Alu, LiteralArithmetic) {
  a.op(ADDLW, 0x90);  // 0x90 + 0x90 = 0x120
  a.op(MOVFF, SFR_STATUS, 0x60);
  a.op(MOVWF, 0x61, ACC);
  a.op(SUBLW, 0x10);  // 0x10 - 0x20 = 0xF0, borrow
  a.op(MOVFF, SFR_STATUS, 0x62);
  a.op(MOVWF, 0x63, ACC);
  a.op(MULLW, 0xFF);  // 0xF0 * 0xFF = 0xEF10
  a.op(MOVLB, 0xF7);
  W() = 0x90;
  run();
  EXPECT_EQ(D(0x61), 0x20);
  EXPECT_EQ(D(0x60), C | OV);
  EXPECT_EQ(D(0x63), 0xF0);
  EXPECT_EQ(D(0x62), DC | N);  // no borrow out of the low nibble
  EXPECT_EQ(D(SFR_PRODL), 0x10);
  EXPECT_EQ(D(SFR_PRODH), 0xEF);
  EXPECT_EQ(D(SFR_BSR), 0x07);
  EXPECT_EQ(W(), 0xF0);  // MULLW leaves W alone
}

TEST_F(Alu, MulwfIsUnsignedAndSetsNoFlag) {
  a.op(MULWF, 0x60, ACC);
  W() = 0xFF;
  D(0x60) = 0xFF;
  ST() = 0;
  run();
  EXPECT_EQ(D(SFR_PRODH), 0xFE);
  EXPECT_EQ(D(SFR_PRODL), 0x01);
  EXPECT_EQ(ST(), 0);
}

TEST_F(Alu, RotatesThroughAndAroundCarry) {
  a.op(RLCF, 0x60, TO_F, ACC);   // 0x81, C=0 -> 0x02, C=1
  a.op(RRCF, 0x61, TO_F, ACC);   // 0x02, C=1 -> 0x81, C=0
  a.op(RLNCF, 0x62, TO_F, ACC);  // 0x81 -> 0x03
  a.op(RRNCF, 0x63, TO_F, ACC);  // 0x01 -> 0x80, N
  a.op(MOVFF, SFR_STATUS, 0x64);
  a.op(SWAPF, 0x65, TO_F, ACC);
  a.op(RLCF, 0x66, TO_W, ACC);   // sign bit of 0x80 into C, file unchanged
  D(0x60) = 0x81;
  D(0x61) = 0x02;
  D(0x62) = 0x81;
  D(0x63) = 0x01;
  D(0x65) = 0x3C;
  D(0x66) = 0x80;
  run();
  EXPECT_EQ(D(0x60), 0x02);
  EXPECT_EQ(D(0x61), 0x81);
  EXPECT_EQ(D(0x62), 0x03);
  EXPECT_EQ(D(0x63), 0x80);
  EXPECT_EQ(D(0x64), N);  // C cleared by RRCF, untouched by the non-carry rotates
  EXPECT_EQ(D(0x65), 0xC3);
  EXPECT_EQ(D(0x66), 0x80);
  EXPECT_EQ(ST() & C, C);
  EXPECT_EQ(W(), 0x00);
}

// 16-bit add and subtract chains: C carries between bytes, Z is the last byte's.
TEST_F(Alu, MultiByteChains) {
  a.op(MOVF, 0x60, TO_W, ACC);
  a.op(ADDWF, 0x62, TO_F, ACC);
  a.op(MOVF, 0x61, TO_W, ACC);
  a.op(ADDWFC, 0x63, TO_F, ACC);  // 0x12FF + 0x0001 = 0x1300
  a.op(MOVF, 0x60, TO_W, ACC);
  a.op(SUBWF, 0x64, TO_F, ACC);
  a.op(MOVF, 0x61, TO_W, ACC);
  a.op(SUBWFB, 0x65, TO_F, ACC);  // 0x1300 - 0x0001 = 0x12FF
  D(0x60) = 0x01;
  D(0x61) = 0x00;
  D(0x62) = 0xFF;
  D(0x63) = 0x12;
  D(0x64) = 0x00;
  D(0x65) = 0x13;
  run();
  EXPECT_EQ(D(0x62), 0x00);
  EXPECT_EQ(D(0x63), 0x13);
  EXPECT_EQ(D(0x64), 0xFF);
  EXPECT_EQ(D(0x65), 0x12);
  EXPECT_EQ(ST() & (C | Z), C);
}

TEST_F(Alu, StatusAsDestinationTakesOnlyFlags) {
  a.op(CLRF, SFR_STATUS & 0xFF, ACC);          // sets Z only
  a.op(MOVFF, SFR_STATUS, 0x60);
  a.op(MOVLW, 0x01);
  a.op(ANDWF, SFR_STATUS & 0xFF, TO_F, ACC);   // result 0x01 not stored; Z, N from it
  a.op(MOVFF, SFR_STATUS, 0x61);
  a.op(INCF, SFR_STATUS & 0xFF, TO_F, ACC);    // flags of (status+1), value not stored
  a.op(MOVFF, SFR_STATUS, 0x62);
  a.op(BSF, SFR_STATUS & 0xFF, 0, ACC);        // plain write: sets C
  a.op(MOVFF, SFR_STATUS, 0x63);
  a.op(MOVLW, 0xFF);
  a.op(MOVWF, SFR_STATUS & 0xFF, ACC);         // plain write, bits 7-5 read 0
  a.op(MOVFF, SFR_STATUS, 0x64);
  ST() = C | OV | N;
  run();
  EXPECT_EQ(D(0x60), C | OV | N | Z);
  EXPECT_EQ(D(0x61), C | OV);                  // 0x01 & 0x1D = 0x01: Z, N cleared
  EXPECT_EQ(D(0x62), 0);                       // 0x09 + 1 = 0x0A: all five flags clear
  EXPECT_EQ(D(0x63), C);
  EXPECT_EQ(D(0x64), 0x1F);
}

TEST_F(Alu, DawWorkedValues) {
  struct { uint8_t w, st, out, c; } cases[] = {
      {0xCE, 0, 0x34, 1}, {0xA5, 0, 0x05, 1}, {0x9A, 0, 0x00, 1}, {0x81, DC, 0x87, 0}, {0x45, 0, 0x45, 0}};
  for (auto &c : cases) {
    sim_init(m, 0);
    a = Asm{};
    a.op(DAW);
    a.op(MOVWF, 0x60, ACC);
    W() = c.w;
    ST() = c.st;
    run();
    EXPECT_EQ(D(0x60), c.out) << std::hex << (int)c.w;
    EXPECT_EQ(ST() & C, c.c) << std::hex << (int)c.w;
    EXPECT_EQ(ST() & DC, c.st & DC);  // DAW leaves DC alone
  }
}

// ADDWF then DAW gives the BCD sum and carry for every pair of two-digit operands.
TEST_F(Alu, DawAllBcdPairs) {
  a.op(MOVF, 0x60, TO_W, ACC);
  a.op(ADDWF, 0x61, TO_W, ACC);
  a.op(DAW);
  a.op(MOVWF, 0x62, ACC);
  a.op(HALT);
  load();
  int wrong = 0;
  for (int x = 0; x < 100; ++x)
    for (int y = 0; y < 100; ++y) {
      m.stop = false;
      m.outcome = SIM_RUNNING;
      sim_reset(m);
      D(0x60) = (uint8_t)((x / 10) << 4 | x % 10);
      D(0x61) = (uint8_t)((y / 10) << 4 | y % 10);
      sim_run(m);
      int s = x + y;
      uint8_t want = (uint8_t)(((s % 100) / 10) << 4 | s % 10);
      if (D(0x62) != want || (ST() & C) != (s >= 100 ? C : 0)) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
}

TEST_F(Alu, OrXorSetfAndClrwdt) {
  a.op(IORWF, 0x60, TO_F, ACC);   // 0x0F | 0x30
  a.op(XORWF, 0x61, TO_W, ACC);   // 0x30 ^ 0x30 = 0 -> W, Z
  a.op(MOVFF, SFR_STATUS, 0x62);
  a.op(SETF, 0x63, ACC);          // no flag change
  a.op(CLRWDT);
  a.op(MOVFF, SFR_STATUS, 0x64);
  W() = 0x30;
  D(0x60) = 0x0F;
  D(0x61) = 0x30;
  ST() = FLAG_C;
  run();
  EXPECT_EQ(D(0x60), 0x3F);
  EXPECT_EQ(D(0x61), 0x30);
  EXPECT_EQ(W(), 0);
  EXPECT_EQ(D(0x62), FLAG_C | FLAG_Z);
  EXPECT_EQ(D(0x63), 0xFF);
  EXPECT_EQ(D(0x64), FLAG_C | FLAG_Z);
}

TEST_F(Alu, PushlOntoAVirtualRegisterIsDropped) {
  a.op(PUSHL, 0x12);
  sim_set_fsr(m, 2, 0xFEE);  // POSTINC0
  sim_set_fsr(m, 0, 0x300);
  D(0x300) = 0x77;
  run();
  EXPECT_EQ(D(0x300), 0x77);
  EXPECT_EQ(sim_fsr(m, 0), 0x300u);
  EXPECT_EQ(sim_fsr(m, 2), 0xFEDu);
}
