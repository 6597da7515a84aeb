#!/usr/bin/env python3
"""Writes the execution suites arith_{u,s}{24,32}.c: every operator of
short long and long at boundary values, on globals, on parameters and
locals in the frame, with constant right operands and as compound
assignments; shifts by constant and variable counts; comparisons; unary
minus, complement, not; increments. The expected results are computed here
with the target's wrap-around arithmetic (division truncating toward zero;
an unsigned x / 0 gives every bit set and x % 0 gives x).

Usage: arith_wide.py OUTDIR"""
import sys

TYPES = {  # name: (C type, bits, signed)
    'u24': ('unsigned short long', 24, False), 's24': ('short long', 24, True),
    'u32': ('unsigned long', 32, False), 's32': ('long', 32, True),
}


def wrap(v, bits, signed):
    v &= (1 << bits) - 1
    if signed and v >> (bits - 1):
        v -= 1 << bits
    return v


def lit(v, bits, signed):
    """A constant of the type: the bit pattern as an unsigned long, cast."""
    ctype = TYPES[('s' if signed else 'u') + str(bits)][0]
    return '((%s)0x%Xul)' % (ctype, v & ((1 << bits) - 1))


def divide(a, b, bits, signed):
    if b == 0:
        return None
    q = abs(a) // abs(b)
    if (a < 0) != (b < 0):
        q = -q
    return wrap(q, bits, signed), wrap(a - q * b, bits, signed)


def expect(op, a, b, bits, signed):
    if op in '/%':
        if b == 0:
            if signed:
                return None
            return (1 << bits) - 1 if op == '/' else a
        q, r = divide(a, b, bits, signed)
        return q if op == '/' else r
    val = {'+': a + b, '-': a - b, '*': a * b, '&': a & b, '|': a | b, '^': a ^ b}[op]
    return wrap(val, bits, signed)


def values(bits, signed):
    top = 1 << bits
    if signed:
        lo, hi = -(top >> 1), (top >> 1) - 1
        return [(0, 1), (hi, 1), (lo, -1), (-1, -1), (lo, hi), (-300, 7), (12345, -256), (0x123456 if bits == 32 else 0x12345, 0x10000), (1000, 0)]
    return [(0, 1), (top - 1, 1), (top >> 1, 16), (top - 2, top - 1), (0x12345 if bits == 24 else 0x12345678, 0x100), (1000, 3), (300, top - 1), (1000, 0)]


