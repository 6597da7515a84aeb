// Data addressing: banked, access RAM, SFRs, the FSR2 window; indirect
// access registers and their pointer rules; full-address moves, FSR
// arithmetic and the extended instructions; table reads and writes.
#include "tests/sim/sim_bench.h"

using Memory = SimBench;

// Examples with FSR2 = 0x120 and BSR = 2.
TEST_F(Memory, EffectiveAddressModes) {
  a.op(MOVF, 0x03, TO_W, ACC);        // [3] = 0x123
  a.op(MOVWF, 0x60, ACC);
  a.op(ADDWF, 0x65, TO_F, BNK);       // 0x265 banked
  a.op(INCF, 0x05, TO_F, BNK);        // 0x205
  a.op(MOVSS, 0x70, 0x01);            // [0x70] = 0x190 -> [1] = 0x121
  a.op(MOVLW, 0x55);
  a.op(MOVWF, 0x80, ACC);             // 0xF80
  sim_set_fsr(m, 2, 0x120);
  D(SFR_BSR) = 2;
  D(0x123) = 0x42;
  D(0x265) = 1;
  D(0x190) = 0x77;
  D(0x003) = 0x99;  // not reachable through a = 0 in extended mode
  run();
  EXPECT_EQ(D(0x60), 0x42);
  EXPECT_EQ(D(0x265), 0x43);
  EXPECT_EQ(D(0x205), 1);
  EXPECT_EQ(D(0x121), 0x77);
  EXPECT_EQ(D(0xF80), 0x55);
  EXPECT_EQ(D(0x003), 0x99);
}

TEST_F(Memory, MovlbAndBsrWritesAreMasked) {
  a.op(MOVLW, 0xF3);
  a.op(MOVWF, SFR_BSR & 0xFF, ACC);
  a.op(MOVFF, SFR_BSR, 0x60);
  a.op(INCF, 0x10, TO_F, BNK);
  run();
  EXPECT_EQ(D(0x60), 3);
  EXPECT_EQ(D(0x310), 1);
}

TEST_F(Memory, PostIncDecPreIncPlusw) {
  a.op(MOVF, SFR_WREG & 0xFF, TO_W, ACC);      // keep W = 0xFE (-2)
  a.op(MOVF, 0xEE, TO_W, ACC);                 // POSTINC0: read 0x200, FSR0 = 0x201
  a.op(MOVWF, 0x60, ACC);
  a.op(MOVLW, 0xFE);
  a.op(MOVFF, 0xFEB, 0x61);                    // PLUSW0: 0x201 - 2 = 0x1FF
  a.op(MOVF, 0xEC, TO_W, ACC);                 // PREINC0: FSR0 = 0x202, read it
  a.op(MOVWF, 0x62, ACC);
  a.op(MOVF, 0xED, TO_W, ACC);                 // POSTDEC0: read 0x202, FSR0 = 0x201
  a.op(MOVWF, 0x63, ACC);
  sim_set_fsr(m, 0, 0x200);
  W() = 0xFE;
  D(0x1FF) = 0x1F;
  D(0x200) = 0x20;
  D(0x202) = 0x22;
  run();
  EXPECT_EQ(D(0x60), 0x20);
  EXPECT_EQ(D(0x61), 0x1F);
  EXPECT_EQ(D(0x62), 0x22);
  EXPECT_EQ(D(0x63), 0x22);
  EXPECT_EQ(sim_fsr(m, 0), 0x201u);
}

// One pointer step per instruction, also for read-modify-write and bit instructions.
TEST_F(Memory, OneUpdatePerInstruction) {
  a.op(INCF, 0xE6, TO_F, ACC);   // POSTINC1: 0x300 += 1, FSR1 = 0x301
  a.op(BSF, 0xE6, 3, ACC);       // 0x301 |= 8, FSR1 = 0x302
  a.op(MOVF, 0xE5, TO_F, ACC);   // POSTDEC1: rewrite 0x302, FSR1 = 0x301
  a.op(BTFSC, 0xE6, 0, ACC);     // test 0x301, FSR1 = 0x302
  a.op(NOP);
  a.op(TSTFSZ, 0xE6, ACC);       // FSR1 = 0x303
  a.op(NOP);
  a.op(CLRF, 0xE6, ACC);         // 0x303 := 0, FSR1 = 0x304
  sim_set_fsr(m, 1, 0x300);
  D(0x300) = 5;
  D(0x302) = 0x80;
  D(0x303) = 0x44;
  run();
  EXPECT_EQ(D(0x300), 6);
  EXPECT_EQ(D(0x301), 8);
  EXPECT_EQ(D(0x303), 0);
  EXPECT_EQ(sim_fsr(m, 1), 0x304u);
  EXPECT_EQ(ST() & FLAG_N, FLAG_N);  // MOVF POSTDEC1, F set N from 0x80
}

TEST_F(Memory, PluswUsesWFromBeforeTheInstruction) {
  a.op(ADDWF, 0xDB, TO_W, ACC);  // PLUSW2: W := W + (FSR2 + W)
  sim_set_fsr(m, 2, 0x400);
  W() = 0x03;
  D(0x403) = 0x10;
  run();
  EXPECT_EQ(W(), 0x13);
  EXPECT_EQ(sim_fsr(m, 2), 0x400u);
}

