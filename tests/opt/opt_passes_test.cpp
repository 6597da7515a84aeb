// The optimiser's block passes on hand-built functions: each row is a
// function body, the pass (peephole, bank selection, CALL+RETURN), the
// switches, and the instructions expected afterwards. Covers what C code
// rarely produces: MOVFF through WREG, self-moves, skips in front of a
// rewrite, PLUSW with WREG known 0, bytes of an object larger than a bank.
#include <functional>

#include "driver/settings.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"
#include "opt/opt.h"
#include "tests/codegen/codegen_fixture.h"

namespace {

enum Pass { PEEPHOLE, BANKING, POST, DEAD, STORES };

class OptPasses : public CodegenFixture {
public:
  void SetUp() override {
    CodegenFixture::SetUp();
    fsym = function("f");
    callee = function("g");
    near_v = variable("nv", true);
    far_v = variable("fv", false);
    far_w = variable("fw", false);
    TypeRecord *t = type_create(ARRAY_TYPE);
    t->next = type_basic(BT_CHAR, false, false, false);
    t->next->location = RAM_LOC;
    t->location = RAM_LOC;
    t->data.array.count = 300;
    big = record(VARIABLE, "big", t);
  }
  void TearDown() override {
    do_banking_optimizations = do_wreg_tracking = 1;
    CodegenFixture::TearDown();
  }
  ocode *body;
  void add(inst *ins) { objAppend(body, ocodeInst(ins, 2, "a.c")); }
  void movff(SymbolRecord *src, int soff, SymbolRecord *dst, int doff) {
    add(iqx_MOVFF(src, soff));
    add(iqx_MOVFF2(src, soff, dst, doff));
  }
  std::string run(Pass pass, const std::function<void()> &build) {
    body = keep(ocodeBFunct(fsym, 1, "a.c"));
    build();
    objAppend(body, ocodeEFunct(fsym, 3, "a.c"));
    if (pass == POST) {
      opt_post_process_peephole_optimizations(body);
    } else {
      int count = 0;
      basic_block *blocks = opt_calculate_basic_blocks(body, &count);
      for (basic_block *b = blocks; b; b = b->next)
        while (pass == PEEPHOLE && opt_peephole_optimizations(b)) {
        }
      if (pass == BANKING)
        opt_optimize_banking(blocks);
      if (pass == DEAD)
        opt_dead_code_pass(body, blocks);
      if (pass == STORES)
        opt_redundant_store_elimination(blocks);
      opt_convert_block_branches(blocks);
    }
    std::string out;
    for (const ocode *oc = body; oc; oc = oc->next)
      if (oc->type == OC_INST)
        out += std::string(out.empty() ? "" : "; ") + inst_print(oc->data.inst.ins);
    return out;
  }
  SymbolRecord *fsym, *callee, *near_v, *far_v, *far_w, *big;
};

TEST_F(OptPasses, RewritesAndWhatBlocksThem) {
  struct Row {
    const char *what;
    Pass pass;
    int banking, wreg;
    std::function<void(OptPasses &)> build;
    const char *expected;
  };
  const Row rows[] = {
      {"MOVFF near to WREG", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.movff(t.near_v, 0, WREGsym, 0); t.add(iqx_ADDLW(1)); }, "movf nv, 0, 0; addlw 1"},
      {"MOVFF near to WREG while Z is still to be tested", PEEPHOLE, 1, 1,
       [](OptPasses &t) {
         t.movff(t.near_v, 0, WREGsym, 0);
         t.add(iqx_BTFSC(STATUSsym, 0, 2));
         t.add(iqx_ADDLW(1));
       },
       "movff nv; word2 WREG; btfsc STATUS, 2, 0; addlw 1"},
      {"MOVFF near to WREG with Z live past the block", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.movff(t.near_v, 0, WREGsym, 0); }, "movff nv; word2 WREG"},
      {"MOVFF WREG to near", PEEPHOLE, 1, 1, [](OptPasses &t) { t.movff(WREGsym, 0, t.near_v, 1); },
       "movwf nv + 1, 0"},
      {"MOVFF banked to WREG stays", PEEPHOLE, 1, 1, [](OptPasses &t) { t.movff(t.far_v, 0, WREGsym, 0); },
       "movff fv; word2 WREG"},
      {"MOVFF onto itself", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.movff(t.far_v, 1, t.far_v, 1); t.add(iqx_CLRF(t.far_w, 0)); }, "clrf fw, 1"},
      {"MOVFF onto another byte stays", PEEPHOLE, 1, 1, [](OptPasses &t) { t.movff(t.far_v, 1, t.far_v, 0); },
       "movff fv + 1; word2 fv"},
      {"self-move after a skip stays", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.add(iqx_BTFSC(t.near_v, 0, 1)); t.movff(t.far_v, 0, t.far_v, 0); },
       "btfsc nv, 1, 0; movff fv; word2 fv"},
      {"MOVLW before RETURN", PEEPHOLE, 1, 1, [](OptPasses &t) { t.add(iqx_MOVLW(5)); t.add(iqx_RETURN(0)); },
       "retlw 5"},
      {"fast RETURN keeps its MOVLW", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.add(iqx_MOVLW(5)); t.add(iqx_RETURN(1)); }, "movlw 5; return 1"},
      {"MOVLW after a skip stays", PEEPHOLE, 1, 1,
       [](OptPasses &t) { t.add(iqx_TSTFSZ(t.near_v, 0)); t.add(iqx_MOVLW(5)); t.add(iqx_RETURN(0)); },
       "tstfsz nv, 0; movlw 5; return 0"},
      {"MOVFF banked of the selected bank", BANKING, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_BANKSEL(t.far_v, 0));
         t.movff(t.far_v, 0, WREGsym, 0);
         t.movff(WREGsym, 0, t.far_v, 0);
         t.movff(t.far_w, 0, WREGsym, 0);
         t.add(iqx_ANDLW(1));
       },
       "movlb high( fv ); movf fv, 0, 1; movwf fv, 1; movff fw; word2 WREG; andlw 1"},
      {"MOVLB of the selected bank", BANKING, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_MOVLB(2));
         t.add(iqx_MOVLB(2));
         t.add(iqx_BANKSEL(t.far_v, 0));
         t.add(iqx_BANKSEL(t.far_v, 0));
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_BANKSEL(t.far_v, 0));
       },
       "movlb 2; movlb high( fv ); call g, 0; word2 g; movlb high( fv )"},
      {"bank switches off", BANKING, 0, 1,
       [](OptPasses &t) { t.add(iqx_MOVLB(2)); t.add(iqx_MOVLB(2)); t.add(iqx_MOVLW(7)); t.add(iqx_MOVLW(7)); },
       "movlb 2; movlb 2; movlw 7"},
      {"a skipped MOVLB selects nothing sure", BANKING, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_BTFSS(t.near_v, 0, 0));
         t.add(iqx_MOVLB(2));
         t.add(iqx_MOVLB(2));
         t.add(iqx_MOVLB(2));
       },
       "btfss nv, 0, 0; movlb 2; movlb 2"},
      {"a byte of a large object is matched by offset", BANKING, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_BANKSEL(t.big, 5));
         t.add(iqx_BANKSEL(t.big, 5));
         t.add(iqx_BANKSEL(t.big, 260));
         t.add(iqx_BANKSEL(t.big, 5));
       },
       "movlb high( big + 5 ); movlb high( big + 260 ); movlb high( big + 5 )"},
      {"WREG known: repeated MOVLW, arithmetic, PLUSW2 with 0", BANKING, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_MOVLW(3));
         t.add(iqx_XORLW(3));
         t.add(iqx_MOVLW(0));
         t.add(iqx_opWF(MOVF, PLUSW2sym, 0, DEST_F));
         t.add(iqx_ADDLW(4));
         t.add(iqx_MOVLW(4));
         t.add(iqx_opWF(INCF, WREGsym, 0, DEST_F));
         t.add(iqx_MOVLW(4));
       },
       "movlw 3; xorlw 3; movf INDF2, 1, 0; addlw 4; incf WREG, 1, 0; movlw 4"},
      {"WREG tracking off", BANKING, 1, 0,
       [](OptPasses &t) {
         t.add(iqx_MOVLW(0));
         t.add(iqx_opWF(MOVF, PLUSW2sym, 0, DEST_F));
         t.add(iqx_MOVLW(0));
       },
       "movlw 0; movf PLUSW2, 1, 0; movlw 0"},
      {"CALL then RETURN", POST, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_RETURN(0));
       },
       "goto g; word2 g"},
      {"CALL after a skip, CALL before a fast RETURN", POST, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_BTFSC(t.near_v, 0, 0));
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_RETURN(0));
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_RETURN(1));
       },
       "btfsc nv, 0, 0; call g, 0; word2 g; return 0; call g, 0; word2 g; return 1"},
  };
  for (const Row &row : rows) {
    do_banking_optimizations = row.banking;
    do_wreg_tracking = row.wreg;
    EXPECT_EQ(run(row.pass, [&] { row.build(*this); }), row.expected) << row.what;
  }
}