def suite(name):
    ctype, bits, signed = TYPES[name]
    L = lambda v: lit(v, bits, signed)
    out = []
    w = out.append
    w('/* %s arithmetic at boundary values: every operator on globals, on' % ctype)
    w('   parameters and locals in the frame, with constant right operands, and')
    w('   as compound assignments; shifts by constant and variable counts;')
    w('   comparisons, unary operators and increments. Written by')
    w('   tests/exec/gen/arith_wide.py, which computed the expected results. */')
    w('// exec-compile: -p HR6810K')
    w('// exec-link: -p HR6810K')
    w('#include "check.h"\n')
    w('%s ga, gb, gr;' % ctype)
    w('unsigned char gn;\n')
    ops = [('add', '+'), ('sub', '-'), ('mul', '*'), ('and', '&'), ('or', '|'), ('xor', '^'), ('div', '/'), ('mod', '%')]
    for fn, op in ops:
        w('static %s %s_%s(%s a, %s b) { %s r; r = a %s b; return r; }' % (ctype, fn, name, ctype, ctype, ctype, op))
        w('static %s %sa_%s(%s a, %s b) { a %s= b; return a; }' % (ctype, fn, name, ctype, ctype, op))
    w('static %s shl_%s(%s a, unsigned char n) { return a << n; }' % (ctype, name, ctype))
    w('static %s shr_%s(%s a, unsigned char n) { %s r; r = a; r >>= n; return r; }' % (ctype, name, ctype, ctype))
    w('static unsigned char cmp_%s(%s a, %s b) { unsigned char m; m = 0; if (a < b) m |= 1; if (a > b) m |= 2; if (a <= b) m |= 4; if (a >= b) m |= 8; if (a == b) m |= 16; if (a != b) m |= 32; return m; }' % (name, ctype, ctype))
    w('')
    w('int main(void)\n{')
    w('  %s la, lb, lr;' % ctype)
    for a, b in values(bits, signed):
        a, b = wrap(a, bits, signed), wrap(b, bits, signed)
        w('  ga = %s; gb = %s; la = ga; lb = gb;' % (L(a), L(b)))
        for fn, op in ops:
            e = expect(op, a, b, bits, signed)
            if e is None:
                continue
            E = L(e)
            w('  gr = ga %s gb; CHECK(gr == %s); gr = ga; gr %s= gb; CHECK(gr == %s); lr = la %s lb; CHECK(lr == %s); CHECK(%s_%s(ga, gb) == %s); CHECK(%sa_%s(la, lb) == %s);'
              % (op, E, op, E, op, E, fn, name, E, fn, name, E))
            if b != 0 or not signed:
                w('  gr = ga %s %s; CHECK(gr == %s); lr = la; lr %s= %s; CHECK(lr == %s);' % (op, L(b), E, op, L(b), E))
        m = (a < b) | (a > b) << 1 | (a <= b) << 2 | (a >= b) << 3 | (a == b) << 4 | (a != b) << 5
        w('  CHECK(cmp_%s(ga, gb) == %d); CHECK((ga < gb) == %d); CHECK((la >= lb) == %d); CHECK((ga == %s) == 1);'
          % (name, m, int(a < b), int(a >= b), L(a)))
        w('  gr = -ga; CHECK(gr == %s); lr = ~la; CHECK(lr == %s); CHECK(!ga == %d); CHECK((ga && gb) == %d); CHECK((ga || gb) == %d);'
          % (L(wrap(-a, bits, signed)), L(wrap(~a, bits, signed)), int(a == 0), int(a != 0 and b != 0), int(a != 0 or b != 0)))
        w('  gr = ga; gr++; CHECK(gr == %s); ++gr; --gr; gr--; gr--; CHECK(gr == %s); lr = la; CHECK(lr++ == %s); CHECK(lr == %s);'
          % (L(wrap(a + 1, bits, signed)), L(wrap(a - 1, bits, signed)), L(a), L(wrap(a + 1, bits, signed))))
    counts = [0, 1, 4, 7, 8, 9, 12, 15, 16, 17, 20, 23] + ([24, 25, 31] if bits == 32 else [])
    shvals = [1, -1, 0x5A5A5A, -0x123456] if signed else [1, (1 << bits) - 1, 0x5A5A5A, 0x800001]
    for a in shvals:
        a = wrap(a, bits, signed)
        w('  ga = %s; la = ga;' % L(a))
        for n in counts:
            l = wrap(a << n, bits, signed)
            r = wrap(a >> n, bits, signed) if signed else a >> n
            w('  gn = %d; gr = ga << %d; CHECK(gr == %s); gr = ga >> %d; CHECK(gr == %s); gr = ga << gn; CHECK(gr == %s); gr = ga; gr >>= gn; CHECK(gr == %s); lr = la; lr <<= %d; CHECK(lr == %s); CHECK(shl_%s(la, gn) == %s); CHECK(shr_%s(la, gn) == %s);'
              % (n, n, L(l), n, L(r), L(l), L(r), n, L(l), name, L(l), name, L(r)))
    w('  return CHECK_RESULT();\n}')
    return '\n'.join(out) + '\n'


if __name__ == '__main__':
    outdir = sys.argv[1] if len(sys.argv) > 1 else '.'
    for name in TYPES:
        with open('%s/arith_%s.c' % (outdir, name), 'w') as f:
            f.write(suite(name))
