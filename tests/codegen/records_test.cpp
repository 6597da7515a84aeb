// Instruction records and output code: the constructors' operands and
// relocation types, both listing formats, the predicates, list operations
// and the literal-branch counting rule.
#include <functional>

#include "codegen_fixture.h"

namespace {

// "OPCODE op op ...": a symbol operand as name+offset@reloc, a literal as #value.
std::string describe(const inst *ins) {
  std::string out = getInstName(ins->opcode);
  for (const inst_operand &op : ins->operand) {
    if (op.type == SYMBOL_OP)
      out += " " + std::string(op.data.symbol.sym->name) + "+" + std::to_string(op.data.symbol.offset) + "@" +
             std::to_string(op.reloc);
    else if (op.type == LITERAL_OP)
      out += " #" + std::to_string(op.data.literal) + (op.reloc ? "@?" : "");
  }
  return out;
}

class Records : public CodegenFixture {
protected:
  void SetUp() override {
    CodegenFixture::SetUp();
    nearv = variable("nearv", true);
    farv = variable("farv", false);
    fn = function("fn");
    scn = record(VARIABLE, ".scn", nullptr);
  }
  SymbolRecord *nearv = nullptr, *farv = nullptr, *fn = nullptr, *scn = nullptr;
};

TEST_F(Records, ConstructorsFillOperandsAndRelocations) {
  struct Row {
    std::function<inst *()> make;
    const char *expected;
  };
  const Row rows[] = {
      {[&] { return iqx_opWF(ADDWF, farv, 1, DEST_F); }, "ADDWF farv+1@10 #1 #1"},
      {[&] { return iqx_opWF(SWAPF, nearv, 0, DEST_W); }, "SWAPF nearv+0@10 #0 #0"},
      {[&] { return iqx_MOVWF(nearv, 0); }, "MOVWF nearv+0@10 #0"},
      {[&] { return iqx_CPFSGT(farv, 3); }, "CPFSGT farv+3@10 #1"},
      {[&] { return iqx_CLRF(farv, 2); }, "CLRF farv+2@4 #1"},
      {[&] { return iqx_SETF(nearv, 0); }, "SETF nearv+0@4 #0"},
      {[&] { return iqx_BSF(nearv, 0, 3); }, "BSF nearv+0@4 #3 #0"},
      {[&] { return iqx_BTFSC(farv, 0, 7); }, "BTFSC farv+0@10 #7 #1"},
      {[&] { return iqx_opWF_idx(XORWF, 5, DEST_W); }, "XORWF #5 #0 #0"},
      {[&] { return iqx_BTFSS_idx(3, 2); }, "BTFSS #3 #2 #0"},
      {[&] { return iqx_MOVWF_idx(4); }, "MOVWF #4 #0"},
      {[&] { return iqx_RETURN(1); }, "RETURN #1"},
      {[&] { return iqx_RCALLliteral(-3); }, "RCALL #-3"},
      {[&] { return iqx_LADDRH(farv, 2); }, "MOVLW farv+2@3"},
      {[&] { return iqx_LADDRU(farv, 0); }, "MOVLW farv+0@21"},
      {[&] { return iqx_ADDLWADDRH(farv, 0); }, "ADDLW farv+0@3"},
      {[&] { return iqx_SUBADDRL(farv, 1); }, "SUBLW farv+1@4"},
      {[&] { return iqx_PUSHLADDRU(fn, 0); }, "PUSHL fn+0@21"},
      {[&] { return iqx_BANKSEL(farv, 0); }, "MOVLB farv+0@3"},
      {[&] { return iqx_LSCNENDL(scn, 0); }, "MOVLW .scn+0@28"},
      {[&] { return iqx_LSCNSIZEU(scn, 0); }, "MOVLW .scn+0@27"},
      {[&] { return iqx_LFSRSCNEND(scn, 1, 2); }, "LFSR #2 .scn+1@31"},
      {[&] { return iqx_LFSRSCNEND2(scn, 1); }, "WORD2 .scn+1@32"},
      {[&] { return iqx_MOVFF(nearv, 0); }, "MOVFF nearv+0@15"},
      {[&] { return iqx_MOVFF2(nearv, 0, farv, 1); }, "WORD2 farv+1@16"},
      {[&] { return iqx_LFSR(farv, 0, 1); }, "LFSR #1 farv+0@17"},
      {[&] { return iqx_LFSR2(farv, 0); }, "WORD2 farv+0@18"},
      {[&] { return iqx_GOTO(fn, 0); }, "GOTO fn+0@2"},
      {[&] { return iqx_GOTO2(fn, 0); }, "WORD2 fn+0@14"},
      {[&] { return iqx_CALL(fn, 0, 1); }, "CALL fn+0@1 #1"},
      {[&] { return iqx_CALL2(fn, 0); }, "WORD2 fn+0@14"},
      {[&] { return iqx_MOVSF(3); }, "MOVSF #3"},
      {[&] { return iqx_MOVSF2(3, farv, 0); }, "WORD2 farv+0@16"},
      {[&] { return iqx_MOVSS2(1, 2); }, "WORD2 #2"},
      {[&] { return iqx_ADDFSR(2, 5); }, "ADDFSR #2 #5"},
      {[&] { return iqx_TBLRDPOSTINC(); }, "TBLRDPOSTINC"},
  };
  for (const Row &row : rows) {
    inst *ins = row.make();
    EXPECT_EQ(describe(ins), row.expected);
    EXPECT_EQ(ins->from_asm, 0);
    inst *copy = inst_copy(ins);
    EXPECT_EQ(describe(copy), row.expected);
    inst_free(copy);
    inst_free(ins);
  }
}

TEST_F(Records, RegistersAreNearSymbolsAndSectionOperandsMustBeSections) {
  inst *ins = iqx_MOVWF(PRODLsym, 0);
  EXPECT_EQ(describe(ins), "MOVWF PRODL+0@10 #0");
  inst_free(ins);
  EXPECT_TRUE(gen_is_math_symbol(__div16usym));
  EXPECT_FALSE(gen_is_math_symbol(fn));
  EXPECT_DEATH(iqx_LSCNENDL(farv, 0), "Internal compiler error");
}

TEST_F(Records, InstPrintFormats) {
  const struct {
    inst *ins;
    const char *text;
  } rows[] = {
      {iqx_LADDRH(farv, 2), "movlw high( farv + 2 )"},
      {iqx_LADDRU(farv, 0), "movlw upper( farv )"},
      {iqx_LADDRL(farv, -1), "movlw farv + -1"},
      {iqx_opWF(ADDWF, nearv, 0, DEST_F), "addwf nearv, 1, 0"},
      {iqx_CALL(fn, 0, 0), "call fn, 0"},
      {iqx_NOP(), "nop"},
      {iqx_MOVWF_idx(4), "movwf 4, 0"},
      {iqx_LFSR(farv, 1, 2), "lfsr 2, farv + 1"},
      {iqx_TBLWTPREINC(), "tblwtpreinc"},
  };
  for (const auto &row : rows) {
    EXPECT_STREQ(inst_print(row.ins), row.text);
    inst_free(row.ins);
  }
  inst *go = inst_create();
  go->opcode = GOTO;
  go->operand[0].type = LITERAL_OP;
  go->operand[0].data.literal = 0x100;
  EXPECT_STREQ(inst_print(go), "goto 512");  // a word address shown as a byte address
  inst_free(go);
}

TEST_F(Records, ListingFormats) {
  SymbolRecord *lbl = label("lbl");
  ocode *named = keep(ocodeLabel(lbl, 3, "a.c"));
  EXPECT_EQ(lbl->label_node, named);
  ocode *nameless = keep(ocodeLabel(nullptr, 4, "a.c"));
  basic_block block{};
  block.number = 3;
  const struct {
    ocode *oc;
    const char *text;
    int result;
  } rows[] = {
      {keep(ocodeNop(7, "a.c")), "(   7): OC_NOP\n", 0},
      {named, "(   3): OC_LABEL: lbl\n", 0},
      {nameless, "(   4): OC_LABEL\n", 0},
      {keep(ocodeBFunct(fn, 1, "a.c")), "(   1): OC_BFUNCT: fn\n", 0},
      {keep(ocodeEFunct(fn, 9, "a.c")), "(   9): OC_EFUNCT: fn\n", 0},
      {keep(ocodeInst(iqx_MOVLW(5), 12345, "a.c")), "(12345): movlw 5                  \n", 1},
      {keep(ocodeBZSymbol(lbl, 2, "a.c")), "(   2): OC_BZ lbl\n", 1},
      {keep(ocodeBNVLiteral(-4, 2, "a.c")), "(   2): OC_BNOV -4\n", 1},
      {keep(ocodeBLabel(OC_BNN, nameless, 2, "a.c")), "(   2): OC_BNN NULL\n", 1},
      {keep(ocodeBLabel(OC_BN, named, 2, "a.c")), "(   2): OC_BN lbl\n", 1},
      {keep(ocodeBranchBlock(&block, 2, "a.c")), "(   2): OC_BRANCH block #3\n", 1},
      {keep(ocodeBTFBSSymbol(nearv, 1, 0, 3, lbl, 2, "a.c")), "(   2): OC_BTFBS nearv+1, 3, 0 --> lbl\n", 1},
      {keep(ocodeBTFBCLiteral_idx(4, 2, 5, 2, "a.c")), "(   2): OC_BTFBC [4], 2 --> 5\n", 1},
  };
  for (const auto &row : rows) {
    testing::internal::CaptureStdout();
    int result = printOcode(row.oc, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), row.text);
    EXPECT_EQ(result, row.result) << row.text;
  }
  ocode *bad = keep(ocodeBranchLiteral(1, 2, "a.c"));
  bad->data.branch.type = 9;
  EXPECT_EQ(listing(bad), "(   2): OC_BRANCH xxxx\n");
  testing::internal::CaptureStdout();
  printOcode(rows[0].oc, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "(   7): OC_NOP");
  ocode *marker = keep(ocodePushTemps(1, "a.c"));
  EXPECT_DEATH(printOcode(marker, 1), "Internal compiler error");
}

