// Branch resolution with optimisation off, on hand-built lists: short and
// long forms by distance (both directions), bit-test branches, repeated
// sweeps as other branches shrink, CALL to RCALL within one section,
// literal branches of generated code, and label clean-up.
#include "codegen_fixture.h"
#include "opt/opt.h"

namespace {

class Branches : public CodegenFixture {
protected:
  void SetUp() override {
    CodegenFixture::SetUp();
    fsym = function("f");
    bit = variable("flags", true);
    fsym->code_section = strdup("code");
  }
  // n one-word instructions.
  static ocode *fillers(long n) {
    ocode *list = nullptr;
    for (long i = 0; i < n; i++)
      list = objAppend(ocodeInst(iqx_NOP(), 1, "a.c"), list);  // prepends: every node alike
    return list;
  }
  // The instruction texts of the list, function markers, labels and the
  // filler no-ops left out.
  static std::string texts(const ocode *list) {
    std::string out;
    for (const ocode *oc = list; oc; oc = oc->next) {
      if (oc->type == OC_INST && oc->data.inst.ins->opcode != NOP)
        out += std::string(out.empty() ? "" : "; ") + inst_print(oc->data.inst.ins);
      else if (ocode_is_branch_kind(oc->type))
        out += std::string(out.empty() ? "" : "; ") + "unresolved";
    }
    return out;
  }
  static int labels(const ocode *list) {
    int n = 0;
    for (const ocode *oc = list; oc; oc = oc->next)
      n += oc->type == OC_LABEL;
    return n;
  }
  // f with a branch over `distance` words forward (or back) to a label.
  ocode *function_with_branch(ocode *branch, long distance, bool forward) {
    SymbolRecord *target = label("target");
    if (branch->data.branch.type == LITERAL_BRANCH) {
      branch->data.branch.type = SYMBOL_BRANCH;
      branch->data.branch.target.symbol = target;
    }
    ocode *list = ocodeBFunct(fsym, 1, "a.c");
    if (forward) {
      objAppend(list, branch);
      objAppend(list, fillers(distance - 1));
      objAppend(list, ocodeLabel(target, 1, "a.c"));
      objAppend(list, ocodeInst(iqx_MOVLW(9), 1, "a.c"));
    } else {
      objAppend(list, ocodeLabel(target, 1, "a.c"));
      objAppend(list, fillers(distance));
      objAppend(list, branch);
    }
    objAppend(list, ocodeEFunct(fsym, 1, "a.c"));
    return list;
  }
  SymbolRecord *fsym = nullptr, *bit = nullptr;
};

TEST_F(Branches, FormByDistanceAndDirection) {
  struct Row {
    int kind;
    long distance;
    bool forward;
    const char *expected;
  };
  const Row rows[] = {
      {OC_BZ, 119, true, "bz 118; movlw 9"},
      {OC_BZ, 120, true, "bnz 1; bra 119; movlw 9"},
      {OC_BZ, 1019, true, "bnz 1; bra 1018; movlw 9"},
      {OC_BZ, 1020, true, "bnz 2; goto target; word2 target; movlw 9"},
      {OC_BZ, 119, false, "bz -120"},
      {OC_BC, 120, false, "bnc 1; bra -122"},
      {OC_BOV, 1020, false, "bnov 2; goto target; word2 target"},
      {OC_BN, 1, true, "bn 0; movlw 9"},
      {OC_BRANCH, 1019, true, "bra 1018; movlw 9"},
      {OC_BRANCH, 1020, true, "goto target; word2 target; movlw 9"},
      {OC_BRANCH, 1019, false, "bra -1020"},
      {OC_BRANCH, 0, false, "bra -1"},  // to itself
  };
  for (const Row &row : rows) {
    ocode *branch = ocodeCreate(row.kind, 1, "a.c");
    ocode *list = keep(function_with_branch(branch, row.distance, row.forward));
    list = opt_resolve_branches(list);
    lists.back() = list;
    EXPECT_EQ(texts(list), row.expected) << row.kind << " over " << row.distance;
    // A label stays only where a GOTO names it.
    EXPECT_EQ(labels(list), std::string(row.expected).find("goto") != std::string::npos ? 1 : 0);
  }
}

TEST_F(Branches, BitTestBranchSkipsOrJumps) {
  struct Row {
    bool set, indexed;
    long distance;
    const char *expected;
  };
  const Row rows[] = {
      {true, false, 2, "btfss flags + 1, 3, 0; movlw 9"},
      {false, true, 2, "btfsc 4, 3, 0; movlw 9"},
      {true, false, 3, "btfsc flags + 1, 3, 0; bra 2; movlw 9"},
      {false, true, 1, "btfss 4, 3, 0; bra 0; movlw 9"},
      {true, false, 1500, "btfsc flags + 1, 3, 0; goto target; word2 target; movlw 9"},
  };
  for (const Row &row : rows) {
    SymbolRecord *none = nullptr;
    ocode *branch = row.indexed ? (row.set ? ocodeBTFBSSymbol_idx(4, 3, none, 1, "a.c")
                                           : ocodeBTFBCSymbol_idx(4, 3, none, 1, "a.c"))
                                : (row.set ? ocodeBTFBSSymbol(bit, 1, 0, 3, none, 1, "a.c")
                                           : ocodeBTFBCSymbol(bit, 1, 0, 3, none, 1, "a.c"));
    branch->data.branch.type = LITERAL_BRANCH;  // retargeted below
    ocode *list = keep(function_with_branch(branch, row.distance, true));
    list = opt_resolve_branches(list);
    lists.back() = list;
    EXPECT_EQ(texts(list), row.expected) << row.distance;
  }
}

// A BRA over a conditional branch fits once that branch is known to be short.
TEST_F(Branches, SweepsRepeatAsBranchesShrink) {
  SymbolRecord *far_end = label("far_end"), *near_end = label("near_end");
  ocode *list = keep(ocodeBFunct(fsym, 1, "a.c"));
  objAppend(list, ocodeBranchSymbol(far_end, 1, "a.c"));
  objAppend(list, fillers(1016));
  objAppend(list, ocodeBZSymbol(near_end, 1, "a.c"));
  objAppend(list, ocodeLabel(near_end, 1, "a.c"));
  objAppend(list, ocodeLabel(far_end, 1, "a.c"));
  objAppend(list, ocodeEFunct(fsym, 1, "a.c"));
  // 1 + 1016 + 3 (the unresolved BZ) = 1020: too far, until BZ takes one word.
  list = opt_resolve_branches(list);
  lists.back() = list;
  EXPECT_EQ(texts(list), "bra 1017; bz 0");
  EXPECT_EQ(labels(list), 0);
}

TEST_F(Branches, CallBecomesRcallWithinOneKnownSection) {
  SymbolRecord *g = function("g"), *h = function("h"), *v = function("v"), *ext = function("ext");
  g->code_section = strdup("code");
  h->code_section = strdup("other");
  v->section_located = 1;
  v->located_section = strdup("code");
  ocode *list = keep(ocodeBFunct(fsym, 1, "a.c"));
  for (SymbolRecord *callee : {g, h, v, ext}) {
    objAppend(list, ocodeInst(iqx_CALL(callee, 0, 0), 2, "a.c"));
    objAppend(list, ocodeInst(iqx_CALL2(callee, 0), 2, "a.c"));
  }
  inst *asm_call = iqx_CALL(g, 0, 0);
  asm_call->from_asm = 1;
  objAppend(list, ocodeInst(asm_call, 3, "a.c"));
  objAppend(list, ocodeInst(iqx_CALL2(g, 0), 3, "a.c"));
  objAppend(list, ocodeEFunct(fsym, 4, "a.c"));
  for (SymbolRecord *callee : {g, h, v}) {
    objAppend(list, ocodeBFunct(callee, 5, "a.c"));
    objAppend(list, ocodeEFunct(callee, 5, "a.c"));
  }
  list = opt_resolve_branches(list);
  lists.back() = list;
  // g: same section; h: another; v: placed by varlocate in this section;
  // ext: no code here; the last was written in an assembly block.
  EXPECT_EQ(texts(list), "rcall g; call h, 0; word2 h; rcall v; call ext, 0; word2 ext; call g, 0; word2 g");
  EXPECT_EQ(list->next->data.inst.ins->operand[0].reloc, RELOCT_BRA);
  EXPECT_EQ(list->next->data.inst.ins->operand[1].type, NULL_OP);
  // Beyond reach of a relative call.
  ocode *far_list = keep(ocodeBFunct(fsym, 1, "a.c"));
  objAppend(far_list, ocodeInst(iqx_CALL(g, 0, 0), 2, "a.c"));
  objAppend(far_list, ocodeInst(iqx_CALL2(g, 0), 2, "a.c"));
  objAppend(far_list, fillers(1020));
  objAppend(far_list, ocodeEFunct(fsym, 4, "a.c"));
  ocode *g_begin = ocodeBFunct(g, 5, "a.c");
  objAppend(far_list, g_begin);
  objAppend(far_list, ocodeEFunct(g, 5, "a.c"));
  far_list = opt_resolve_branches(far_list);
  lists.back() = far_list;
  EXPECT_EQ(texts(far_list), "call g, 0; word2 g");
}

// Rule-action style code: a counted BNZ and a generated BRA displacement.
TEST_F(Branches, LiteralBranchesOfGeneratedCode) {
  ocode *list = keep(ocodeBFunct(fsym, 1, "a.c"));
  objAppend(list, ocodeBNZLiteral(4, 2, "a.c"));
  objAppend(list, ocodeInst(iqx_CLRF(bit, 0), 2, "a.c"));
  objAppend(list, ocodeInst(iqx_BSF(bit, 0, 0), 2, "a.c"));
  objAppend(list, ocodeBranchLiteral(2, 2, "a.c"));
  objAppend(list, ocodeInst(iqx_CLRF(bit, 0), 2, "a.c"));
  objAppend(list, ocodeInst(iqx_CLRF(bit, 1), 2, "a.c"));
  objAppend(list, ocodeInst(iqx_BRA(-3), 3, "a.c"));  // back to the BSF
  objAppend(list, ocodeInst(iqx_GOTO(fsym, 0), 3, "a.c"));
  objAppend(list, ocodeInst(iqx_GOTO2(fsym, 0), 3, "a.c"));
  objAppend(list, ocodeEFunct(fsym, 4, "a.c"));
  list = opt_convert_literal_branches(list);
  EXPECT_EQ(texts(list), "unresolved; clrf flags, 0; bsf flags, 0, 0; unresolved; clrf flags, 0; "
                         "clrf flags + 1, 0; unresolved; unresolved");
  EXPECT_EQ(labels(list), 3);
  list = opt_resolve_branches(list);
  lists.back() = list;
  // The GOTO names a function, not a label here: it stays a long jump.
  EXPECT_EQ(texts(list), "bnz 3; clrf flags, 0; bsf flags, 0, 0; bra 1; clrf flags, 0; clrf flags + 1, 0; "
                         "bra -3; goto f; word2 f");
  EXPECT_EQ(labels(list), 0);
}

TEST_F(Branches, LabelsStayInFunctionsWithAssembly) {
  SymbolRecord *named = label("kept");
  ocode *list = keep(ocodeBFunct(fsym, 1, "a.c"));
  objAppend(list, ocodeLabel(named, 1, "a.c"));
  objAppend(list, ocodeLabel(nullptr, 1, "a.c"));
  objAppend(list, ocodeInst(iqx_NOP(), 1, "a.c"));
  objAppend(list, ocodeEFunct(fsym, 1, "a.c"));
  fsym->has_inline_asm = 1;
  list = opt_resolve_branches(list);
  lists.back() = list;
  EXPECT_EQ(labels(list), 1);
  EXPECT_EQ(list->next->data.label.sym, named);
  EXPECT_EQ(list->next->data.label.used_in_relocation, 1);
  fsym->has_inline_asm = 0;
  list = opt_resolve_branches(list);
  lists.back() = list;
  EXPECT_EQ(labels(list), 1);  // marked as used by the first pass
  list->next->data.label.used_in_relocation = 0;
  list = opt_resolve_branches(list);
  lists.back() = list;
  EXPECT_EQ(labels(list), 0);
  EXPECT_EQ(named->label_node, nullptr);
}

TEST_F(Branches, RegisterReferencesTakeOneSpelling) {
  struct Row {
    SymbolRecord *sym;
    int32_t offset;
    const char *expected;
  };
  const Row rows[] = {
      {PRODHsym, 0, "PRODL+1"},   {PRODsym, 1, "PRODL+1"},     {FSR0sym, 0, "FSR0L+0"},
      {FSR2Hsym, 0, "FSR2L+1"},   {TBLPTRUsym, 0, "TBLPTRL+2"}, {TBLPTRHsym, 1, "TBLPTRL+2"},
      {TOSsym, 2, "TOSL+2"},      {FSR0Lsym, 2, "PLUSW0+0"},    {STATUSsym, 0, "STATUS+0"},
      {STATUSsym, -1, "STATUS+-1"}, {bit, 3, "flags+3"},
  };
  for (const Row &row : rows) {
    inst_operand op{};
    op.type = SYMBOL_OP;
    op.data.symbol.sym = row.sym;
    op.data.symbol.offset = row.offset;
    opt_normalize_symref(&op);
    EXPECT_EQ(std::string(op.data.symbol.sym->name) + "+" + std::to_string(op.data.symbol.offset), row.expected);
  }
}

}  // namespace
