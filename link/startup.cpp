// Generated start-up code. In: the placed addresses of "_stack",
// "__idata_table", "main", the start-up scratch bytes and the objects'
// uninitialised data sections, and the type of main's symbol. Out: a GOTO at
// the reset vector and a routine that loads FSR1 and FSR2 with "_stack" (both
// in the stack's bank, as compiled code expects), clears every uninitialised
// data section of the objects, copies each idata section from program memory
// as the table lists it, leaves TBLPTRU and PCLATU at 0, calls main and
// executes HALT with W = 0 exactly when main's result is 0 in every byte.
#include "device/instset.h"
#include "link/startup.h"

namespace {

constexpr int HR = INSTSET_HARROW;

// Core registers the start-up code names.
enum : uint32_t {
  R_TABLAT = 0xFF5, R_TBLPTRL = 0xFF6, R_TBLPTRU = 0xFF8, R_PCLATU = 0xFFB, R_PRODL = 0xFF3, R_PRODH = 0xFF4,
  R_FSR0L = 0xFE9, R_FSR0H = 0xFEA, R_POSTINC0 = 0xFEE,
};

// Scratch bytes, banked through BSR: record count, source, length, saved table pointer.
enum { CNT = 0, SRC = 2, LEN = 5, TP = 7, SCRATCH_SIZE = 10 };

// Where main leaves its result, from the type of its symbol.
enum MainResult { MR_AS_IS, MR_WREG, MR_PROD, MR_RETVAL3, MR_RETVAL4 };

struct Emitter {
  std::vector<uint16_t> w;
  uint32_t base;
  uint32_t pc() const { return base + 2 * (uint32_t)w.size(); }
  void op(int type, uint32_t o1 = 0, uint32_t o2 = 0, uint32_t o3 = 0) {
    inst_word x = setInstType(0, type, HR);
    if (hasOperand(type, HR, 0)) x = setOperand(x, o1, HR, 0);
    if (hasOperand(type, HR, 1)) x = setOperand(x, o2, HR, 1);
    if (hasOperand(type, HR, 2)) x = setOperand(x, o3, HR, 2);
    w.push_back(x);
  }
  void word2(uint32_t payload) { w.push_back(setOperandOne(setInstType(0, WORD2, HR), payload, HR)); }
  void lfsr(uint32_t fsr, uint32_t k) { op(LFSR, fsr, k >> 8); word2(k & 0xFF); }
  void movff(uint32_t from, uint32_t to) { op(MOVFF, from & 0xFFF); word2(to & 0xFFF); }
  void call(uint32_t target) { op(CALL, (target >> 1) & 0xFF, 0); word2(target >> 9); }
  void go(uint32_t target) { op(GOTO, (target >> 1) & 0xFF); word2(target >> 9); }
  void banked(int type, uint32_t f, uint32_t d) { op(type, f & 0xFF, d, 1); }
  // Access-bank register operands (0xF80..0xFFF), access bit 0: with a
  // destination bit (MOVF, IORWF) and without one (CLRF, CPFSEQ, MOVWF).
  void access(int type, uint32_t f, uint32_t d) { op(type, f & 0xFF, d, 0); }
  void access(int type, uint32_t f) { op(type, f & 0xFF, 0); }
  size_t mark() const { return w.size(); }
  // Branch whose target is not known yet; returns its index.
  size_t branch(int type) { op(type, 0); return w.size() - 1; }
  void land(size_t at, uint32_t target) {
    int32_t d = ((int32_t)target - (int32_t)(base + 2 * at + 2)) / 2;
    w[at] = setOperandOne(w[at], (uint32_t)d, HR);
  }
};

// What the code depends on besides its own address; all zero when only the size matters.
struct Layout {
  uint32_t stack, table, scratch, main, retval;
  std::vector<std::pair<uint32_t, uint32_t>> zero;  // address and size of each cleared section
  MainResult result;
};

void s_read_table(Emitter &e, uint32_t to) {
  e.op(TBLRDPOSTINC);
  e.movff(R_TABLAT, to);
}

// Clears size bytes from address on, in runs of at most 256 bytes: FSR0
// walks the section and each run ends when FSR0L reaches the run's end.
void s_clear(Emitter &e, uint32_t address, uint32_t size) {
  e.lfsr(0, address);
  for (uint32_t done = 0; done < size;) {
    uint32_t run = size - done < 256 ? size - done : 256;
    done += run;
    e.op(MOVLW, (address + done) & 0xFF);
    uint32_t loop = e.pc();
    e.access(CLRF, R_POSTINC0);
    e.access(CPFSEQ, R_FSR0L);
    e.land(e.branch(BRA), loop);
  }
}

// One record: source, destination pointer FSR0, length; then the copy loop.
void s_copy_record(Emitter &e, uint32_t s) {
  for (int i = 0; i < 3; ++i) s_read_table(e, s + SRC + i);
  s_read_table(e, R_FSR0L);
  s_read_table(e, R_FSR0H);
  s_read_table(e, s + LEN);
  s_read_table(e, s + LEN + 1);
  for (int i = 0; i < 3; ++i) e.movff(R_TBLPTRL + i, s + TP + i);   // save TBLPTRL/H/U
  for (int i = 0; i < 3; ++i) e.movff(s + SRC + i, R_TBLPTRL + i);  // point at the copy
  uint32_t copy = e.pc();
  e.banked(MOVF, s + LEN, 0);
  e.banked(IORWF, s + LEN + 1, 0);
  size_t done = e.branch(BZ);
  e.op(TBLRDPOSTINC);
  e.movff(R_TABLAT, R_POSTINC0);
  e.banked(DECF, s + LEN, 1);
  e.op(BC, 1);            // no borrow: keep the high byte
  e.banked(DECF, s + LEN + 1, 1);
  e.land(e.branch(BRA), copy);
  e.land(done, e.pc());
  for (int i = 0; i < 3; ++i) e.movff(s + TP + i, R_TBLPTRL + i);
}

void s_copy_idata(Emitter &e, const Layout &at) {
  e.op(MOVLB, at.scratch >> 8);
  for (int i = 0; i < 3; ++i) {
    e.op(MOVLW, (at.table >> (8 * i)) & 0xFF);
    e.access(MOVWF, R_TBLPTRL + i);
  }
  s_read_table(e, at.scratch + CNT);
  s_read_table(e, at.scratch + CNT + 1);
  uint32_t next = e.pc();
  e.banked(MOVF, at.scratch + CNT, 0);
  e.banked(IORWF, at.scratch + CNT + 1, 0);
  size_t done = e.branch(BZ);
  s_copy_record(e, at.scratch);
  e.banked(DECF, at.scratch + CNT, 1);
  e.op(BC, 1);
  e.banked(DECF, at.scratch + CNT + 1, 1);
  e.land(e.branch(BRA), next);
  e.land(done, e.pc());
}

// W := 0 exactly when every byte of main's result is 0.
void s_fold_result(Emitter &e, const Layout &at) {
  switch (at.result) {
  case MR_AS_IS:
  case MR_WREG: break;
  case MR_PROD:
    e.access(MOVF, R_PRODL, 0);
    e.access(IORWF, R_PRODH, 0);
    break;
  case MR_RETVAL3:
  case MR_RETVAL4:
    e.lfsr(0, at.retval);
    e.access(MOVF, R_POSTINC0, 0);
    for (int i = 1; i < (at.result == MR_RETVAL3 ? 3 : 4); ++i) e.access(IORWF, R_POSTINC0, 0);
    break;
  }
}

std::vector<uint16_t> s_code(uint32_t base, const Layout &at) {
  Emitter e{{}, base};
  e.lfsr(1, at.stack);
  e.lfsr(2, at.stack);
  for (const auto &z : at.zero) s_clear(e, z.first, z.second);
  s_copy_idata(e, at);
  e.access(CLRF, R_TBLPTRU);
  e.access(CLRF, R_PCLATU);
  e.call(at.main);
  s_fold_result(e, at);
  e.op(HALT);
  return e.w;
}

// The linker's own section of that name (an object may use the same name).
int s_generated(const Linker &l, const std::string &name) {
  for (size_t i = 0; i < l.sections.size(); ++i)
    if (l.sections[i].generated && l.sections[i].name == name) return (int)i;
  return -1;
}

// Uninitialised data of the objects that C requires to start at zero:
// udata (temporary data and overlay sections included) and activation
// records, relocatable or absolute within general-purpose or access RAM.
// The linker's own sections (stack, result area, scratch) are left alone.
bool s_cleared(const Linker &l, const LinkSection &s) {
  if (s.generated || s.size == 0 || (s.kind != LK_UDATA && s.kind != LK_ACTREC)) return false;
  if (!s.absolute) return true;
  uint64_t end = (uint64_t)s.address + s.size;
  return end <= l.data_end || (s.address >= LINK_ACCESS_START && end <= LINK_ACCESS_END);
}

// Reads main's result width from the type word of its symbol: a function
// returning an 8-bit, 16-bit, 24-bit or 32-bit value. A void main, and a
// symbol without a function type (hand-made objects), leave W as main left
// it: a main written in in-line assembly sets W to pass or fail.
MainResult s_main_result(const Linker &l) {
  auto it = l.globals.find("main");
  if (it == l.globals.end() || it->second.object < 0) return MR_AS_IS;
  const LinkObject &o = l.objects[it->second.object];
  if (it->second.index >= o.coff->file_hdr.f_nsyms) return MR_AS_IS;
  uint32_t type = o.coff->symbols[it->second.index].sym.n_type;
  if (coff_derivation(type, 0) != DT_FCN) return MR_AS_IS;
  switch (coff_derivation(type, 1)) {
  case DT_RAMPTR:
  case DT_ROMPTR: return MR_PROD;
  case DT_FARROMPTR: return MR_RETVAL3;
  case DT_NON: break;
  default: return MR_AS_IS;
  }
  switch (type & N_BTMASK) {
  case T_CHAR:
  case T_UCHAR: return MR_WREG;
  case T_SHORT:
  case T_USHORT:
  case T_INT:
  case T_UINT: return MR_PROD;
  case T_SLONG:
  case T_USLONG: return MR_RETVAL3;
  case T_LONG:
  case T_ULONG:
  case T_FLOAT:
  case T_DOUBLE: return MR_RETVAL4;
  default: return MR_AS_IS;
  }
}

// Everything but the addresses, which only the size of the code depends on.
Layout s_shape(const Linker &l) {
  Layout at{};
  for (const LinkSection &s : l.sections)
    if (s_cleared(l, s)) at.zero.push_back({s.address, s.size});
  at.result = s_main_result(l);
  return at;
}

}  // namespace

