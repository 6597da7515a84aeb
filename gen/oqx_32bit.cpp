// The 24- and 32-bit operation emitters: byte chains over n = 3 or 4 bytes
// for and/or/xor, add and subtract (the carry or borrow running from the
// low byte up), complement, in-place compound assignments, shifts by a
// constant (whole-byte moves, then rotations through the carry) and by a
// count in WREG (a loop over every byte), increments and decrements. In:
// operands (gen/oqx.h) and the byte count. Out: a new output-code list, or
// null when nothing is needed.
//
// None of the instructions between two bytes of a chain (MOVF, MOVLW,
// MOVWF, MOVFF, MOVSS, MOVLB) changes the carry, so a chain of ADDWFC or
// SUBWFB may load and store freely between its bytes.
#include "gen/oqx_internal.h"

namespace {

int s_kbyte(long k, int i) { return int(((unsigned long)k >> (8 * i)) & 0xFF); }

void s_need_memory(const OqxOperand &x) {
  if (x.kind != OQX_RAM && x.kind != OQX_STK)
    oqx_bad("wide operand neither a variable nor a frame slot");
}

void s_load(OqxEmit &e, const OqxOperand &a, int i) { oqx_fd(e, MOVF, oqx_src(e, a, i), DEST_W); }

void s_store(OqxEmit &e, const OqxOperand &d, int i) {
  oqx_f(e, MOVWF, oqx_dst(e, d, i));
  oqx_dst_end(e, d);
}

// d byte j := s byte i without touching WREG or the flags.
void s_move_keep_w(OqxEmit &e, const OqxOperand &s, int i, const OqxOperand &d, int j) {
  if (s.kind == OQX_STK && d.kind == OQX_STK) {
    oqx_inst(e, iqx_MOVSS(s.offset + i));
    oqx_inst(e, iqx_MOVSS2(s.offset + i, d.offset + j));
  } else if (s.kind == OQX_STK) {
    oqx_inst(e, iqx_MOVSF(s.offset + i));
    oqx_inst(e, iqx_MOVSF2(s.offset + i, d.sym, d.offset + j));
  } else if (d.kind == OQX_STK) {
    // No instruction moves a file register into a frame slot without WREG.
    oqx_bad("byte move into a frame slot that keeps WREG");
  } else {
    oqx_movff(e, s.sym, s.offset + i, d.sym, d.offset + j);
  }
}

// Through WREG when the destination is a frame slot, else with MOVFF/MOVSF.
void s_move(OqxEmit &e, const OqxOperand &s, int i, const OqxOperand &d, int j) {
  if (d.kind == OQX_STK && s.kind != OQX_STK) {
    s_load(e, s, i);
    oqx_f(e, MOVWF, oqx_dst(e, d, j));
  } else {
    s_move_keep_w(e, s, i, d, j);
  }
}

// WREG := 0, or 0xFF when bit 7 of x's byte i is set.
void s_sign_to_w(OqxEmit &e, const OqxOperand &x, int i) {
  oqx_inst(e, iqx_MOVLW(0));
  oqx_fbit(e, BTFSC, oqx_src(e, x, i), 7);
  oqx_inst(e, iqx_MOVLW(0xFF));
}

}  // namespace

ocode *oqxcopLong(int32_t cop, const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, int n, long line,
                  const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, b, d});
  for (int i = 0; i < n; ++i) {
    s_load(e, a, i);
    oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_src(e, b, i), DEST_W);
    s_store(e, d, i);
  }
  return e.list;
}

ocode *oqxcopLong_Iconst(int32_t cop, const OqxOperand &a, long k, const OqxOperand &d, int n, long line,
                         const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, d});
  bool carry = false;  // an addition has begun: the following bytes add the carry
  for (int i = 0; i < n; ++i) {
    int kb = s_kbyte(k, i);
    bool identity = cop == B_AND ? kb == 0xFF : kb == 0;
    if (cop == B_ADD && carry) {
      oqx_inst(e, iqx_MOVLW(kb));
      oqx_fd(e, ADDWFC, oqx_src(e, a, i), DEST_W);
    } else if ((cop == B_AND && kb == 0) || (cop == B_OR && kb == 0xFF)) {
      oqx_f(e, kb ? SETF : CLRF, oqx_dst(e, d, i));
      oqx_dst_end(e, d);
      continue;
    } else if (identity) {
      if (oqx_same(a, d))
        continue;
      s_load(e, a, i);
    } else if (cop == B_XOR && kb == 0xFF) {
      oqx_fd(e, COMF, oqx_src(e, a, i), DEST_W);
    } else {
      s_load(e, a, i);
      oqx_inst(e, iqx_opLW(oqx_cop_lw(cop), kb));
      carry = cop == B_ADD;
    }
    s_store(e, d, i);
  }
  return e.list;
}

