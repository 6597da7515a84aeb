// The 8- to 32-bit operation emitters: the listing of each call, one row
// per case, against the sequence it must emit (the shift table, literal
// stores, the single-instruction constant forms, multiplication with its
// aliasing cases, negation, equality, pointer bumping and switch chains);
// and the context analysis of interrupt routines, one row per instruction
// kind against the answer for one resource.
#include <functional>

#include "codegen_fixture.h"
#include "gen/interrupt.h"
#include "gen/oqx.h"
#include "trans/pcodell.h"
#include "trans/trn_records.h"

namespace {

class Emitters : public CodegenFixture {
protected:
  void SetUp() override {
    CodegenFixture::SetUp();
    x = variable("x", true);
    y = variable("y", true);
    z = variable("z", true);
    b = variable("b", false);
    c = variable("c", false);
    cases[0] = {2, label("L2"), &cases[1]};  // written 1, 3, 2: newest first
    cases[1] = {3, label("L3"), &cases[2]};
    cases[2] = {1, label("L1"), nullptr};
  }
  // The listing without positions: instructions and branches, "; " apart;
  // a compiler label shows as "L:" and a branch to one as "L".
  std::string text(ocode *list) {
    keep(list);
    std::string out;
    for (const ocode *oc = list; oc; oc = oc->next) {
      std::string line;
      if (oc->type == OC_LABEL) {
        line = "L:";
      } else {
        testing::internal::CaptureStdout();
        printOcode(oc, 0);
        line = testing::internal::GetCapturedStdout();
        line = line.substr(line.find(": ") + 2);
        while (!line.empty() && line.back() == ' ')
          line.pop_back();
        size_t at = line.find("__tmplbl_");  // a compiler label's number varies
        if (at != std::string::npos)
          line = line.substr(0, at) + "L";
      }
      out += (out.empty() ? "" : "; ") + line;
    }
    return out;
  }
  OqxOperand X() { return oqx_ram(x, 0, false); }
  OqxOperand Y() { return oqx_ram(y, 0, false); }
  OqxOperand Z() { return oqx_ram(z, 0, false); }
  OqxOperand B() { return oqx_ram(b, 0, true); }
  OqxOperand C() { return oqx_ram(c, 0, true); }
  SymbolRecord *x = nullptr, *y = nullptr, *z = nullptr, *b = nullptr, *c = nullptr;
  SwitchCase cases[3];
};

struct Row {
  const char *what;
  std::function<ocode *()> emit;
  const char *expected;
};

TEST_F(Emitters, EmitTheirSequences) {
  const char *F = "t.c";
  const Row rows[] = {
      {"shl 1", [&] { return oqxSHL8InPlaceByConst(X(), 1, 1, F); }, "bcf x, 7, 0; rlncf x, 1, 0"},
      {"shl 2", [&] { return oqxSHL8InPlaceByConst(X(), 2, 1, F); }, "movlw 4; mulwf x, 0; movff PRODL; word2 x"},
      {"shl 3", [&] { return oqxSHL8InPlaceByConst(X(), 3, 1, F); }, "swapf x, 0, 0; rrncf WREG, 1, 0; andlw 248; movwf x, 0"},
      {"shl 4", [&] { return oqxSHL8InPlaceByConst(X(), 4, 1, F); }, "swapf x, 0, 0; andlw 240; movwf x, 0"},
      {"shl 5", [&] { return oqxSHL8InPlaceByConst(X(), 5, 1, F); }, "swapf x, 0, 0; rlncf WREG, 1, 0; andlw 224; movwf x, 0"},
      {"shl 6", [&] { return oqxSHL8InPlaceByConst(X(), 6, 1, F); }, "rrncf x, 0, 0; rrncf WREG, 1, 0; andlw 192; movwf x, 0"},
      {"shl 7", [&] { return oqxSHL8InPlaceByConst(X(), 7, 1, F); }, "rrcf x, 1, 0; clrf x, 0; rrcf x, 1, 0"},
      {"shl 8", [&] { return oqxSHL8InPlaceByConst(X(), 8, 1, F); }, ""},
      {"shr 1", [&] { return oqxSHR8InPlaceByConst(X(), 1, 1, F); }, "bcf x, 0, 0; rrncf x, 1, 0"},
      {"shr 2", [&] { return oqxSHR8InPlaceByConst(X(), 2, 1, F); }, "bcf STATUS, 0, 0; rrcf x, 1, 0; bcf STATUS, 0, 0; rrcf x, 1, 0"},
      {"shr 3", [&] { return oqxSHR8InPlaceByConst(X(), 3, 1, F); }, "swapf x, 0, 0; rlncf WREG, 1, 0; andlw 31; movwf x, 0"},
      {"shr 4", [&] { return oqxSHR8InPlaceByConst(X(), 4, 1, F); }, "swapf x, 0, 0; andlw 15; movwf x, 0"},
      {"shr 5", [&] { return oqxSHR8InPlaceByConst(X(), 5, 1, F); }, "swapf x, 0, 0; rrncf WREG, 1, 0; andlw 7; movwf x, 0"},
      {"shr 6", [&] { return oqxSHR8InPlaceByConst(X(), 6, 1, F); }, "rlncf x, 0, 0; rlncf WREG, 1, 0; andlw 3; movwf x, 0"},
      {"shr 7", [&] { return oqxSHR8InPlaceByConst(X(), 7, 1, F); }, "rlcf x, 1, 0; clrf x, 0; rlcf x, 1, 0"},
      {"shl 2 stack", [&] { return oqxSHL8InPlaceByConst_idx(3, 2, 1, F); }, "movlw 4; mulwf 3, 0; movf PRODL, 0, 0; movwf 3, 0"},
      {"shr 4 banked", [&] { return oqxSHR8InPlaceByConst(B(), 4, 1, F); }, "movlb high( b ); swapf b, 0, 1; andlw 15; movwf b, 1"},
      {"shl 3 fsr0", [&] { return oqxSHL8InPlaceByConst(oqx_fsr0(), 3, 1, F); }, "swapf INDF0, 0, 0; rrncf WREG, 1, 0; andlw 248; movwf INDF0, 0"},
      {"w shl", [&] { return oqxSHL8WbyConst(3, 1, F); }, "mullw 8"},
      {"w shl 0", [&] { return oqxSHL8WbyConst(0, 1, F); }, "movwf PRODL, 0"},
      {"w shr 5", [&] { return oqxSHR8WbyConst(5, 1, F); }, "andlw 224; swapf WREG, 1, 0; rrncf WREG, 1, 0"},
      {"w shr 6", [&] { return oqxSHR8WbyConst(6, 1, F); }, "andlw 192; rlncf WREG, 1, 0; rlncf WREG, 1, 0"},
      {"x <<= w banked", [&] { return oqxSHL8InPlaceByW(B(), 1, F); }, "movlb high( b ); OC_BZ 5; rlncf b, 1, 1; bcf b, 0, 1; decf WREG, 1, 0; OC_BNZ -3"},
      {"x >>= w (8)", [&] { return oqxSHR8InPlaceByW(X(), 1, F); }, "andlw 7; OC_BZ 5; rrncf x, 1, 0; bcf x, 7, 0; decf WREG, 1, 0; OC_BNZ -3"},
      {"w <<= [2]", [&] { return oqxSHL8WInPlaceByF(oqx_stk(2), 1, F); }, "movf 2, 1, 0; OC_BZ 5; rlncf WREG, 1, 0; andlw 254; decf 2, 1, 0; OC_BNZ -3"},
      {"w >>= y", [&] { return oqxSHR8WInPlaceByF(Y(), 1, F); }, "movf y, 1, 0; OC_BZ 5; rrncf WREG, 1, 0; andlw 127; decf y, 1, 0; OC_BNZ -3"},
      {"store 32", [&] { return oqxStoreLiteralF(0x00FF1200, 4, X(), 1, F); }, "clrf x, 0; movlw 18; movwf x + 1, 0; setf x + 2, 0; clrf x + 3, 0"},
      {"store banked", [&] { return oqxStoreLiteralF(0x0705, 2, B(), 1, F); }, "movlw 5; movlb high( b ); movwf b, 1; movlw 7; movwf b + 1, 1"},
      {"store fsr0", [&] { return oqxStoreLiteralF(0x12, 1, oqx_fsr0(), 1, F); }, "movlw 18; movwf POSTINC0, 0"},
      {"store rom", [&] { return oqxStoreLiteralF(0x12, 1, oqx_tblptr(), 1, F); }, "movlw 18; movwf TABLAT, 0; tblwtpostinc"},
      {"load high addr", [&] { return oqxLoadLiteralHighW(oqx_caddr(b, 2), 1, F); }, "movlw high( b + 2 )"},
      {"load upper int", [&] { return oqxLoadLiteralUpperW(oqx_cint(0x123456), 1, F); }, "movlw 18"},
      {"complement [0]", [&] { return oqxComplementStack8(0, 1, F); }, "comf INDF2, 0, 0"},
      {"complement [4]", [&] { return oqxComplementStack8(4, 1, F); }, "movlw 4; comf PLUSW2, 0, 0"},
      {"w & 0xff", [&] { return oqxAndLiteralW(0xFF, 1, F); }, ""},
      {"w - 3", [&] { return oqxSubLiteralW(3, 1, F); }, "addlw 253"},
      {"x += 1", [&] { return oqxcop8A_Iconst(B_ADD, X(), 1, 1, F); }, "incf x, 1, 0"},
      {"x += 255", [&] { return oqxcop8A_Iconst(B_ADD, X(), 255, 1, F); }, "decf x, 1, 0"},
      {"x += 7 banked", [&] { return oqxcop8A_Iconst(B_ADD, B(), 7, 1, F); }, "movlw 7; movlb high( b ); addwf b, 1, 1"},
      {"x &= 0xf7", [&] { return oqxcop8A_Iconst(B_AND, X(), 0xF7, 1, F); }, "bcf x, 3, 0"},
      {"x &= 0", [&] { return oqxcop8A_Iconst(B_AND, X(), 0, 1, F); }, "clrf x, 0"},
      {"x |= 0x20", [&] { return oqxcop8A_Iconst(B_OR, oqx_stk(1), 0x20, 1, F); }, "bsf 1, 5, 0"},
      {"x ^= 0xff fsr0", [&] { return oqxcop8A_Iconst(B_XOR, oqx_fsr0(), 0xFF, 1, F); }, "comf INDF0, 1, 0"},
      {"x ^= 0x80", [&] { return oqxcop8A_Iconst(B_XOR, X(), 0x80, 1, F); }, "btg x, 7, 0"},
      {"x |= 0", [&] { return oqxcop8A_Iconst(B_OR, X(), 0, 1, F); }, ""},
      {"x ^= w rom", [&] { return oqxcop8A(B_XOR, oqx_tblptr(), 1, F); }, "tblrd; xorwf TABLAT, 1, 0; tblwt"},
      {"next add", [&] { return oqxcopWFNext_idx(B_ADD, 5, DEST_W, 1, F); }, "addwfc 5, 0, 0"},
      {"subwf", [&] { return oqxSubWF(B(), DEST_F, 1, F); }, "movlb high( b ); subwf b, 1, 1"},
      // 16 bits
      {"d = a * b", [&] { return oqxMul16(X(), Y(), Z(), 1, F); }, "movf y, 0, 0; mulwf x, 0; movff PRODL; word2 z; movff PRODH; word2 z + 1; mulwf x + 1, 0; movf PRODL, 0, 0; addwf z + 1, 1, 0; movf y + 1, 0, 0; mulwf x, 0; movf PRODL, 0, 0; addwf z + 1, 1, 0"},
      {"b = a * b", [&] { return oqxMul16(X(), Y(), Y(), 1, F); }, "movf y + 1, 0, 0; mulwf x, 0; movff PRODL; word2 y + 1; movf y, 0, 0; mulwf x + 1, 0; movf PRODL, 0, 0; addwf y + 1, 1, 0; movf y, 0, 0; mulwf x, 0; movff PRODL; word2 y; movf PRODH, 0, 0; addwf y + 1, 1, 0"},
      {"a = a * b", [&] { return oqxMul16(X(), Y(), X(), 1, F); }, "movf x + 1, 0, 0; mulwf y, 0; movff PRODL; word2 x + 1; movf x, 0, 0; mulwf y + 1, 0; movf PRODL, 0, 0; addwf x + 1, 1, 0; movf x, 0, 0; mulwf y, 0; movff PRODL; word2 x; movf PRODH, 0, 0; addwf x + 1, 1, 0"},
      {"x = x * x", [&] { return oqxMul16(X(), X(), X(), 1, F); }, "movf x, 0, 0; mulwf x + 1, 0; movf PRODL, 0, 0; addwf PRODL, 0, 0; movwf x + 1, 0; movf x, 0, 0; mulwf x, 0; movff PRODL; word2 x; movf PRODH, 0, 0; addwf x + 1, 1, 0"},
      {"prod = a * b", [&] { return oqxMul16(X(), Y(), oqx_ram(PRODLsym, 0, false), 1, F); }, "movf y, 0, 0; mulwf x, 0; movff PRODL; word2 POSTINC1; movff PRODH; word2 INDF1; mulwf x + 1, 0; movf PRODL, 0, 0; addwf INDF1, 1, 0; movf y + 1, 0, 0; mulwf x, 0; movf PRODL, 0, 0; addwf INDF1, 1, 0; movff POSTDEC1; word2 PRODH; movff INDF1; word2 PRODL"},
      {"[4] = a * [0]", [&] { return oqxMul16(X(), oqx_stk(0), oqx_stk(4), 1, F); },
       "movf 0, 0, 0; mulwf x + 1, 0; movf PRODL, 0, 0; movwf 5, 0; movf 0, 0, 0; mulwf x, 0; movf PRODL, 0, 0; movwf 4, 0; movf PRODH, 0, 0; addwf 5, 1, 0; movf 1, 0, 0; mulwf x, 0; movf PRODL, 0, 0; addwf 5, 1, 0"},
      {"banked d", [&] { return oqxMul16(X(), Y(), B(), 1, F); }, "movf y, 0, 0; mulwf x, 0; movff PRODL; word2 b; movff PRODH; word2 b + 1; mulwf x + 1, 0; movf PRODL, 0, 0; movlb high( b + 1 ); addwf b + 1, 1, 1; movf y + 1, 0, 0; mulwf x, 0; movf PRODL, 0, 0; addwf b + 1, 1, 1"},
      {"x *= 10", [&] { return oqxMUL16A_Iconst(X(), 10, 1, F); }, "movlw 10; mulwf x + 1, 0; movff PRODL; word2 x + 1; movlw 10; mulwf x, 0; movff PRODL; word2 x; movf PRODH, 0, 0; addwf x + 1, 1, 0"},
      {"x *= 0x0203", [&] { return oqxMUL16A_Iconst(oqx_stk(2), 0x0203, 1, F); }, "movlw 3; mulwf 3, 0; movf PRODL, 0, 0; movwf 3, 0; movlw 2; mulwf 2, 0; movf PRODL, 0, 0; addwf 3, 1, 0; movlw 3; mulwf 2, 0; movf PRODL, 0, 0; movwf 2, 0; movf PRODH, 0, 0; addwf 3, 1, 0"},
      {"negate", [&] { return oqxNegate16(X(), 1, F); }, "negf x, 0; comf x + 1, 1, 0; movlw 0; addwfc x + 1, 1, 0"},
      {"negate fsr0", [&] { return oqxNegate16(oqx_fsr0(), 1, F); }, "negf POSTINC0, 0; comf INDF0, 1, 0; movlw 0; addwfc POSTDEC0, 1, 0"},
      {"negate rom", [&] { return oqxNegate16(oqx_tblptr(), 1, F); }, "tblrd; negf TABLAT, 0; tblwtpostinc; tblrd; comf TABLAT, 1, 0; movlw 0; addwfc TABLAT, 1, 0; tblwtpostdec"},
      {"equal const", [&] { return oqxEqual16_Gconst(X(), oqx_cint(0x1200), 1, F); }, "movf x, 0, 0; OC_BNZ L; movf x + 1, 0, 0; xorlw 18; L:"},
      {"equal addr", [&] { return oqxEqual16_Gconst(X(), oqx_caddr(b, 0), 1, F); }, "movlw b; xorwf x, 0, 0; OC_BNZ L; movlw high( b ); xorwf x + 1, 0, 0; L:"},
      {"equal 2 banked", [&] { return oqxEqual(B(), C(), 2, 1, F); }, "movlb high( b ); movf b, 0, 1; movlb high( c ); xorwf c, 0, 1; OC_BNZ L; movlb high( b + 1 ); movf b + 1, 0, 1; movlb high( c + 1 ); xorwf c + 1, 0, 1; L:"},
      {"bump 1", [&] { return oqxBumpRamPointer(1, 1, F); }, "movf POSTINC0, 1, 0"},
      {"bump 256", [&] { return oqxBumpRamPointer(256, 1, F); }, "incf FSR0H, 1, 0"},
      {"bump 0x300", [&] { return oqxBumpRamPointer(0x300, 1, F); }, "movlw 3; addwf FSR0H, 1, 0"},
      {"bump 0x201", [&] { return oqxBumpRamPointer(0x201, 1, F); }, "incf FSR0L, 1, 0; movlw 2; addwfc FSR0H, 1, 0"},
      {"bump 40", [&] { return oqxBumpRamPointer(40, 1, F); }, "movlw 40; addwf FSR0L, 1, 0; movlw 0; addwfc FSR0H, 1, 0"},
      {"bump 0", [&] { return oqxBumpRamPointer(0, 1, F); }, ""},
      {"rom bump 1", [&] { return oqxBumpNearRomPointer(1, 1, F); }, "incf TBLPTRL, 1, 0; movlw 0; addwfc TBLPTRH, 1, 0"},
      {"rom bump 256", [&] { return oqxBumpNearRomPointer(256, 1, F); }, "incf TBLPTRH, 1, 0"},
      {"x += 1 (16)", [&] { return oqxcop16A_Iconst(B_ADD, X(), 1, 1, F); }, "infsnz x, 1, 0; incf x + 1, 1, 0"},
      {"x -= 1 (16)", [&] { return oqxSUB16A_Iconst(X(), 1, 1, F); }, "decf x, 1, 0; movlw 255; addwfc x + 1, 1, 0"},
      {"x += 0x300 banked", [&] { return oqxcop16A_Iconst(B_ADD, B(), 0x300, 1, F); }, "movlw 3; movlb high( b + 1 ); addwf b + 1, 1, 1"},
      {"x += 0x505", [&] { return oqxcop16A_Iconst(B_ADD, X(), 0x505, 1, F); }, "movlw 5; addwf x, 1, 0; addwfc x + 1, 1, 0"},
      {"x &= 0xff00 banked", [&] { return oqxcop16A_Iconst(B_AND, B(), 0xFF00, 1, F); }, "movlb high( b ); clrf b, 1"},
      {"x |= 0x8001", [&] { return oqxcop16A_Iconst(B_OR, X(), 0x8001, 1, F); }, "bsf x, 0, 0; bsf x + 1, 7, 0"},
      {"*p += 0x1234", [&] { return oqxcop16A_Iconst(B_ADD, oqx_fsr0(), 0x1234, 1, F); }, "movlw 52; addwf POSTINC0, 1, 0; movlw 18; addwfc POSTDEC0, 1, 0"},
      {"d = a + 0x100", [&] { return oqxopLiteral16(B_ADD, X(), 0x100, oqx_stk(0), 1, F); }, "movf x, 0, 0; movwf 0, 0; movlw 1; addwf x + 1, 0, 0; movwf 1, 0"},
      {"d = a & 0x00ff", [&] { return oqxopLiteral16(B_AND, X(), 0xFF, Y(), 1, F); }, "movff x; word2 y; clrf y + 1, 0"},
      {"d = a ^ 0xff00", [&] { return oqxopLiteral16(B_XOR, oqx_stk(1), 0xFF00, Y(), 1, F); }, "movsf 1; word2 y; comf 2, 0, 0; movwf y + 1, 0"},
      {"d = a + &b", [&] { return oqxopGconst16(B_ADD, X(), b, 1, Y(), 1, F); }, "movlw b + 1; addwf x, 0, 0; movwf y, 0; movlw high( b + 1 ); addwfc x + 1, 0, 0; movwf y + 1, 0"},
      {"d = a + b banked", [&] { return oqxopF16(B_ADD, B(), C(), X(), 1, F); }, "movlb high( b ); movf b, 0, 1; movlb high( c ); addwf c, 0, 1; movwf x, 0; movlb high( b + 1 ); movf b + 1, 0, 1; movlb high( c + 1 ); addwfc c + 1, 0, 1; movwf x + 1, 0"},
      {"d = a - b", [&] { return oqxSUB16(X(), oqx_stk(2), Y(), 1, F); }, "movf 2, 0, 0; subwf x, 0, 0; movwf y, 0; movf 3, 0, 0; subwfb x + 1, 0, 0; movwf y + 1, 0"},
      {"d = 5 - a", [&] { return oqxSUB16FromLiteral(5, X(), Y(), 1, F); }, "movf x, 0, 0; sublw 5; movwf y, 0; movlw 0; subfwb x + 1, 0, 0; movwf y + 1, 0"},
      {"x -= y", [&] { return oqxSUB16A(B(), Y(), 1, F); }, "movf y, 0, 0; movlb high( b ); subwf b, 1, 1; movf y + 1, 0, 0; subwfb b + 1, 1, 1"},
      {"x |= y fsr0", [&] { return oqxcop16A(B_OR, oqx_fsr0(), Y(), 1, F); }, "movf y, 0, 0; iorwf POSTINC0, 1, 0; movf y + 1, 0, 0; iorwf POSTDEC0, 1, 0"},
      {"x <<= w", [&] { return oqxSHL16A(B(), 1, F); }, "movlb high( b ); andlw 31; OC_BZ 6; bcf STATUS, 0, 0; rlcf b, 1, 1; rlcf b + 1, 1, 1; decf WREG, 1, 0; OC_BNZ -4"},
      {"x >>= w signed", [&] { return oqxSHR16A(X(), true, 1, F); }, "andlw 31; OC_BZ 8; bcf STATUS, 0, 0; btfsc x + 1, 7, 0; bsf STATUS, 0, 0; rrcf x + 1, 1, 0; rrcf x, 1, 0; decf WREG, 1, 0; OC_BNZ -6"},
      {"x >>= w", [&] { return oqxSHR16A(oqx_stk(0), false, 1, F); }, "andlw 31; OC_BZ 6; bcf STATUS, 0, 0; rrcf 1, 1, 0; rrcf 0, 1, 0; decf WREG, 1, 0; OC_BNZ -4"},
      {"x <<= 9", [&] { return oqxSHL16A_Iconst(X(), 9, 1, F); }, "movff x; word2 x + 1; clrf x, 0; bcf x + 1, 7, 0; rlncf x + 1, 1, 0"},
      {"x <<= 2", [&] { return oqxSHL16A_Iconst(X(), 2, 1, F); }, "bcf STATUS, 0, 0; rlcf x, 1, 0; rlcf x + 1, 1, 0; bcf STATUS, 0, 0; rlcf x, 1, 0; rlcf x + 1, 1, 0"},
      {"x >>= 12 signed", [&] { return oqxSHR16A_Iconst(X(), 12, true, 1, F); }, "movff x + 1; word2 x; clrf x + 1, 0; btfsc x, 7, 0; setf x + 1, 0; rlcf x + 1, 0, 0; rrcf x, 1, 0; rlcf x + 1, 0, 0; rrcf x, 1, 0; rlcf x + 1, 0, 0; rrcf x, 1, 0; rlcf x + 1, 0, 0; rrcf x, 1, 0"},
      {"x >>= 9", [&] { return oqxSHR16A_Iconst(oqx_stk(0), 9, false, 1, F); }, "movss 1; word2 0; clrf 1, 0; bcf 0, 0, 0; rrncf 0, 1, 0"},
      {"x >>= 1 signed", [&] { return oqxSHR16A_Iconst(X(), 1, true, 1, F); }, "rlcf x + 1, 0, 0; rrcf x + 1, 1, 0; rrcf x, 1, 0"},
      {"mov ram stk", [&] { return oqxMOV16(B(), oqx_stk(3), 1, F); }, "movlb high( b ); movf b, 0, 1; movwf 3, 0; movf b + 1, 0, 1; movwf 4, 0"},
      {"mov stk ram", [&] { return oqxMOV16(oqx_stk(3), B(), 1, F); }, "movsf 3; word2 b; movsf 4; word2 b + 1"},
      {"mov addr", [&] { return oqxMOV16_Gconst(b, 0, oqx_stk(0), 1, F); }, "movlw b; movwf 0, 0; movlw high( b ); movwf 1, 0"},
      {"complement16 [0]", [&] { return oqxComplementStack16(0, X(), 1, F); }, "comf INDF2, 0, 0; movwf x, 0; movlw 1; comf PLUSW2, 0, 0; movwf x + 1, 0"},
      // 24 and 32 bits
      {"d = a + b (32)", [&] { return oqxcopLong(B_ADD, X(), oqx_stk(2), Y(), 4, 1, F); }, "movf x, 0, 0; addwf 2, 0, 0; movwf y, 0; movf x + 1, 0, 0; addwfc 3, 0, 0; movwf y + 1, 0; movf x + 2, 0, 0; addwfc 4, 0, 0; movwf y + 2, 0; movf x + 3, 0, 0; addwfc 5, 0, 0; movwf y + 3, 0"},
      {"d = a + 0x10000 (24)", [&] { return oqxcopLong_Iconst(B_ADD, X(), 0x10000, Y(), 3, 1, F); }, "movf x, 0, 0; movwf y, 0; movf x + 1, 0, 0; movwf y + 1, 0; movf x + 2, 0, 0; addlw 1; movwf y + 2, 0"},
      {"d = a & 0xff00ff (24)", [&] { return oqxcopLong_Iconst(B_AND, B(), 0xFF00FF, X(), 3, 1, F); }, "movlb high( b ); movf b, 0, 1; movwf x, 0; clrf x + 1, 0; movf b + 2, 0, 1; movwf x + 2, 0"},
      {"d = a ^ -1 (32)", [&] { return oqxcopLong_Iconst(B_XOR, X(), -1, oqx_stk(0), 4, 1, F); }, "comf x, 0, 0; movwf 0, 0; comf x + 1, 0, 0; movwf 1, 0; comf x + 2, 0, 0; movwf 2, 0; comf x + 3, 0, 0; movwf 3, 0"},
      {"d = a - b (24)", [&] { return oqxSUBLong(X(), Y(), Z(), 3, 1, F); }, "movf y, 0, 0; subwf x, 0, 0; movwf z, 0; movf y + 1, 0, 0; subwfb x + 1, 0, 0; movwf z + 1, 0; movf y + 2, 0, 0; subwfb x + 2, 0, 0; movwf z + 2, 0"},
      {"d = 0 - a (32)", [&] { return oqxSUBLongFrom_Iconst(0, X(), Y(), 4, 1, F); }, "bsf STATUS, 0, 0; movlw 0; subfwb x, 0, 0; movwf y, 0; movlw 0; subfwb x + 1, 0, 0; movwf y + 1, 0; movlw 0; subfwb x + 2, 0, 0; movwf y + 2, 0; movlw 0; subfwb x + 3, 0, 0; movwf y + 3, 0"},
      {"x = ~x (24)", [&] { return oqxComLong(X(), X(), 3, 1, F); }, "comf x, 1, 0; comf x + 1, 1, 0; comf x + 2, 1, 0"},
      {"*p += 0x100 (32)", [&] { return oqxcopLongA_Iconst(B_ADD, oqx_fsr0(), 0x100, 4, 1, F); }, "movlw 0; addwf POSTINC0, 1, 0; movlw 1; addwfc POSTINC0, 1, 0; movlw 0; addwfc POSTINC0, 1, 0; movlw 0; addwfc POSTINC0, 1, 0"},
      {"x += 0x100 (32)", [&] { return oqxcopLongA_Iconst(B_ADD, X(), 0x100, 4, 1, F); }, "movlw 1; addwf x + 1, 1, 0; movlw 0; addwfc x + 2, 1, 0; movlw 0; addwfc x + 3, 1, 0"},
      {"x |= 0xff000001 (32)", [&] { return oqxcopLongA_Iconst(B_OR, X(), 0xFF000001L, 4, 1, F); }, "bsf x, 0, 0; setf x + 3, 0"},
      {"*p &= ~0x8000 (24)", [&] { return oqxcopLongA_Iconst(B_AND, oqx_fsr0(), 0xFF7FFF, 3, 1, F); }, "movf POSTINC0, 1, 0; bcf POSTINC0, 7, 0"},
      {"x ^= 0x40000001 (32)", [&] { return oqxcopLongA_Iconst(B_XOR, oqx_stk(0), 0x40000001L, 4, 1, F); }, "btg 0, 0, 0; btg 3, 6, 0"},
      {"x -= y banked (24)", [&] { return oqxSUBLongA(B(), Y(), 3, 1, F); }, "movf y, 0, 0; movlb high( b ); subwf b, 1, 1; movf y + 1, 0, 0; subwfb b + 1, 1, 1; movf y + 2, 0, 0; subwfb b + 2, 1, 1"},
      {"x++ (32)", [&] { return oqxIncDecLong(oqx_stk(1), true, 4, 1, F); }, "incf 1, 1, 0; movlw 0; addwfc 2, 1, 0; addwfc 3, 1, 0; addwfc 4, 1, 0"},
      {"x <<= 9 (24)", [&] { return oqxSHLLongA_Iconst(X(), 9, 3, 1, F); }, "movff x + 1; word2 x + 2; movff x; word2 x + 1; clrf x, 0; bcf STATUS, 0, 0; rlcf x + 1, 1, 0; rlcf x + 2, 1, 0"},
      {"x <<= 40 (32)", [&] { return oqxSHLLongA_Iconst(X(), 40, 4, 1, F); }, "clrf x, 0; clrf x + 1, 0; clrf x + 2, 0; clrf x + 3, 0"},
      {"x >>= 17 signed (32)", [&] { return oqxSHRLongA_Iconst(X(), 17, true, 4, 1, F); }, "movlw 0; btfsc x + 3, 7, 0; movlw 255; movff x + 2; word2 x; movff x + 3; word2 x + 1; movwf x + 2, 0; movwf x + 3, 0; rlcf x + 1, 0, 0; rrcf x + 1, 1, 0; rrcf x, 1, 0"},
      {"x >>= 8 (24) stack", [&] { return oqxSHRLongA_Iconst(oqx_stk(0), 8, false, 3, 1, F); }, "movss 1; word2 0; movss 2; word2 1; clrf 2, 0"},
      {"x >>= 24 signed (24)", [&] { return oqxSHRLongA_Iconst(B(), 24, true, 3, 1, F); }, "movlw 0; movlb high( b + 2 ); btfsc b + 2, 7, 1; movlw 255; movwf b, 1; movwf b + 1, 1; movwf b + 2, 1"},
      {"x <<= w banked (24)", [&] { return oqxSHLLongA(B(), 3, 1, F); }, "movlb high( b ); andlw 31; addlw 1; OC_BRANCH 5; bcf STATUS, 0, 0; rlcf b, 1, 1; rlcf b + 1, 1, 1; rlcf b + 2, 1, 1; decf WREG, 1, 0; OC_BNZ -5"},
      {"x >>= w signed (32)", [&] { return oqxSHRLongA(X(), true, 4, 1, F); }, "andlw 31; addlw 1; OC_BRANCH 8; bcf STATUS, 0, 0; btfsc x + 3, 7, 0; bsf STATUS, 0, 0; rrcf x + 3, 1, 0; rrcf x + 2, 1, 0; rrcf x + 1, 1, 0; rrcf x, 1, 0; decf WREG, 1, 0; OC_BNZ -8"},
      {"switch8", [&] { return oqxSwitch8(cases, nullptr, label("END"), false, 1, F); }, "xorlw 2; OC_BZ L2; xorlw 1; OC_BZ L3; xorlw 2; OC_BZ L1; OC_BRANCH END"},
      {"switch8 z known", [&] { return oqxSwitch8(&cases[2], label("DEF"), label("END"), true, 1, F); }, "xorlw 1; OC_BZ L1; OC_BRANCH DEF"},
      {"switch16", [&] { return oqxSwitch16(X(), &cases[1], label("DEF"), nullptr, 1, F); }, "movf x, 0, 0; xorlw 3; OC_BNZ L; movf x + 1, 0, 0; L:; OC_BZ L3; movf x, 0, 0; xorlw 1; OC_BNZ L; movf x + 1, 0, 0; L:; OC_BZ L1; OC_BRANCH DEF"},
  };
  for (const Row &row : rows)
    EXPECT_EQ(text(row.emit()), row.expected) << row.what;
}

TEST_F(Emitters, ShiftCostIsTheWordCount) {
  for (int n = 0; n <= 9; ++n) {
    ocode *list = keep(oqxSHR8InPlaceByConst(X(), n, 1, "t.c"));
    ocode *stack = keep(oqxSHL8InPlaceByConst_idx(0, n, 1, "t.c"));
    long words = 0, stack_words = 0;
    for (ocode *oc = list; oc; oc = oc->next)
      words += ocode_is_counted(oc);
    for (ocode *oc = stack; oc; oc = oc->next)
      stack_words += ocode_is_counted(oc);
    EXPECT_EQ(oqxSHL8InPlaceByConstCost(n), words) << n;
    EXPECT_EQ(oqxSHL8InPlaceByConstCost(n), stack_words) << n;
  }
}

}  // namespace