TEST_F(Memory, PointerWrapsAndByteOpsDoNotCarry) {
  a.op(MOVF, 0xEE, TO_F, ACC);          // POSTINC0 from 0xFFF... wraps to 0x000
  a.op(INCF, SFR_FSR1L & 0xFF, TO_F, ACC);  // FSR1L 0xFF -> 0x00, FSR1H unchanged
  a.op(ADDFSR, 2, 63);
  a.op(SUBFSR, 2, 1);
  sim_set_fsr(m, 0, 0xFFF - 0);
  sim_set_fsr(m, 1, 0x1FF);
  sim_set_fsr(m, 2, 0xFD0);
  run();
  EXPECT_EQ(sim_fsr(m, 0), 0x000u);
  EXPECT_EQ(sim_fsr(m, 1), 0x100u);
  EXPECT_EQ(ST() & FLAG_Z, FLAG_Z);
  EXPECT_EQ(sim_fsr(m, 2), (0xFD0u + 62) & 0xFFF);
}

TEST_F(Memory, IndirectOntoVirtualRegisterReadsZero) {
  a.op(MOVF, 0xEE, TO_W, ACC);   // FSR0 -> 0xFE7 (INDF1): reads 0, still steps
  a.op(MOVWF, 0x60, ACC);
  a.op(MOVLW, 0x5A);
  a.op(MOVWF, 0xEF, ACC);        // INDF0 at 0xFE8 = WREG itself: a plain write
  a.op(MOVWF, 0x61, ACC);
  sim_set_fsr(m, 0, 0xFE7);
  sim_set_fsr(m, 1, 0x500);
  D(0x500) = 0x77;
  D(0x60) = 0x33;
  run();
  EXPECT_EQ(D(0x60), 0);
  EXPECT_EQ(sim_fsr(m, 0), 0xFE8u);
  EXPECT_EQ(D(0x61), 0x5A);
}

TEST_F(Memory, WriteOntoOwnPointerSuppressesTheStep) {
  a.op(MOVLW, 0x40);
  a.op(MOVWF, 0xDD, ACC);  // POSTDEC2 with FSR2 = 0xFD9 (FSR2L)
  sim_set_fsr(m, 2, 0xFD9);
  run();
  EXPECT_EQ(sim_fsr(m, 2), 0xF40u);
}

TEST_F(Memory, MovffWithVirtualRegistersOnBothSides) {
  a.op(MOVFF, 0xFEE, 0xFEE);        // MOVFF POSTINC0, POSTINC0
  a.op(MOVFF, 0xFE5, SFR_FSR2H);    // MOVFF POSTDEC1, FSR2H
  sim_set_fsr(m, 0, 0x210);
  sim_set_fsr(m, 1, 0x220);
  sim_set_fsr(m, 2, 0x000);
  D(0x210) = 0xAB;
  D(0x220) = 0x03;
  run();
  EXPECT_EQ(D(0x211), 0xAB);
  EXPECT_EQ(sim_fsr(m, 0), 0x212u);
  EXPECT_EQ(sim_fsr(m, 1), 0x21Fu);
  EXPECT_EQ(sim_fsr(m, 2), 0x300u);
}

TEST_F(Memory, LfsrMovsfMovssPushl) {
  a.op(LFSR, 0, 0xABC);
  a.op(LFSR, 2, 0x180);
  a.op(MOVSF, 0x05, 0x0F0);         // [5] = 0x185 -> 0x0F0
  a.op(MOVSF, 0x06, 0xFE6);         // -> POSTINC1
  a.op(MOVSS, 0x7F, 0x00);          // [0x7F] = 0x1FF -> [0]
  a.op(PUSHL, 0x99);                // (0x180) := 0x99, FSR2 = 0x17F
  sim_set_fsr(m, 1, 0x300);
  D(0x185) = 0x11;
  D(0x186) = 0x22;
  D(0x1FF) = 0x33;
  run();
  EXPECT_EQ(sim_fsr(m, 0), 0xABCu);
  EXPECT_EQ(D(0x0F0), 0x11);
  EXPECT_EQ(D(0x300), 0x22);
  EXPECT_EQ(sim_fsr(m, 1), 0x301u);
  EXPECT_EQ(D(0x180), 0x99);  // MOVSS wrote 0x33 there first, then PUSHL
  EXPECT_EQ(sim_fsr(m, 2), 0x17Fu);
  EXPECT_EQ(m.cycles, 2u * 5 + 1 + 1);
}

TEST_F(Memory, MovssFromAndToVirtualRegisters) {
  a.op(MOVSS, 0x02, 0x7F);  // source 0xFDB is PLUSW2: reads 0; destination wraps to 0x058
  a.op(MOVSS, 0x7E, 0x03);  // destination 0xFDC is PREINC2: nothing happens
  sim_set_fsr(m, 2, 0xFD9);
  D(0x058) = 0x66;
  D(0x057) = 0x44;
  run();
  EXPECT_EQ(D(0x058), 0);
  EXPECT_EQ(sim_fsr(m, 2), 0xFD9u);
}

