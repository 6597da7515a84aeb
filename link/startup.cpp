// Generated start-up code. In: the placed addresses of "_stack",
// "__idata_table", "main" and the start-up scratch bytes. Out: a GOTO at the
// reset vector and a routine that loads FSR1 and FSR2 with "_stack" (both in
// the stack's bank, as compiled code expects), copies each idata section
// from program memory as the table lists it, calls main and executes HALT,
// so that a test bench sees main's 8-bit result in W.
#include "device/instset.h"
#include "link/startup.h"

namespace {

constexpr int HR = INSTSET_HARROW;

// Scratch bytes, banked through BSR: record count, source, length, saved table pointer.
enum { CNT = 0, SRC = 2, LEN = 5, TP = 7, SCRATCH_SIZE = 10 };

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
  size_t mark() const { return w.size(); }
  // Branch whose target is not known yet; returns its index.
  size_t branch(int type) { op(type, 0); return w.size() - 1; }
  void land(size_t at, uint32_t target) {
    int32_t d = ((int32_t)target - (int32_t)(base + 2 * at + 2)) / 2;
    w[at] = setOperandOne(w[at], (uint32_t)d, HR);
  }
};

void s_read_table(Emitter &e, uint32_t to) {
  e.op(TBLRDPOSTINC);
  e.movff(0xFF5, to);  // TABLAT
}

// One record: source, destination pointer FSR0, length; then the copy loop.
void s_copy_record(Emitter &e, uint32_t s) {
  for (int i = 0; i < 3; ++i) s_read_table(e, s + SRC + i);
  s_read_table(e, 0xFE9);  // FSR0L
  s_read_table(e, 0xFEA);  // FSR0H
  s_read_table(e, s + LEN);
  s_read_table(e, s + LEN + 1);
  for (int i = 0; i < 3; ++i) e.movff(0xFF6 + i, s + TP + i);   // save TBLPTRL/H/U
  for (int i = 0; i < 3; ++i) e.movff(s + SRC + i, 0xFF6 + i);  // point at the copy
  uint32_t copy = e.pc();
  e.banked(MOVF, s + LEN, 0);
  e.banked(IORWF, s + LEN + 1, 0);
  size_t done = e.branch(BZ);
  e.op(TBLRDPOSTINC);
  e.movff(0xFF5, 0xFEE);  // TABLAT -> POSTINC0
  e.banked(DECF, s + LEN, 1);
  e.op(BC, 1);            // no borrow: keep the high byte
  e.banked(DECF, s + LEN + 1, 1);
  e.land(e.branch(BRA), copy);
  e.land(done, e.pc());
  for (int i = 0; i < 3; ++i) e.movff(s + TP + i, 0xFF6 + i);
}

std::vector<uint16_t> s_code(uint32_t base, uint32_t stack, uint32_t table, uint32_t scratch, uint32_t main) {
  Emitter e{{}, base};
  e.lfsr(1, stack);
  e.lfsr(2, stack);
  e.op(MOVLB, scratch >> 8);
  const uint32_t tblptr[3] = {0xFF6, 0xFF7, 0xFF8};
  for (int i = 0; i < 3; ++i) {
    e.op(MOVLW, (table >> (8 * i)) & 0xFF);
    e.op(MOVWF, tblptr[i] & 0xFF, 0);
  }
  s_read_table(e, scratch + CNT);
  s_read_table(e, scratch + CNT + 1);
  uint32_t next = e.pc();
  e.banked(MOVF, scratch + CNT, 0);
  e.banked(IORWF, scratch + CNT + 1, 0);
  size_t done = e.branch(BZ);
  s_copy_record(e, scratch);
  e.banked(DECF, scratch + CNT, 1);
  e.op(BC, 1);
  e.banked(DECF, scratch + CNT + 1, 1);
  e.land(e.branch(BRA), next);
  e.land(done, e.pc());
  e.call(main);
  e.op(HALT);
  return e.w;
}

// The linker's own section of that name (an object may use the same name).
int s_generated(const Linker &l, const std::string &name) {
  for (size_t i = 0; i < l.sections.size(); ++i)
    if (l.sections[i].generated && l.sections[i].name == name) return (int)i;
  return -1;
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
  uint32_t size = 2 * (uint32_t)s_code(0, 0, 0, 0, 0).size();
  l.startup_section = link_add_generated(l, ".startup", LK_CODE, size, "__startup");
  link_add_generated(l, ".startup_data", LK_UDATA, SCRATCH_SIZE, "");
}

void link_startup_code(Linker &l) {
  if (l.startup_section < 0) return;
  uint32_t stack = 0, table = 0, main = 0;
  bool program;
  if (!link_lookup(l, "main", main, program) || !program) {
    link_error(l, "undefined symbol 'main' referenced by the start-up code");
    return;
  }
  link_lookup(l, "_stack", stack, program);
  link_lookup(l, "__idata_table", table, program);
  LinkSection &code = l.sections[l.startup_section];
  int data = s_generated(l, ".startup_data");
  std::vector<uint16_t> words = s_code(code.address, stack, table, l.sections[data].address, main);
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
