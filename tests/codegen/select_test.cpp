// The selector's framework, frames and temporaries, driven directly: a tree
// that no rule covers, the prologue and epilogue of frames of several
// sizes, and the save and restore of temporaries live across calls.
#include "codegen_fixture.h"
#include "driver/settings.h"
#include "gen/frame.h"
#include "gen/select.h"
#include "gen/temps.h"

namespace {

class SelectTest : public CodegenFixture {};

// A constant as the destination of a store: no rule derives the statement.
TEST_F(SelectTest, UncoveredTreeIsDumpedThenReportedWithMessage100) {
  pcodell_t *dst = pcodell_create(I_CNST8, nullptr, nullptr, 7, "t.c");
  pcodell_t *val = pcodell_create(I_CNST8, nullptr, nullptr, 7, "t.c");
  pcodell_t *tree = pcodell_create(I_MOV8, dst, val, 7, "t.c");
  ocode *code = nullptr;
  testing::internal::CaptureStdout();
  EXPECT_THROW(sel_reduce_statement(tree, &code), FatalUnwind);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("   7: I_MOV8\n   7:     I_CNST8(0)\n   7:     I_CNST8(0)\n"), std::string::npos) << out;
  EXPECT_NE(out.find("unable to reduce tree:"), std::string::npos) << out;
  pcodellFreeTree(tree);
}

struct FrameCase {
  long locals, params, result;
  int multi_bank;
  const char *listing;
};

TEST_F(SelectTest, PrologueAndEpilogueFitTheFrame) {
  const FrameCase cases[] = {
      {0, 0, 2, 0, "nop|return 0"},  // frameless
      {0, 0, 0, 1, "nop|return 0"},
      {100, 0, 0, 0,
       "movff FSR2L|word2 POSTINC1|movff FSR1L|word2 FSR2L|subfsr 2, 1|addfsr 1, 63|addfsr 1, 37|nop|"
       "subfsr 1, 63|subfsr 1, 38|movff INDF1|word2 FSR2L|return 0"},
      {1, 3, 1, 0,
       "movff FSR2L|word2 POSTINC1|movff FSR1L|word2 FSR2L|subfsr 2, 4|addfsr 1, 1|nop|subfsr 1, 2|"
       "movff INDF1|word2 FSR2L|return 0"},
      {0, 2, 0, 1,
       "movff FSR2L|word2 POSTINC1|movff FSR2H|word2 POSTINC1|movff FSR1L|word2 FSR2L|movff FSR1H|"
       "word2 FSR2H|subfsr 2, 4|nop|subfsr 1, 1|movff POSTDEC1|word2 FSR2H|movff INDF1|word2 FSR2L|return 0"},
      {0, 0, 6, 0,
       "movff FSR2L|word2 POSTINC1|movff FSR1L|word2 FSR2L|subfsr 2, 1|nop|subfsr 1, 1|movff INDF1|"
       "word2 FSR2L|return 0"},
  };
  for (const FrameCase &c : cases) {
    stack_multi_bank_flag = c.multi_bank;
    ocode *body = objInst(iqx_NOP(), 1, "t.c");
    ocode *code = keep(oqxProcessFunction(body, c.locals, c.params, c.result, nullptr, 1, "t.c", 2, "t.c"));
    std::string text;
    for (const ocode *oc = code; oc; oc = oc->next) {
      std::string line = inst_print(oc->data.inst.ins);
      text += (text.empty() ? "" : "|") + line;
    }
    EXPECT_EQ(text, c.listing) << "locals " << c.locals << " params " << c.params;
  }
  stack_multi_bank_flag = 0;
}

// The code of one statement: a temporary written before each call and read
// after it, around a nested call.
TEST_F(SelectTest, TemporariesLiveAcrossACallAreSavedAndRestored) {
  tmp_enter_main();
  SymbolRecord *t = tmp_get_sym();
  EXPECT_EQ(tmp_alloc(2), 0);
  EXPECT_EQ(tmp_alloc(1), 2);
  SymbolRecord *f = function("f");
  ocode *list = nullptr;
  auto add = [&](ocode *oc) { list = objAppend(list, oc); };
  auto mov = [&](SymbolRecord *s, int so, SymbolRecord *d, int dof) {
    add(objInst(iqx_MOVFF(s, so), 1, "t.c"));
    add(objInst(iqx_MOVFF2(s, so, d, dof), 1, "t.c"));
  };
  mov(PRODLsym, 0, t, 0);  // t+0 and t+1 are written, t+2 is dead at the call
  mov(PRODHsym, 0, t, 1);
  add(objInst(iqx_CLRF(t, 2), 1, "t.c"));
  add(objPushTemps(1, "t.c"));
  add(objInst(iqx_CALL(f, 0, 0), 1, "t.c"));
  add(objInst(iqx_CALL2(f, 0), 1, "t.c"));
  add(objPopTemps(1, "t.c"));
  add(objInst(iqx_opWF(MOVF, t, 1, DEST_W), 1, "t.c"));
  add(objInst(iqx_opWF(ADDWF, t, 0, DEST_W), 1, "t.c"));
  add(objInst(iqx_MOVWF(t, 2), 1, "t.c"));
  list = keep(tmp_save_and_restore(list));
  std::string text;
  for (const ocode *oc = list; oc; oc = oc->next)
    text += std::string(inst_print(oc->data.inst.ins)) + "|";
  std::string tn = t->name;
  EXPECT_EQ(text, "movff PRODL|word2 " + tn + "|movff PRODH|word2 " + tn + " + 1|clrf " + tn +
                      " + 2, 1|movff " + tn + "|word2 POSTINC1|movff " + tn + " + 1|word2 POSTINC1|call f, 0|word2 f|"
                      "movf POSTDEC1, 1, 0|movff INDF1|word2 " + tn + " + 1|movf POSTDEC1, 1, 0|movff INDF1|word2 " +
                      tn + "|movf " + tn + " + 1, 0, 1|addwf " + tn + ", 0, 1|movwf " + tn + " + 2, 1|");
  // Two statements of 2 bytes each share their bytes.
  tmp_clear();
  tmp_alloc(2);
  tmp_clear();
  tmp_exit_main();
  EXPECT_EQ(ll_sizeof_type(t->data.var.type), 3);
}

}  // namespace