// ---- the context analysis of interrupt routines ------------------------------

class InterruptContext : public CodegenFixture {
protected:
  // A list of instructions (a second word follows each two-word one as given).
  ocode *code(std::initializer_list<inst *> insts) {
    ocode *list = nullptr;
    for (inst *ins : insts)
      list = objAppend(list, objInst(ins, 1, "t.c"));
    return list;
  }
  ocode *movff(SymbolRecord *s, long so, SymbolRecord *d, long dof) {
    return code({iqx_MOVFF(s, int32_t(so)), iqx_MOVFF2(s, int32_t(so), d, int32_t(dof))});
  }
  ocode *call(SymbolRecord *f) { return code({iqx_CALL(f, 0, 0), iqx_CALL2(f, 0)}); }
};

TEST_F(InterruptContext, FindsWhatTheCodeWrites) {
  SymbolRecord *v = variable("v", false);
  SymbolRecord *f = function("f");
  struct {
    const char *what;
    std::function<ocode *()> list;
    IsrResource r;
    IsrChange expected;
  } rows[] = {
      {"MOVWF PRODL", [&] { return code({iqx_MOVWF(PRODLsym, 0)}); }, ISR_PROD, ISR_WRITTEN},
      {"MOVF PRODH to W reads only", [&] { return code({iqx_opWF(MOVF, PRODHsym, 0, DEST_W)}); }, ISR_PROD,
       ISR_UNCHANGED},
      {"MOVF PRODH, F", [&] { return code({iqx_opWF(MOVF, PRODHsym, 0, DEST_F)}); }, ISR_PROD, ISR_WRITTEN},
      {"MULWF", [&] { return code({iqx_MULWF(v, 0)}); }, ISR_PROD, ISR_WRITTEN},
      {"math call changes PROD", [&] { return call(__div16usym); }, ISR_PROD, ISR_BY_CALL},
      {"math call leaves TABLAT", [&] { return call(__div16usym); }, ISR_TABLAT, ISR_UNCHANGED},
      {"math call leaves the math data", [&] { return call(__mul32sym); }, ISR_MATH_DATA, ISR_UNCHANGED},
      {"any call moves FSR2", [&] { return call(__div16usym); }, ISR_FSR2, ISR_WRITTEN},
      {"function call may change TABLAT", [&] { return call(f); }, ISR_TABLAT, ISR_BY_CALL},
      {"function call may change FSR0", [&] { return call(f); }, ISR_FSR0, ISR_BY_CALL},
      {"CALLW may change PCLATH", [&] { return code({iqx_CALLW()}); }, ISR_PCLATH, ISR_BY_CALL},
      {"a write after a call", [&] { return objAppend(call(f), code({iqx_MOVWF(TABLATsym, 0)})); }, ISR_TABLAT,
       ISR_WRITTEN},
      {"MOVFF to TBLPTRL+2 is TBLPTRU", [&] { return movff(v, 0, TBLPTRLsym, 2); }, ISR_TBLPTRU, ISR_WRITTEN},
      {"...not TBLPTR", [&] { return movff(v, 0, TBLPTRLsym, 2); }, ISR_TBLPTR, ISR_UNCHANGED},
      {"MOVFF to TBLPTRH", [&] { return movff(v, 0, TBLPTRHsym, 0); }, ISR_TBLPTR, ISR_WRITTEN},
      {"MOVFF from TBLPTRH", [&] { return movff(TBLPTRHsym, 0, v, 0); }, ISR_TBLPTR, ISR_UNCHANGED},
      {"POSTINC0 as a source moves FSR0", [&] { return movff(POSTINC0sym, 0, v, 0); }, ISR_FSR0, ISR_WRITTEN},
      {"LFSR 0", [&] { return code({iqx_LFSR(v, 0, 0), iqx_LFSR2(v, 0)}); }, ISR_FSR0, ISR_WRITTEN},
      {"LFSR 2 is not FSR0", [&] { return code({iqx_LFSR(v, 0, 2), iqx_LFSR2(v, 0)}); }, ISR_FSR0,
       ISR_UNCHANGED},
      {"ADDFSR 2", [&] { return code({iqx_ADDFSR(2, 3)}); }, ISR_FSR2, ISR_WRITTEN},
      {"SUBFSR 0", [&] { return code({iqx_SUBFSR(0, 1)}); }, ISR_FSR0, ISR_WRITTEN},
      {"PUSHL moves FSR2", [&] { return code({iqx_PUSHL(7)}); }, ISR_FSR2, ISR_WRITTEN},
      {"reading POSTINC0 moves FSR0", [&] { return code({iqx_opWF(MOVF, POSTINC0sym, 0, DEST_W)}); }, ISR_FSR0,
       ISR_WRITTEN},
      {"...not FSR2", [&] { return code({iqx_opWF(MOVF, POSTINC0sym, 0, DEST_W)}); }, ISR_FSR2, ISR_UNCHANGED},
      {"CLRF FSR0H", [&] { return code({iqx_CLRF(FSR0Hsym, 0)}); }, ISR_FSR0, ISR_WRITTEN},
      {"MULLW", [&] { return code({iqx_MULLW(3)}); }, ISR_PROD, ISR_WRITTEN},
      {"MOVLW writes no register", [&] { return code({iqx_MOVLW(0xF5)}); }, ISR_TABLAT, ISR_UNCHANGED},
      {"TBLWT*+ moves TBLPTRU", [&] { return code({iqx_TBLWTPOSTINC()}); }, ISR_TBLPTRU, ISR_WRITTEN},
      {"...not TABLAT", [&] { return code({iqx_TBLWTPOSTINC()}); }, ISR_TABLAT, ISR_UNCHANGED},
      {"__RETVAL0+3", [&] { return code({iqx_MOVWF(__RETVAL0sym, 3)}); }, ISR_MATH_DATA, ISR_WRITTEN},
      {"TBLRD loads TABLAT", [&] { return code({iqx_TBLRD()}); }, ISR_TABLAT, ISR_WRITTEN},
      {"TBLRD leaves the pointer", [&] { return code({iqx_TBLRD()}); }, ISR_TBLPTR, ISR_UNCHANGED},
      {"TBLRD*+ moves TBLPTRU", [&] { return code({iqx_TBLRDPOSTINC()}); }, ISR_TBLPTRU, ISR_WRITTEN},
      {"BSF PCLATU", [&] { return code({iqx_BSF(PCLATUsym, 0, 1)}); }, ISR_PCLATU, ISR_WRITTEN},
      {"a literal access-bank address", [&] { return code({iqx_MOVWF_idx(0xF5)}); }, ISR_TABLAT, ISR_WRITTEN},
      {"a frame slot is no register", [&] { return code({iqx_MOVWF_idx(0x55)}); }, ISR_TABLAT, ISR_UNCHANGED},
      {"the scan ends at the next function",
       [&] {
         ocode *list = objAppend(code({iqx_opWF(MOVF, PRODHsym, 0, DEST_W)}), objBeginFunct(f, 1, "t.c"));
         return objAppend(list, code({iqx_MOVWF(PRODLsym, 0)}));
       },
       ISR_PROD, ISR_UNCHANGED},
  };
  for (const auto &row : rows)
    EXPECT_EQ(isr_does_change(keep(row.list()), row.r), row.expected) << row.what;
}

TEST_F(InterruptContext, MathRoutinesAreNoFunctionCalls) {
  EXPECT_FALSE(s_does_make_function_call(keep(call(__div16usym))));
  EXPECT_TRUE(s_does_make_function_call(keep(call(function("g")))));
  EXPECT_TRUE(s_does_make_function_call(keep(code({iqx_CALLW()}))));
  EXPECT_FALSE(s_does_make_function_call(keep(code({iqx_MOVWF(PRODLsym, 0)}))));
}
