// The emitter on hand-built input through its own interface: the encoding
// of output code (instruction words from the tables, a relocation on every
// symbol operand, both words of a two-word instruction, a label used above
// its definition, line numbers, the function's entries, externals behind
// the labels, 1070 and 1071 beyond the counts a section can hold), and the
// entries of automatic objects (frame offsets).
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "gen/inst.h"
#include "gen/ocode.h"
#include "object/emit_internal.h"

namespace {

const char *const FILE_NAME = "/velc-no-such-folder/t.c";  // kept as written: it does not exist

SymbolRecord *s_record(SymbolKind kind, const char *name) {
  auto *sym = static_cast<SymbolRecord *>(calloc(1, sizeof(SymbolRecord)));
  sym->type = kind;
  sym->name = strdup(name);
  return sym;
}

struct EncodeBench : ::testing::Test {
  std::vector<SymbolRecord *> records;
  TypeRecord function_type{}, int_type_record{};
  SectionRecord code{};
  SymbolRecord *fsym, *bf, *ef, *label, *data, *other;
  EmitState st;

  SymbolRecord *make(SymbolKind kind, const char *name) {
    records.push_back(s_record(kind, name));
    return records.back();
  }
  void SetUp() override {
    int_type_record.type = BASIC_TYPE;
    int_type_record.data.basic.base = BT_INT;
    int_type_record.flags.basic.is_signed = 1;
    function_type.type = FUNCTION_TYPE;
    function_type.location = ROM_LOC;
    function_type.range = NEAR_RANGE;
    function_type.next = &int_type_record;
    fsym = make(VARIABLE, "f");
    fsym->linkage = LINKAGE_EXTERNAL;
    fsym->data.var.type = &function_type;
    bf = make(SYM_BFUNCT, "f");
    ef = make(SYM_EFUNCT, "f");
    bf->data.function = ef->data.function = fsym;
    bf->line = 3;
    ef->line = 9;
    fsym->bfunct = bf;
    fsym->efunct = ef;
    label = make(LABEL, "ahead");
    data = make(VARIABLE, "x");
    data->linkage = LINKAGE_EXTERNAL;
    data->data.var.sclass = EXTERN;
    data->data.var.type = &int_type_record;
    other = make(VARIABLE, "y");
    other->linkage = LINKAGE_EXTERNAL;
    other->data.var.sclass = EXTERN;
    other->data.var.type = &int_type_record;
    code.kind = SECTION_CODE;
    code.name = strdup(".code_t");
    ASSERT_TRUE(emit_init(st, "t.o", 4, 257, true));
    emit_source_file_begin(st, FILE_NAME, 0, 1);
  }
  void TearDown() override {
    objFree(code.code);
    free(code.name);
    for (SymbolRecord *r : records) {
      free(r->name);
      free(r);
    }
  }
  ocode *tail = nullptr;
  // Appends behind the last node (objAppend would walk the whole list each time).
  void add(ocode *oc) {
    if (tail) {
      tail->next = oc;
      oc->prev = tail;
    } else {
      code.code = oc;
    }
    tail = oc;
  }
  void add(inst *ins, long line) { add(ocodeInst(ins, line, FILE_NAME)); }
  // The first walk for the one function and its file, the encoding, then the record.
  coff_file *encode() {
    emit_section(st, code.name, EMIT_CODE, false, false, false, false, 0);  // its directive
    emit_function_begin(st, bf);
    emit_function_end(st, ef);
    emit_source_file_end(st);
    emit_code_section(st, &code);
    make_record_cleanly();
    return st.output.get();
  }
  // The record, with no error counted on the way (the count is the process's).
  void make_record_cleanly() {
    uint32_t errors = get_error_count();
    emit_make_record(st);
    EXPECT_EQ(get_error_count(), errors);
  }
  uint16_t word(const coff_section &s, unsigned k) { return uint16_t(s.data[2 * k] | s.data[2 * k + 1] << 8); }
};

TEST_F(EncodeBench, WordsRelocationsLinesAndEntries) {
  add(ocodeBFunct(fsym, 3, FILE_NAME));
  add(iqx_GOTO(label, 0), 4);            // words 0, 1: a label defined further down
  add(iqx_GOTO2(label, 0), 4);
  add(iqx_MOVFF(data, 1), 5);            // words 2, 3
  add(iqx_MOVFF2(data, 1, other, -1), 5);
  add(iqx_LFSR(data, 0, 2), 6);          // words 4, 5
  add(iqx_LFSR2(data, 0), 6);
  add(iqx_MOVLW(0x1A5), 7);              // word 6: the literal masked to its field
  add(ocodeLabel(label, 7, FILE_NAME));
  add(iqx_opWF(ADDWF, other, 0, DEST_F), 8);  // word 7
  add(iqx_RETURN(1), 0);                 // word 8: no line
  add(ocodeEFunct(fsym, 9, FILE_NAME));
  coff_file *file = encode();

  ASSERT_EQ(file->file_hdr.f_nscns, 1);
  const coff_section &s = file->sections[0];
  ASSERT_EQ(s.header.s_size, 18u);
  const uint16_t words[] = {0xEF00, 0xF000, 0xC000, 0xF000, 0xEE20, 0xF000, 0x0EA5, 0x2700, 0x0013};
  for (unsigned k = 0; k < 9; k++) EXPECT_EQ(word(s, k), words[k]) << "word " << k;

  // Symbols: .file, f + aux, .bf + aux, .ef + aux, .eof, the label, then x and y.
  char buf[9];
  auto name = [&](uint32_t i) { return std::string(coff_symbol_name(file, &file->symbols[i].sym, buf)); };
  ASSERT_EQ(file->file_hdr.f_nsyms, 12u);
  EXPECT_EQ(name(9), "ahead");
  EXPECT_EQ(file->symbols[9].sym.n_value, 14u);
  EXPECT_EQ(file->symbols[9].sym.n_sclass, C_LABEL);
  EXPECT_EQ(name(10), "x");
  EXPECT_EQ(name(11), "y");
  EXPECT_EQ(file->symbols[10].sym.n_scnum, 0);
  EXPECT_EQ(file->symbols[6].sym.n_value, 16u);  // .ef: the last instruction word

  struct Reloc { uint32_t vaddr, symndx; int16_t offset; uint16_t type; };
  const Reloc relocs[] = {{0, 9, 0, RELOCT_GOTO},  {2, 9, 0, RELOCT_GOTO2}, {4, 10, 1, RELOCT_FF1},
                          {6, 11, -1, RELOCT_FF2}, {8, 10, 0, RELOCT_LFSR1}, {10, 10, 0, RELOCT_LFSR2},
                          {14, 11, 0, RELOCT_F}};
  ASSERT_EQ(s.header.s_nreloc, 7);
  for (unsigned k = 0; k < 7; k++) {
    SCOPED_TRACE(k);
    EXPECT_EQ(s.relocs[k].r_vaddr, relocs[k].vaddr);
    EXPECT_EQ(s.relocs[k].r_symndx, relocs[k].symndx);
    EXPECT_EQ(s.relocs[k].r_offset, relocs[k].offset);
    EXPECT_EQ(s.relocs[k].r_type, relocs[k].type);
  }

  ASSERT_EQ(s.header.s_nlnno, 8);  // every word but the RETURN's
  EXPECT_EQ(s.lines[0].l_lnno, 4);
  EXPECT_EQ(s.lines[0].l_srcndx, 0u);
  EXPECT_EQ(s.lines[0].l_fcnndx, 2u);
  EXPECT_EQ(s.lines[7].l_lnno, 8);
  EXPECT_EQ(s.lines[7].l_paddr, 14u);
}

// A label no instruction names is no symbol; BANKSEL never reaches the emitter.
TEST_F(EncodeBench, UnnamedLabelsStayOutOfTheTable) {
  add(ocodeBFunct(fsym, 3, FILE_NAME));
  add(ocodeLabel(label, 4, FILE_NAME));
  add(iqx_RETURN(0), 4);
  add(ocodeEFunct(fsym, 9, FILE_NAME));
  coff_file *file = encode();
  EXPECT_EQ(file->file_hdr.f_nsyms, 9u);  // .file, f, .bf, .ef with their entries, .eof
  EXPECT_EQ(file->sections[0].header.s_size, 2u);
}

// A section holds at most 65535 relocations and 65535 line numbers: more
// are errors 1071 and 1070, the section keeps none, and nothing is written.
TEST_F(EncodeBench, TooManyRelocationsAndLinesAre1071And1070) {
  add(ocodeBFunct(fsym, 3, FILE_NAME));
  for (int k = 0; k < 0x10000; k++) add(iqx_MOVWF(other, 0), 4);
  add(ocodeEFunct(fsym, 9, FILE_NAME));
  int saved_level = error_level;
  error_level = 0;  // counted, not shown
  uint32_t errors = get_error_count();
  emit_section(st, code.name, EMIT_CODE, false, false, false, false, 0);
  emit_function_begin(st, bf);
  emit_function_end(st, ef);
  emit_code_section(st, &code);
  bool clean = emit_make_record(st);
  error_level = saved_level;
  EXPECT_FALSE(clean);
  EXPECT_EQ(get_error_count(), errors + 2);
  const coff_section &s = st.output->sections[0];
  EXPECT_EQ(s.header.s_nreloc, 0);
  EXPECT_EQ(s.header.s_nlnno, 0);
  EXPECT_EQ(s.header.s_size, 0x20000u);
}

// Parameters and automatic locals have no section: the value is the frame offset.
TEST_F(EncodeBench, AutomaticObjectsNameTheirFrameOffset) {
  SymbolRecord *local = make(VARIABLE, "local");
  local->data.var.sclass = AUTO;
  local->data.var.offset = 5;
  local->data.var.type = &int_type_record;
  ASSERT_TRUE(emit_defines_variable(local));
  emit_variable_entry(st, local);
  emit_variable_entry(st, local);  // a second entry for the same object adds nothing
  make_record_cleanly();
  coff_file *file = st.output.get();
  ASSERT_EQ(file->file_hdr.f_nsyms, 3u);  // .file with its entry, then the local
  const coff_syment &e = file->symbols[2].sym;
  EXPECT_EQ(e.n_scnum, -1);
  EXPECT_EQ(e.n_value, 5u);
  EXPECT_EQ(e.n_sclass, C_AUTO);
  EXPECT_EQ(e.n_type, uint32_t(T_INT));
  EXPECT_EQ(file->file_hdr.f_nscns, 0);
}

}  // namespace