TEST_F(Memory, UlnkAdjustsFsr2AndReturns) {
  a.call(0x20);
  a.call(0x30);
  a.op(HALT);
  while (a.pc() < 0x20) a.op(NOP);
  a.op(ADDULNK, 5);
  while (a.pc() < 0x30) a.op(NOP);
  a.op(SUBULNK, 7);
  sim_set_fsr(m, 2, 0x100);
  run_as_is();
  EXPECT_EQ(m.outcome, SIM_PASS);
  EXPECT_EQ(sim_fsr(m, 2), 0x0FEu);
  EXPECT_EQ(m.cycles, 2u + 2 + 2 + 2 + 1);
}

TEST_F(Memory, TableReadsMoveThePointer) {
  a.op(TBLRDPOSTINC);   // 0x100 -> TABLAT, ptr 0x101
  a.op(MOVFF, SFR_TABLAT, 0x60);
  a.op(TBLRDPREINC);    // ptr 0x102
  a.op(MOVFF, SFR_TABLAT, 0x61);
  a.op(TBLRDPOSTDEC);   // ptr 0x101
  a.op(TBLRD);
  a.op(MOVFF, SFR_TABLAT, 0x62);
  load();
  const uint8_t rom[] = {0x10, 0x11, 0x12};
  sim_load(m, 0x100, rom, 3);
  D(SFR_TBLPTRH) = 0x01;
  run();
  EXPECT_EQ(D(0x60), 0x10);
  EXPECT_EQ(D(0x61), 0x12);
  EXPECT_EQ(D(0x62), 0x11);
  EXPECT_EQ(sim_tblptr(m), 0x101u);
}

TEST_F(Memory, TablePointerCarriesAndReachesConfigSpace) {
  a.op(TBLRDPOSTINC);
  a.op(MOVFF, SFR_TABLAT, 0x60);
  a.op(TBLRD);
  a.op(MOVFF, SFR_TABLAT, 0x61);
  load();
  const uint8_t cfg[] = {0x3C};
  sim_load(m, 0x300000, cfg, 1);
  D(SFR_TBLPTRU) = 0x2F;
  D(SFR_TBLPTRH) = 0xFF;
  D(SFR_TBLPTRL) = 0xFF;  // 0x2FFFFF, never loaded
  run();
  EXPECT_EQ(D(0x60), 0xFF);
  EXPECT_EQ(D(0x61), 0x3C);
  EXPECT_EQ(sim_tblptr(m), 0x300000u);
}

TEST_F(Memory, TableWritesChangeTheImage) {
  a.op(MOVLW, 0x21);
  a.op(MOVWF, SFR_TABLAT & 0xFF, ACC);
  a.op(TBLWTPOSTINC);     // low byte of the word at 0x40: 0x21
  a.op(MOVLW, 0x00);
  a.op(MOVWF, SFR_TABLAT & 0xFF, ACC);
  a.op(TBLWT);            // high byte 0x00: the word is LOG (0x0021)
  a.op(MOVLW, 'x');
  a.go(0x40);
  while (a.pc() < 0x40) a.op(NOP);
  a.op(NOP);              // replaced by the table writes
  a.op(HALT);
  D(SFR_TBLPTRL) = 0x40;
  run_as_is();
  EXPECT_EQ(sim_pm_read(m, 0x40), 0x21);
  EXPECT_EQ(m.output, "x");
}

TEST_F(Memory, FillPatternShowsUnwrittenBytes) {
  sim_init(m, 0xA5);
  a.op(MOVF, 0x10, TO_W, BNK);
  a.op(MOVWF, 0x60, ACC);
  run();
  EXPECT_EQ(D(0x60), 0xA5);
  EXPECT_EQ(D(SFR_FSR0H), 0x05);
  EXPECT_EQ(D(SFR_STATUS) & 0xE0, 0);
}

TEST_F(Memory, TableWritesWithDecrementAndPreIncrement) {
  a.op(MOVLW, 0xA1);
  a.op(MOVWF, SFR_TABLAT & 0xFF, ACC);
  a.op(TBLWTPOSTDEC);  // 0x203 := A1, ptr 0x202
  a.op(TBLWTPOSTDEC);  // 0x202 := A1, ptr 0x201
  a.op(MOVLW, 0xB2);
  a.op(MOVWF, SFR_TABLAT & 0xFF, ACC);
  a.op(TBLWTPREINC);   // ptr 0x202, 0x202 := B2
  D(SFR_TBLPTRH) = 0x02;
  D(SFR_TBLPTRL) = 0x03;
  run();
  EXPECT_EQ(sim_pm_read(m, 0x201), 0xFF);
  EXPECT_EQ(sim_pm_read(m, 0x202), 0xB2);
  EXPECT_EQ(sim_pm_read(m, 0x203), 0xA1);
  EXPECT_EQ(sim_tblptr(m), 0x202u);
  EXPECT_EQ(m.cycles, 11u);
}