// Dead-code removal: what goes, and what stays although nothing in the
// function reads it.
TEST_F(OptPasses, DeadCodeKeepsWhatIsSeen) {
  struct Row {
    const char *what;
    bool returns_char;
    std::function<void(OptPasses &)> build;
    const char *expected;
  };
  SymbolRecord *tmp = variable("__tmp_0", false);
  tmp->temporary = 1;
  SymbolRecord *vol = variable("port", true);
  vol->data.var.type->is_volatile = 1;
  const Row rows[] = {
      {"MOVLW before RETURN of a char function", true,
       [](OptPasses &t) { t.add(iqx_MOVLW(5)); t.add(iqx_RETURN(0)); }, "movlw 5; return 0"},
      {"MOVLW before RETURN of a void function", false,
       [](OptPasses &t) { t.add(iqx_MOVLW(5)); t.add(iqx_RETURN(0)); }, "return 0"},
      {"store to a temporary never read, to a global", false,
       [tmp](OptPasses &t) { t.add(iqx_MOVWF(tmp, 0)); t.add(iqx_MOVWF(t.far_v, 0)); t.add(iqx_RETURN(0)); },
       "movwf fv, 1; return 0"},
      {"a global stored twice in one block: the first goes", false,
       [](OptPasses &t) {
         t.add(iqx_MOVLW(1));
         t.add(iqx_MOVWF(t.far_v, 0));
         t.add(iqx_MOVLW(2));
         t.add(iqx_MOVWF(t.far_v, 0));
         t.add(iqx_RETURN(0));
       },
       "movlw 2; movwf fv, 1; return 0"},
      {"a call between two stores keeps the first", false,
       [](OptPasses &t) {
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_SETF(t.far_v, 0));
         t.add(iqx_RETURN(0));
       },
       "clrf fv, 1; call g, 0; word2 g; setf fv, 1; return 0"},
      {"volatile stores and reads stay", false,
       [vol](OptPasses &t) {
         t.add(iqx_CLRF(vol, 0));
         t.add(iqx_SETF(vol, 0));
         t.add(iqx_opWF(MOVF, vol, 0, DEST_W));
         t.add(iqx_RETURN(0));
       },
       "clrf port, 0; setf port, 0; movf port, 0, 0; return 0"},
      {"a skip and what it skips stay", false,
       [](OptPasses &t) {
         t.add(iqx_BTFSC(t.near_v, 0, 1));
         t.add(iqx_MOVLW(1));
         t.add(iqx_MOVLW(2));
         t.add(iqx_RETURN(0));
       },
       "btfsc nv, 1, 0; movlw 1; return 0"},
      {"WREG read through PLUSW, writes through pointers and to the frame", false,
       [tmp](OptPasses &t) {
         t.add(iqx_MOVLW(3));
         t.add(iqx_opWF(MOVF, PLUSW2sym, 0, DEST_W));
         t.add(iqx_MOVWF(tmp, 0));
         t.add(iqx_MOVWF(INDF0sym, 0));
         t.add(iqx_MOVWF_idx(2));
         t.add(iqx_RETURN(0));
       },
       "movlw 3; movf PLUSW2, 0, 0; movwf INDF0, 0; movwf 2, 0; return 0"},
      {"a temporary a frame read may reach, a flag a skip tests", false,
       [tmp](OptPasses &t) {
         t.add(iqx_CLRF(tmp, 0));
         t.add(iqx_opWF_idx(MOVF, 1, DEST_W));
         t.add(iqx_MOVWF(t.far_v, 0));
         t.add(iqx_opWF(MOVF, t.near_v, 0, DEST_W));
         t.add(iqx_BTFSS(STATUSsym, 0, 2));
         t.add(iqx_SETF(t.far_v, 0));
         t.add(iqx_RETURN(0));
       },
       "clrf __tmp_0, 1; movf 1, 0, 0; movwf fv, 1; movf nv, 0, 0; btfss STATUS, 2, 0; setf fv, 1; return 0"},
      {"a product read, a product left at the end, a bank nobody uses", false,
       [](OptPasses &t) {
         t.add(iqx_MULLW(3));
         t.add(iqx_MOVLB(2));
         t.add(iqx_MOVFF(PRODLsym, 0));
         t.add(iqx_MOVFF2(PRODLsym, 0, t.far_v, 0));
         t.add(iqx_MOVLB(3));
         t.add(iqx_MULLW(4));
         t.add(iqx_RETURN(0));
       },
       "mullw 3; movlb 2; movff PRODL; word2 fv; mullw 4; return 0"},
  };
  TypeRecord *result = fsym->data.var.type->next;
  for (const Row &row : rows) {
    result->data.basic.base = row.returns_char ? BT_CHAR : BT_VOID;
    EXPECT_EQ(run(DEAD, [&] { row.build(*this); }), row.expected) << row.what;
  }
  result->data.basic.base = BT_VOID;
}