ocode *oqxSUBLong(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, int n, long line,
                  const char *file) {
  s_need_memory(a);
  OqxEmit e = oqx_begin(line, file, {a, b, d});
  for (int i = 0; i < n; ++i) {
    s_load(e, b, i);
    oqx_fd(e, i ? SUBWFB : SUBWF, oqx_src(e, a, i), DEST_W);
    s_store(e, d, i);
  }
  return e.list;
}

ocode *oqxSUBLongFrom_Iconst(long k, const OqxOperand &b, const OqxOperand &d, int n, long line,
                             const char *file) {
  s_need_memory(b);
  OqxEmit e = oqx_begin(line, file, {b, d});
  oqx_fbit(e, BSF, oqx_reg(STATUSsym), 0);  // no borrow into the low byte
  for (int i = 0; i < n; ++i) {
    oqx_inst(e, iqx_MOVLW(s_kbyte(k, i)));
    oqx_fd(e, SUBFWB, oqx_src(e, b, i), DEST_W);
    s_store(e, d, i);
  }
  return e.list;
}

ocode *oqxComLong(const OqxOperand &a, const OqxOperand &d, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, d});
  for (int i = 0; i < n; ++i) {
    if (oqx_same(a, d)) {
      oqx_fd(e, COMF, oqx_src(e, a, i), DEST_F);
      continue;
    }
    oqx_fd(e, COMF, oqx_src(e, a, i), DEST_W);
    s_store(e, d, i);
  }
  return e.list;
}

ocode *oqxcopLongA(int32_t cop, const OqxOperand &x, const OqxOperand &y, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x, y});
  for (int i = 0; i < n; ++i) {
    s_load(e, y, i);
    oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_src(e, x, i), DEST_F);
  }
  return e.list;
}

ocode *oqxSUBLongA(const OqxOperand &x, const OqxOperand &y, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x, y});
  for (int i = 0; i < n; ++i) {
    s_load(e, y, i);
    oqx_fd(e, i ? SUBWFB : SUBWF, oqx_src(e, x, i), DEST_F);
  }
  return e.list;
}

ocode *oqxcopLongA_Iconst(int32_t cop, const OqxOperand &x, long k, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  bool through = x.kind == OQX_FSR0;  // every byte is reached once, in order
  bool carry = false;
  for (int i = 0; i < n; ++i) {
    int kb = s_kbyte(k, i);
    if (cop == B_ADD) {
      if (!carry && kb == 0 && !through)
        continue;
      oqx_inst(e, iqx_MOVLW(kb));
      oqx_fd(e, carry ? ADDWFC : ADDWF, oqx_src(e, x, i), DEST_F);
      carry = true;
    } else if ((cop == B_AND && kb == 0) || (cop == B_OR && kb == 0xFF)) {
      oqx_f(e, kb ? SETF : CLRF, oqx_src(e, x, i));
    } else if (cop == B_XOR && kb == 0xFF) {
      oqx_fd(e, COMF, oqx_src(e, x, i), DEST_F);
    } else if (cop == B_AND ? kb == 0xFF : kb == 0) {
      if (through)
        oqx_fd(e, MOVF, oqx_src(e, x, i), DEST_F);
    } else {
      oqx_inst(e, iqx_MOVLW(kb));
      oqx_fd(e, oqx_cop_wf(cop, false), oqx_src(e, x, i), DEST_F);
    }
  }
  return e.list;
}

