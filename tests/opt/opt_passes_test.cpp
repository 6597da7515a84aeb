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
#include "opt/proc_abstraction.h"
#include "tests/codegen/codegen_fixture.h"

namespace {

enum Pass { PEEPHOLE, PEEPHOLE_TWO, BANKING, POST, DEAD, RETARGET, STORES, COPIES };

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
      if (pass == PEEPHOLE_TWO) {
        EXPECT_EQ(opt_peephole_block(blocks->next, 2), 2);
      }
      if (pass == BANKING)
        opt_optimize_banking(blocks);
      if (pass == DEAD || pass == RETARGET)
        opt_dead_code_pass(body, blocks, pass == RETARGET);
      if (pass == STORES)
        opt_redundant_store_elimination(blocks);
      if (pass == COPIES)
        opt_copy_propagation(blocks);
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
      {"MOVLW meets RETURN once a later self-move goes", PEEPHOLE, 1, 1,
       [](OptPasses &t) {
         t.add(iqx_ADDLW(1));
         t.add(iqx_MOVLW(5));
         t.movff(t.far_v, 0, t.far_v, 0);
         t.add(iqx_RETURN(0));
       },
       "addlw 1; retlw 5"},
      {"no more rewrites than the limit", PEEPHOLE_TWO, 1, 1,
       [](OptPasses &t) {
         for (int i = 0; i < 3; ++i)
           t.movff(t.far_v, i, t.far_v, i);
       },
       "movff fv + 2; word2 fv + 2"},
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

TEST_F(OptPasses, StoresRetargetedPastATemporaryOnlyWhenNothingIntervenes) {
  struct Row {
    const char *what;
    Pass pass;
    std::function<void(OptPasses &)> build;
    const char *expected;
  };
  SymbolRecord *tmp = variable("__tmp_0", false);
  tmp->temporary = 1;
  auto use_fsr0 = [](OptPasses &t) {
    t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
    t.add(iqx_MOVWF(t.far_v, 0));
    t.add(iqx_RETURN(0));
  };
  const Row rows[] = {
      {"MOVWF into the register (access bit 0)", RETARGET,
       [&](OptPasses &t) { t.add(iqx_MOVWF(tmp, 0)); t.movff(tmp, 0, FSR0Lsym, 0); use_fsr0(t); },
       "movwf FSR0L, 0; movf INDF0, 0, 0; movwf fv, 1; return 0"},
      {"switched off", DEAD, [&](OptPasses &t) { t.add(iqx_MOVWF(tmp, 0)); t.movff(tmp, 0, FSR0Lsym, 0); use_fsr0(t); },
       "movwf __tmp_0, 1; movff __tmp_0; word2 FSR0L; movf INDF0, 0, 0; movwf fv, 1; return 0"},
      {"MOVFF into a banked variable, across other work", RETARGET,
       [&](OptPasses &t) {
         t.movff(t.near_v, 0, tmp, 1);
         t.add(iqx_MOVLW(4));
         t.add(iqx_MOVWF(t.far_w, 0));
         t.movff(tmp, 1, t.far_v, 0);
         t.add(iqx_RETURN(0));
       },
       "movff nv; word2 fv; movlw 4; movwf fw, 1; return 0"},
      {"one word cannot reach a banked variable", RETARGET,
       [&](OptPasses &t) { t.add(iqx_MOVWF(tmp, 0)); t.movff(tmp, 0, t.far_v, 0); t.add(iqx_RETURN(0)); },
       "movwf __tmp_0, 1; movff __tmp_0; word2 fv; return 0"},
      {"the temporary read twice", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_MOVWF(tmp, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         t.movff(tmp, 0, t.far_w, 0);
         use_fsr0(t);
       },
       "movwf __tmp_0, 1; movff __tmp_0; word2 FSR0L; movff __tmp_0; word2 fw; movf INDF0, 0, 0; movwf fv, 1; return 0"},
      {"the register read in between", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_MOVWF(tmp, 0));
         t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
         t.add(iqx_MOVWF(t.far_w, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         use_fsr0(t);
       },
       "movwf __tmp_0, 1; movf INDF0, 0, 0; movwf fw, 1; movff __tmp_0; word2 FSR0L; movf INDF0, 0, 0; movwf fv, 1; "
       "return 0"},
      {"a write through a pointer in between", RETARGET,
       [&](OptPasses &t) {
         t.movff(t.far_w, 0, tmp, 0);
         t.add(iqx_CLRF(INDF1sym, 0));
         t.movff(tmp, 0, t.far_v, 0);
         t.add(iqx_RETURN(0));
       },
       "movff fw; word2 __tmp_0; clrf INDF1, 0; movff __tmp_0; word2 fv; return 0"},
      {"a temporary whose address is formed, read through a pointer", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_LADDRL(tmp, 0));
         t.add(iqx_MOVWF(t.far_w, 0));
         t.add(iqx_MOVWF(tmp, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         use_fsr0(t);
       },
       "movlw __tmp_0; movwf fw, 1; movwf __tmp_0, 1; movff __tmp_0; word2 FSR0L; movf INDF0, 0, 0; "
       "movwf fv, 1; return 0"},
      {"frame reads and writes in between", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_MOVSF(2));
         t.add(iqx_MOVSF2(2, tmp, 4));
         t.add(iqx_opWF_idx(INCF, 2, DEST_F));
         t.movff(tmp, 4, tmp, 2);
         t.movff(tmp, 2, t.far_v, 0);
         t.add(iqx_RETURN(0));
       },
       "movsf 2; word2 fv; incf 2, 1, 0; return 0"},  // a chain of copies in one run
      {"the bank selection only the moved store read goes too", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_BANKSEL(tmp, 0));
         t.add(iqx_MOVWF(tmp, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
         t.add(iqx_RETURN(0));
       },
       "movwf FSR0L, 0; movf INDF0, 0, 0; return 0"},
      {"a bank selection something else reads stays", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_BANKSEL(tmp, 0));
         t.add(iqx_MOVWF(tmp, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         t.add(iqx_MOVWF(t.far_w, 0));
         t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
         t.add(iqx_RETURN(0));
       },
       "movlb high( __tmp_0 ); movwf FSR0L, 0; movwf fw, 1; movf INDF0, 0, 0; return 0"},
      {"a store a skip may step over", RETARGET,
       [&](OptPasses &t) {
         t.add(iqx_BTFSC(t.near_v, 0, 1));
         t.add(iqx_MOVWF(tmp, 0));
         t.movff(tmp, 0, FSR0Lsym, 0);
         use_fsr0(t);
       },
       "btfsc nv, 1, 0; movwf __tmp_0, 1; movff __tmp_0; word2 FSR0L; movf INDF0, 0, 0; movwf fv, 1; return 0"},
  };
  for (const Row &row : rows)
    EXPECT_EQ(run(row.pass, [&] { row.build(*this); }), row.expected) << row.what;
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