void link_startup_sections(Linker &l) {
  LinkSection reset{};
  reset.name = ".reset";
  reset.kind = LK_CODE;
  reset.absolute = true;
  reset.generated = true;
  reset.size = 4;
  reset.bytes.assign(4, 0xFF);
  reset.origin = "<linker>";
  l.sections.push_back(reset);
  uint32_t size = 2 * (uint32_t)s_code(0, s_shape(l)).size();
  l.startup_section = link_add_generated(l, ".startup", LK_CODE, size, "__startup");
  link_add_generated(l, ".startup_data", LK_UDATA, SCRATCH_SIZE, "");
}

void link_startup_code(Linker &l) {
  if (l.startup_section < 0) return;
  Layout at = s_shape(l);
  bool program;
  if (!link_lookup(l, "main", at.main, program) || !program) {
    link_error(l, "undefined symbol 'main' referenced by the start-up code");
    return;
  }
  if ((at.result == MR_RETVAL3 || at.result == MR_RETVAL4) && !link_lookup(l, "__RETVAL0", at.retval, program)) {
    link_error(l, "undefined symbol '__RETVAL0' that holds the result of 'main'");
    return;
  }
  link_lookup(l, "_stack", at.stack, program);
  link_lookup(l, "__idata_table", at.table, program);
  LinkSection &code = l.sections[l.startup_section];
  at.scratch = l.sections[s_generated(l, ".startup_data")].address;
  std::vector<uint16_t> words = s_code(code.address, at);
  for (size_t i = 0; i < words.size(); ++i) {
    code.bytes[2 * i] = (uint8_t)words[i];
    code.bytes[2 * i + 1] = (uint8_t)(words[i] >> 8);
  }
  Emitter jump{{}, 0};
  jump.go(code.address);
  LinkSection &reset = l.sections[s_generated(l, ".reset")];
  for (size_t i = 0; i < 2; ++i) {
    reset.bytes[2 * i] = (uint8_t)jump.w[i];
    reset.bytes[2 * i + 1] = (uint8_t)(jump.w[i] >> 8);
  }
}