ocode *oqxIncDecLong(const OqxOperand &x, bool increment, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  oqx_fd(e, increment ? INCF : DECF, oqx_src(e, x, 0), DEST_F);
  oqx_inst(e, iqx_MOVLW(0));
  for (int i = 1; i < n; ++i)
    oqx_fd(e, increment ? ADDWFC : SUBWFB, oqx_src(e, x, i), DEST_F);
  return e.list;
}

ocode *oqxSHLLongA_Iconst(const OqxOperand &x, int c, int n, long line, const char *file) {
  s_need_memory(x);
  OqxEmit e = oqx_begin(line, file, {x});
  int k = c / 8 < n ? c / 8 : n, m = c / 8 < n ? c % 8 : 0;
  for (int i = n - 1; i >= k; --i)
    s_move(e, x, i - k, x, i);
  for (int i = 0; i < k; ++i)
    oqx_f(e, CLRF, oqx_src(e, x, i));
  for (int r = 0; r < m; ++r) {
    oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
    for (int i = k; i < n; ++i)
      oqx_fd(e, RLCF, oqx_src(e, x, i), DEST_F);
  }
  return e.list;
}

ocode *oqxSHRLongA_Iconst(const OqxOperand &x, int c, bool is_signed, int n, long line, const char *file) {
  s_need_memory(x);
  OqxEmit e = oqx_begin(line, file, {x});
  int k = c / 8 < n ? c / 8 : n, m = c / 8 < n ? c % 8 : 0;
  if (k > 0) {
    if (is_signed)
      s_sign_to_w(e, x, n - 1);
    for (int i = 0; i + k < n; ++i)
      s_move_keep_w(e, x, i + k, x, i);
    for (int i = n - k; i < n; ++i) {
      if (is_signed)
        oqx_f(e, MOVWF, oqx_src(e, x, i));
      else
        oqx_f(e, CLRF, oqx_src(e, x, i));
    }
  }
  for (int r = 0; r < m; ++r) {
    if (is_signed)
      oqx_fd(e, RLCF, oqx_src(e, x, n - 1 - k), DEST_W);  // C := the sign
    else
      oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
    for (int i = n - 1 - k; i >= 0; --i)
      oqx_fd(e, RRCF, oqx_src(e, x, i), DEST_F);
  }
  return e.list;
}

// The loop: the count in WREG taken modulo 32, plus one, and a jump into
// the count-down; each turn shifts every byte by one through the carry.
// Every forward branch lands inside the sequence, so code inserted after it
// (the saves before a call) is never jumped over.
static ocode *s_shift_loop(const OqxOperand &x, bool left, bool is_signed, int n, long line, const char *file) {
  s_need_memory(x);
  OqxEmit e = oqx_begin(line, file, {x});
  if (x.kind == OQX_RAM && x.banked) {  // selected once, before the loop
    oqx_inst(e, iqx_BANKSEL(x.sym, x.offset));
    e.bank_sym = x.sym;
  }
  OqxEmit body = e;
  body.list = nullptr;
  oqx_fbit(body, BCF, oqx_reg(STATUSsym), 0);
  if (is_signed) {
    oqx_fbit(body, BTFSC, oqx_src(body, x, n - 1), 7);
    oqx_fbit(body, BSF, oqx_reg(STATUSsym), 0);
  }
  for (int j = 0; j < n; ++j)
    oqx_fd(body, left ? RLCF : RRCF, oqx_src(body, x, left ? j : n - 1 - j), DEST_F);
  long turn = 0;
  for (const ocode *oc = body.list; oc; oc = oc->next)
    if (ocode_is_counted(oc))
      turn++;
  oqx_inst(e, iqx_ANDLW(0x1F));
  oqx_inst(e, iqx_ADDLW(1));
  oqx_node(e, objBranchLiteral(turn + 1, line, file));
  oqx_node(e, body.list);
  oqx_fd(e, DECF, oqx_reg(WREGsym), DEST_F);
  oqx_node(e, objBNZLiteral(-(turn + 1), line, file));
  return e.list;
}

ocode *oqxSHLLongA(const OqxOperand &x, int n, long line, const char *file) {
  return s_shift_loop(x, true, false, n, line, file);
}

ocode *oqxSHRLongA(const OqxOperand &x, bool is_signed, int n, long line, const char *file) {
  return s_shift_loop(x, false, is_signed, n, line, file);
}