TEST_F(OptPasses, RedundantStoresGoUntilSomethingIntervenes) {
  struct Row {
    const char *what;
    std::function<void(OptPasses &)> build;
    const char *expected;
  };
  auto lfsr = [](OptPasses &t) {
    t.add(iqx_LFSR(t.far_w, 0, 0));
    t.add(iqx_LFSR2(t.far_w, 0));
  };
  const Row rows[] = {
      {"the same constant twice", [](OptPasses &t) {
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_MOVLW(5));
         t.add(iqx_MOVWF(t.far_w, 0));
         t.add(iqx_MOVWF(t.far_w, 0));
         t.movff(t.far_w, 0, t.near_v, 0);
         t.add(iqx_SETF(t.near_v, 0));
         t.add(iqx_MOVLW(5));
         t.add(iqx_MOVWF(t.near_v, 0));
         t.add(iqx_opWF(MOVF, t.near_v, 0, DEST_W));
       },
       "clrf fv, 1; movlw 5; movwf fw, 1; movff fw; word2 nv; setf nv, 0; movlw 5; movwf nv, 0; movf nv, 0, 0"},
      {"a call, a pointer write, a skip, a flag read in between", [](OptPasses &t) {
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_MOVWF(INDF0sym, 0));
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_BTFSC(t.near_v, 0, 0));
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_CLRF(t.far_v, 0));
       },
       "clrf fv, 1; call g, 0; word2 g; clrf fv, 1; movwf INDF0, 0; clrf fv, 1; btfsc nv, 0, 0; clrf fv, 1; "
       "clrf fv, 1"},
      {"an FSR loaded twice", [lfsr](OptPasses &t) {
         lfsr(t);
         t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
         lfsr(t);
         t.add(iqx_opWF(MOVF, PLUSW0sym, 0, DEST_W));
         lfsr(t);
         t.add(iqx_opWF(MOVF, POSTINC0sym, 0, DEST_W));
         lfsr(t);
         t.add(iqx_MOVWF(FSR0Lsym, 1));
         lfsr(t);
       },
       "lfsr 0, fw; word2 fw; movf INDF0, 0, 0; movf PLUSW0, 0, 0; movf POSTINC0, 0, 0; lfsr 0, fw; word2 fw; "
       "movwf FSR0L + 1, 0; lfsr 0, fw; word2 fw"},
  };
  for (const Row &row : rows)
    EXPECT_EQ(run(STORES, [&] { row.build(*this); }), row.expected) << row.what;
}

TEST_F(OptPasses, GotoTakesTheJumpRelocations) {
  run(POST, [&] {
    add(iqx_CALL(callee, 0, 0));
    add(iqx_CALL2(callee, 0));
    add(iqx_RETURN(0));
  });
  const ocode *go = body->next;
  ASSERT_EQ(go->data.inst.ins->opcode, GOTO);
  EXPECT_EQ(go->data.inst.ins->operand[0].reloc, RELOCT_GOTO);
  EXPECT_EQ(go->next->data.inst.ins->operand[0].reloc, RELOCT_GOTO2);
}

}  // namespace