TEST_F(Records, PredicatesClassifyNodesAndOpcodes) {
  enum { SKIP = 1, RET = 2, CALLP = 4, RCALLP = 8, CALLWP = 16, UNCOND = 32, COND = 64, BRANCH = 128 };
  auto flags = [](const ocode *oc) {
    return (is_skip_conditional(oc) ? SKIP : 0) | (is_return(oc) ? RET : 0) | (is_call(oc) ? CALLP : 0) |
           (is_rcall(oc) ? RCALLP : 0) | (is_callw(oc) ? CALLWP : 0) | (is_unconditional_branch(oc) ? UNCOND : 0) |
           (is_conditional_branch(oc) ? COND : 0) | (is_branch(oc) ? BRANCH : 0);
  };
  auto op = [](int opcode) {
    inst *ins = inst_create();
    ins->opcode = opcode;
    return ocodeInst(ins, 1, "a.c");
  };
  const struct {
    ocode *oc;
    int expected;
  } rows[] = {
      {keep(op(TSTFSZ)), SKIP | BRANCH},
      {keep(op(INFSNZ)), SKIP | BRANCH},
      {keep(op(BTFSS)), SKIP | BRANCH},
      {keep(op(RETURN)), RET},
      {keep(op(SUBULNK)), RET},
      {keep(op(RESET)), RET | BRANCH},
      {keep(op(CALL)), CALLP},
      {keep(op(RCALL)), RCALLP},
      {keep(op(CALLW)), CALLWP},
      {keep(op(BRA)), UNCOND | BRANCH},
      {keep(op(GOTO)), UNCOND | BRANCH},
      {keep(op(BNOV)), COND | BRANCH},
      {keep(op(MOVWF)), 0},
      {keep(ocodeBranchLiteral(1, 1, "a.c")), UNCOND | BRANCH},
      {keep(ocodeBZLiteral(1, 1, "a.c")), COND | BRANCH},
      {keep(ocodeBTFBCLiteral_idx(0, 1, 1, 1, "a.c")), COND | BRANCH},
      {keep(ocodeLabel(nullptr, 1, "a.c")), 0},
      {keep(ocodePopTemps(1, "a.c")), 0},
  };
  for (const auto &row : rows)
    EXPECT_EQ(flags(row.oc), row.expected) << listing(row.oc);
  EXPECT_FALSE(is_unconditional_branch(nullptr));
  EXPECT_FALSE(is_branch(nullptr));
}