// Copy propagation: a MOVFF or a MOVF to WREG reads the first byte known to
// hold its value, until something writes either byte.
TEST_F(OptPasses, CopiesLeadBackToTheirFirstSource) {
  struct Row {
    const char *what;
    std::function<void(OptPasses &)> build;
    const char *expected;
  };
  SymbolRecord *x = variable("x", false), *y = variable("y", false);
  SymbolRecord *port = variable("port", true);
  port->data.var.type->is_volatile = 1;
  const Row rows[] = {
      {"a chain: c = b and c = a both known; c = b outlives a", [x, y](OptPasses &t) {
         t.movff(t.far_v, 0, t.far_w, 0);
         t.movff(t.far_w, 0, x, 0);
         t.movff(x, 0, y, 0);
         t.add(iqx_CLRF(t.far_v, 0));
         t.movff(x, 0, y, 0);
       },
       "movff fv; word2 fw; movff fv; word2 x; movff fv; word2 y; clrf fv, 1; movff fw; word2 y"},
      {"MOVF to WREG takes an access-bank source only; WREG as a source", [x](OptPasses &t) {
         t.movff(t.near_v, 0, t.far_w, 0);
         t.add(iqx_opWF(MOVF, t.far_w, 0, DEST_W));
         t.movff(t.far_v, 0, x, 0);
         t.add(iqx_opWF(MOVF, x, 0, DEST_W));
         t.movff(WREGsym, 0, t.far_w, 1);
         t.add(iqx_ADDLW(1));
         t.movff(WREGsym, 0, t.far_w, 2);
       },
       "movff nv; word2 fw; movf nv, 0, 0; movff fv; word2 x; movf x, 0, 1; movff fv; word2 fw + 1; addlw 1; "
       "movff WREG; word2 fw + 2"},
      {"writes to either byte, through a pointer, to the frame, a call", [x](OptPasses &t) {
         t.movff(t.far_v, 0, t.far_w, 0);
         t.add(iqx_opWF(INCF, t.far_v, 0, DEST_F));
         t.movff(t.far_w, 0, x, 0);
         t.movff(t.far_v, 0, t.far_w, 0);
         t.add(iqx_MOVWF(INDF0sym, 0));
         t.movff(t.far_w, 0, x, 0);
         t.movff(t.far_v, 0, t.far_w, 0);
         t.add(iqx_MOVWF_idx(2));
         t.movff(t.far_w, 0, x, 0);
         t.movff(t.far_v, 0, t.far_w, 0);
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.movff(t.far_w, 0, x, 0);
       },
       "movff fv; word2 fw; incf fv, 1, 1; movff fw; word2 x; movff fv; word2 fw; movwf INDF0, 0; movff fw; "
       "word2 x; movff fv; word2 fw; movwf 2, 0; movff fw; word2 x; movff fv; word2 fw; call g, 0; word2 g; "
       "movff fw; word2 x"},
      {"indirect registers, volatile bytes, a moving FSR", [x, port](OptPasses &t) {
         t.movff(INDF0sym, 0, t.far_w, 0);
         t.movff(t.far_w, 0, x, 0);
         t.movff(port, 0, t.far_w, 0);
         t.movff(t.far_w, 0, x, 0);
         t.movff(FSR0Lsym, 0, t.far_w, 0);
         t.add(iqx_opWF(MOVF, INDF0sym, 0, DEST_W));
         t.movff(t.far_w, 0, x, 0);
         t.add(iqx_opWF(MOVF, POSTINC0sym, 0, DEST_W));
         t.movff(t.far_w, 0, x, 0);
       },
       "movff INDF0; word2 fw; movff fw; word2 x; movff port; word2 fw; movff fw; word2 x; movff FSR0L; word2 fw; "
       "movf INDF0, 0, 0; movff FSR0L; word2 x; movf POSTINC0, 0, 0; movff fw; word2 x"},
      {"a frame write keeps copies between registers; LFSR drops its FSR's", [x](OptPasses &t) {
         t.movff(PRODLsym, 1, FSR0Lsym, 0);
         t.add(iqx_MOVWF_idx(2));
         t.movff(FSR0Lsym, 0, x, 0);
         t.movff(FSR1Lsym, 1, t.far_w, 0);
         t.add(iqx_LFSR(t.far_v, 0, 1));
         t.add(iqx_LFSR2(t.far_v, 0));
         t.movff(t.far_w, 0, x, 0);
       },
       "movff PRODL + 1; word2 FSR0L; movwf 2, 0; movff PRODL + 1; word2 x; movff FSR1L + 1; word2 fw; "
       "lfsr 1, fv; word2 fv; movff fw; word2 x"},
      {"WREG reloaded from a byte it holds: goes while nothing reads Z and N", [x](OptPasses &t) {
         t.add(iqx_MOVWF(x, 0));
         t.add(iqx_CLRF(t.far_v, 0));
         t.add(iqx_opWF(MOVF, x, 0, DEST_W));
         t.add(iqx_ADDLW(1));
         t.add(iqx_opWF(MOVF, t.far_w, 0, DEST_W));
         t.movff(t.far_w, 0, x, 0);
         t.add(iqx_opWF(MOVF, x, 0, DEST_W));
         t.add(iqx_BTFSC(STATUSsym, 0, 2));
         t.movff(x, 0, t.far_v, 0);
       },
       "movwf x, 1; clrf fv, 1; addlw 1; movf fw, 0, 1; movff fw; word2 x; movf x, 0, 1; btfsc STATUS, 2, 0; "
       "movff x; word2 fv"},
      {"a skipped copy teaches nothing, a skipped MOVFF stays", [x](OptPasses &t) {
         t.add(iqx_BTFSC(t.near_v, 0, 1));
         t.movff(t.far_v, 0, t.far_w, 0);
         t.movff(t.far_w, 0, x, 0);
         t.add(iqx_BTFSC(t.near_v, 0, 1));
         t.movff(x, 0, t.far_v, 0);
       },
       "btfsc nv, 1, 0; movff fv; word2 fw; movff fw; word2 x; btfsc nv, 1, 0; movff x; word2 fv"},
  };
  for (const Row &row : rows)
    EXPECT_EQ(run(COPIES, [&] { row.build(*this); }), row.expected) << row.what;
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

// Procedural abstraction on a hand-built section of three functions f, g, h:
// each row builds the bodies and gives the section afterwards, function by
// function ("name: instructions | ..."; a branch node prints as "bra").
class ProcAbstraction : public CodegenFixture {
public:
  void SetUp() override {
    CodegenFixture::SetUp();
    nv = variable("nv", true);
    fv = variable("fv", false);
    callee = function("k");
    section.kind = SECTION_CODE;
    section.name = const_cast<char *>("code");
  }
  void TearDown() override {
    section.name = nullptr;
    CodegenFixture::TearDown();
  }
  ocode *list = nullptr;
  SymbolRecord *current = nullptr;
  void add(inst *ins) { objAppend(list, ocodeInst(ins, 2, "a.c")); }
  // Five instructions every function can share, the nth first.
  void common(int from, int to) {
    inst *all[] = {iqx_MOVLW(1), iqx_MOVWF(nv, 0), iqx_opWF(INCF, nv, 0, DEST_F), iqx_MOVLW(3),
                   iqx_MOVWF(fv, 0), iqx_opWF(DECF, fv, 0, DEST_W), iqx_opWF(ADDWF, nv, 0, DEST_F)};
    for (int i = 0; i < 7; ++i)
      if (i >= from && i < to)
        add(all[i]);
      else
        inst_free(all[i]);
  }
  std::string run(int functions, bool asm_in_f, const std::function<void(ProcAbstraction &, int)> &body) {
    const char *names[] = {"f", "g", "h"};
    opt_pa_reset();
    for (int i = 0; i < functions; ++i) {
      current = function(names[i]);
      made[i] = current;
      current->has_inline_asm = asm_in_f && i == 0;
      ocode *bf = ocodeBFunct(current, 1, "a.c");
      list = list ? objAppend(list, bf) : bf;
      body(*this, i);
      objAppend(list, ocodeEFunct(current, 3, "a.c"));
    }
    keep(list);
    section.code = list;
    opt_procedural_abstraction(&section, list);
    std::string out;
    for (const ocode *oc = list; oc; oc = oc->next) {
      if (oc->type == OC_BFUNCT)
        out += std::string(out.empty() ? "" : " | ") + oc->data.funct.sym->name + ":";
      else if (oc->type == OC_INST)
        out += std::string(" ") + inst_print(oc->data.inst.ins) + ";";
      else if (ocode_is_branch_kind(oc->type))
        out += " bra;";
    }
    return out;
  }
  // A loop of the current function: label, what body adds, branch back.
  void loop(const std::function<void()> &body) {
    ocode *top = ocodeLabel(nullptr, 2, "a.c");
    objAppend(list, top);
    body();
    objAppend(list, ocodeBLabel(OC_BRANCH, top, 2, "a.c"));
  }
  SymbolRecord *nv, *fv, *callee;
  SymbolRecord *made[3] = {};
  SectionRecord section{};
};

TEST_F(ProcAbstraction, SequencesAndWhatStopsThem) {
  struct Row {
    const char *what;
    int functions;
    bool asm_in_f;
    std::function<void(ProcAbstraction &, int)> body;
    const char *expected;
  };
  const Row rows[] = {
      {"two occurrences of 3 instructions save -2 words", 2, false,
       [](ProcAbstraction &t, int i) { t.common(0, 3); t.add(iqx_MOVLW(10 + i)); t.add(iqx_RETURN(0)); },
       "f: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 10; return 0; | "
       "g: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 11; return 0;"},
      {"three occurrences of 6 instructions save 5 words", 3, false,
       [](ProcAbstraction &t, int i) { t.common(0, 6); t.add(iqx_MOVLW(10 + i)); t.add(iqx_RETURN(0)); },
       "f: call __pa_0, 0; word2 __pa_0; movlw 10; return 0; | "
       "g: call __pa_0, 0; word2 __pa_0; movlw 11; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; movlw 12; return 0; | "
       "__pa_0: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; return 0;"},
      {"a sequence ending in RETURN becomes a jump, without a RETURN of its own", 3, false,
       [](ProcAbstraction &t, int i) { t.add(iqx_MOVLW(10 + i)); t.common(1, 5); t.add(iqx_RETURN(0)); },
       "f: movlw 10; bra; | g: movlw 11; bra; | h: movlw 12; bra; | "
       "__pa_0: movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; return 0;"},
      {"a function with an assembly block is neither searched nor called", 3, true,
       [](ProcAbstraction &t, int i) { t.common(0, 7); t.add(iqx_MOVLW(10 + i)); t.add(iqx_RETURN(0)); },
       "f: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; addwf nv, 1, 0; "
       "movlw 10; return 0; | g: call __pa_0, 0; word2 __pa_0; movlw 11; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; movlw 12; return 0; | __pa_0: movlw 1; movwf nv, 0; "
       "incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; addwf nv, 1, 0; return 0;"},
      {"never cut between an instruction and its second word", 3, false,
       [](ProcAbstraction &t, int i) {
         t.common(0, 4);
         t.add(iqx_MOVFF(t.nv, 0));
         t.add(iqx_MOVFF2(t.nv, 0, t.fv, i));
         t.add(iqx_RETURN(0));
       },
       "f: call __pa_0, 0; word2 __pa_0; movff nv; word2 fv; return 0; | "
       "g: call __pa_0, 0; word2 __pa_0; movff nv; word2 fv + 1; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; movff nv; word2 fv + 2; return 0; | "
       "__pa_0: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; return 0;"},
      {"never ends on a conditional branch", 3, false,
       [](ProcAbstraction &t, int i) {
         t.common(0, 4);
         ocode *target = ocodeLabel(nullptr, 2, "a.c");
         objAppend(t.list, ocodeBLabel(OC_BZ, target, 2, "a.c"));
         t.add(iqx_MOVLW(10 + i));
         objAppend(t.list, target);
         t.add(iqx_RETURN(0));
       },
       "f: call __pa_0, 0; word2 __pa_0; bra; movlw 10; return 0; | "
       "g: call __pa_0, 0; word2 __pa_0; bra; movlw 11; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; bra; movlw 12; return 0; | "
       "__pa_0: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; return 0;"},
      {"never ends on a skip, nor starts at the instruction a skip steps over", 3, false,
       [](ProcAbstraction &t, int i) {
         t.add(iqx_BTFSC(t.nv, 0, i));
         t.common(0, 5);
         t.add(iqx_BTFSS(t.fv, 0, 1));
         t.add(iqx_MOVLW(10 + i));
         t.add(iqx_RETURN(0));
       },
       "f: btfsc nv, 0, 0; movlw 1; call __pa_0, 0; word2 __pa_0; btfss fv, 1, 1; movlw 10; return 0; | "
       "g: btfsc nv, 1, 0; movlw 1; call __pa_0, 0; word2 __pa_0; btfss fv, 1, 1; movlw 11; return 0; | "
       "h: btfsc nv, 2, 0; movlw 1; call __pa_0, 0; word2 __pa_0; btfss fv, 1, 1; movlw 12; return 0; | "
       "__pa_0: movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; return 0;"},
      {"a called sequence stops before a call; a jumped-to one may call", 3, false,
       [](ProcAbstraction &t, int i) {
         t.add(iqx_MOVLW(10 + i));
         t.common(1, 6);
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_MOVLW(20 + i));
         t.add(iqx_RETURN(0));
         t.add(iqx_MOVLW(30 + i));  // unreachable here; a second block
         t.common(0, 2);
         t.add(iqx_CALL(t.callee, 0, 0));
         t.add(iqx_CALL2(t.callee, 0));
         t.add(iqx_RETURN(0));
       },
       "f: movlw 10; call __pa_0, 0; word2 __pa_0; call k, 0; word2 k; movlw 20; return 0; movlw 30; bra; | "
       "g: movlw 11; call __pa_0, 0; word2 __pa_0; call k, 0; word2 k; movlw 21; return 0; movlw 31; bra; | "
       "h: movlw 12; call __pa_0, 0; word2 __pa_0; call k, 0; word2 k; movlw 22; return 0; movlw 32; bra; | "
       "__pa_0: movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; return 0; | "
       "__pa_1: movlw 1; movwf nv, 0; call k, 0; word2 k; return 0;"},
      {"an occurrence in a loop stays in place; the two others still pay", 3, false,
       [](ProcAbstraction &t, int i) {
         if (i == 0)
           t.loop([&t] { t.common(0, 6); });
         else
           t.common(0, 6);
         t.add(iqx_MOVLW(10 + i));
         t.add(iqx_RETURN(0));
       },
       "f: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; bra; movlw 10; return 0; | "
       "g: call __pa_0, 0; word2 __pa_0; movlw 11; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; movlw 12; return 0; | "
       "__pa_0: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; return 0;"},
      {"a function called from a loop keeps its sequences; after the loop they go", 3, false,
       [](ProcAbstraction &t, int i) {
         if (i == 1)
           t.loop([&t] {
             t.add(iqx_CALL(t.made[0], 0, 0));
             t.add(iqx_CALL2(t.made[0], 0));
           });
         t.common(0, 6);
         t.add(iqx_MOVLW(10 + i));
         t.add(iqx_RETURN(0));
       },
       "f: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; movlw 10; return 0; | "
       "g: call f, 0; word2 f; bra; call __pa_0, 0; word2 __pa_0; movlw 11; return 0; | "
       "h: call __pa_0, 0; word2 __pa_0; movlw 12; return 0; | "
       "__pa_0: movlw 1; movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; decf fv, 0, 1; return 0;"},
      {"in a loop, a sequence ending in RETURN is still jumped to", 3, false,
       [](ProcAbstraction &t, int i) {
         t.loop([&t, i] {
           ocode *on = ocodeLabel(nullptr, 2, "a.c");
           t.add(iqx_MOVLW(10 + i));
           objAppend(t.list, ocodeBLabel(OC_BZ, on, 2, "a.c"));
           t.common(1, 5);
           t.add(iqx_RETURN(0));
           objAppend(t.list, on);
         });
       },
       "f: movlw 10; bra; bra; bra; | g: movlw 11; bra; bra; bra; | h: movlw 12; bra; bra; bra; | "
       "__pa_0: movwf nv, 0; incf nv, 1, 0; movlw 3; movwf fv, 1; return 0;"},
  };
  for (const Row &row : rows) {
    list = nullptr;
    EXPECT_EQ(run(row.functions, row.asm_in_f, row.body), row.expected) << row.what;
  }
}

}  // namespace