TEST_F(Records, AppendInsertAndEnumerate) {
  ocode *a = ocodeNop(1, "a.c");
  EXPECT_EQ(objAppend(nullptr, a), a);
  EXPECT_EQ(objAppend(a, nullptr), a);
  ocode *b = ocodeNop(2, "a.c");
  ocode *c = ocodeNop(3, "a.c");
  objAppend(b, c);  // a chain of two
  EXPECT_EQ(objAppend(a, b), a);
  keep(a);
  EXPECT_EQ(ocode_enumerate(a), 3);
  EXPECT_EQ(c->index, 2);
  EXPECT_EQ(c->prev, b);
  ocode *label = objInsertLabel(b);
  EXPECT_EQ(label->prev, a);
  EXPECT_EQ(label->next, b);
  EXPECT_EQ(a->next, label);
  EXPECT_EQ(label->line, 2);
  EXPECT_EQ(label->data.label.sym, nullptr);
  EXPECT_EQ(ocode_enumerate(a), 4);
  EXPECT_DEATH(objAppend(a, c), "Internal compiler error");
  EXPECT_DEATH(objAppend(a, a), "Internal compiler error");
  c->prev = a;  // a broken back link
  EXPECT_DEATH(ocode_enumerate(a), "Internal compiler error");
  c->prev = b;
}

// Counted nodes: instructions (a WORD2 included) and branch nodes.
TEST_F(Records, LiteralBranchCountsInstructionsAndSecondWords) {
  ocode *list = keep(ocodeBFunct(fn, 1, "a.c"));
  ocode *first = ocodeInst(iqx_MOVLW(1), 2, "a.c");
  ocode *branch = ocodeBNZLiteral(4, 3, "a.c");
  ocode *after_label = ocodeInst(iqx_NOP(), 4, "a.c");
  ocode *go = ocodeInst(iqx_GOTO(fn, 0), 5, "a.c");
  ocode *go2 = ocodeInst(iqx_GOTO2(fn, 0), 5, "a.c");
  ocode *last = ocodeInst(iqx_NOP(), 6, "a.c");
  for (ocode *oc : {first, branch, ocodeLabel(nullptr, 4, "a.c"), after_label, go, go2, ocodeNop(5, "a.c"), last,
                    ocodeEFunct(fn, 7, "a.c")})
    objAppend(list, oc);
  EXPECT_EQ(ocode_literal_target(branch, 0), branch);
  EXPECT_EQ(ocode_literal_target(branch, 1), after_label);  // the label does not count
  EXPECT_EQ(ocode_literal_target(branch, 2), go);
  EXPECT_EQ(ocode_literal_target(branch, 3), go2);
  EXPECT_EQ(ocode_literal_target(branch, 4), last);         // the no-op does not count
  EXPECT_EQ(ocode_literal_target(branch, -1), first);
  EXPECT_DEATH(ocode_literal_target(branch, 5), "Internal compiler error");   // reaches the end marker
  EXPECT_DEATH(ocode_literal_target(branch, -2), "Internal compiler error");  // reaches the begin marker
}

}  // namespace
