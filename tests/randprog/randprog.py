#!/usr/bin/env python3
"""Seeded random C programs for the execution tests, and a host model of the
target's integer arithmetic that predicts what they compute.

In: a seed and whether integer promotion is on (-Oi+). Out: a self-checking
C program over char, int, short long and long of both signednesses, arrays
and pointers (assignments, compound assignments, also to targets whose
address has a side effect, increments, conditional expressions, if/else,
counted loops and calls of small functions), a structure with two bit-fields
(a global and a local instance and a pointer to either: members as operands
and targets, structure assignment), a rom table of ints indexed by a
variable, and floats (whose values the model keeps as fractions: only
steps whose result a float holds exactly are drawn, so no rounding is
involved; comparisons and conversions to and from the integer types), that
ends with one CHECK per variable against the value the model computed, and
returns CHECK_RESULT().

The model follows the compiler's rules: int is 16 bits, short long 24 and
long 32, each wrapping; char is 8 bits, plain char signed; small constants
are chars (0..127 signed, 128..255 unsigned, written in hexadecimal: a
decimal 200 is an int), larger ones int (..32767), unsigned int (with a u),
short long (..8388607), unsigned short long (with a U) or long and unsigned
long (written in hexadecimal with UL; upper case, so that a constant reads
as one). Without promotion an
operator on two chars works in 8 bits: the usual conversions pick the wider
type, an unsigned type over a signed one of the same size, and a signed
type when it is wider. A shift works in the (promoted) type of its left
operand. Truth values are char without promotion, int with it. No operator
has only constant operands: the translator folds those (tests/exec/c/fold_char.c
checks the folding against the same operations at run time).
Nothing the
program does is left undefined on the target: no division by zero, no
quotient that overflows, no shift by the width or more; an expression whose
value would be one of those is drawn again.

usage: randprog.py SEED [--promote] [--trace] [-o FILE]"""
import argparse
import copy
import random
import re
import struct
import sys
from fractions import Fraction

S8, U8, S16, U16 = ("s", 8), ("u", 8), ("s", 16), ("u", 16)
S24, U24, S32, U32 = ("s", 24), ("u", 24), ("s", 32), ("u", 32)
C_NAMES = {S8: "signed char", U8: "unsigned char", S16: "int", U16: "unsigned int",
           S24: "short long", U24: "unsigned short long", S32: "long", U32: "unsigned long"}
TYPES = [S8, U8, S16, U16, S24, U24, S32, U32]


def is_constant(text):
    """True when an expression names no variable, parameter or function: the
    translator folds such expressions itself (see the file's comment)."""
    return re.search(r"[a-z_]{2,}|[a-z]\d", text) is None


# struct rec: name, type, bit-field width (None for a whole member). The two
# fields share one byte; the members around them are of every width.
MEMBERS = [("a", S8, None), ("b", U16, None), ("d", U8, 3), ("e", S8, 4), ("g", U24, None), ("h", S32, None)]
ROM_SIZE = 8
FLOAT_VARS = ["x0", "x1", "xl"]      # xl is local to main
FLOAT_STEPS = [Fraction(n, 4) for n in (-12, -8, -6, -4, -2, -1, 1, 2, 3, 4, 6, 8, 10, 12)]


def float_exact(v):
    """True when the fraction v is a single float exactly (and not tiny)."""
    if v == 0:
        return True
    d = v.denominator
    if d & (d - 1):
        return False
    n = abs(v.numerator)
    while n % 2 == 0:
        n //= 2
    return n.bit_length() <= 24 and abs(v) < 2 ** 60 and d <= 2 ** 20


def float_text(v):
    """A float constant of value v (exact), e.g. 2.25f or -(0.5f)."""
    text = repr(float(abs(v)))
    return f"{text}f" if v >= 0 else f"-{text}f"


def float_bits(v):
    return struct.unpack(">I", struct.pack(">f", float(v)))[0]


def float_check(name, v):
    """A float holds v: by its encoding, except 0 (which may be -0)."""
    if v == 0:
        return f"CHECK({name} == 0.0f);"
    return f"CHECK(*(unsigned long *)&{name} == 0x{float_bits(v):X}UL);"


def field_wrap(t, bits, v):
    """v stored in a member of type t (a bit-field of `bits` bits when set)."""
    if bits is None:
        return wrap(t, v)
    return wrap((t[0], bits), v)


class Undefined(Exception):
    """The expression would do something the target leaves undefined."""


def wrap(t, v):
    v &= (1 << t[1]) - 1
    if t[0] == "s" and v >= 1 << (t[1] - 1):
        v -= 1 << t[1]
    return v


def const_type(v):
    for limit, t in ((127, S8), (255, U8), (32767, S16), (65535, U16), (0x7FFFFF, S24), (0xFFFFFF, U24),
                     (0x7FFFFFFF, S32)):
        if v <= limit:
            return t
    return U32


def const_text(v):
    """The constant written so that the scanner gives it const_type(v)."""
    t = const_type(v)
    if t == U8:  # a decimal 128..255 is an int; in hexadecimal it is an unsigned char
        return hex(v)
    if t == U16:
        return f"{v}u"
    if t == U24:
        return f"{v}U"
    if t == U32:
        return f"0x{v:X}UL"
    return str(v)


def check_line(name, t, v):
    """A CHECK of a variable (or element) of type t against the model's value."""
    if t[1] > 16:
        return f"CHECK((unsigned long){name} == 0x{v & 0xFFFFFFFF:X}UL);"
    return f"CHECK((unsigned int){name} == {v & 0xFFFF}u);"


class Model:
    def __init__(self, promote):
        self.promote = promote

    def promoted(self, t):
        return S16 if self.promote and t[1] == 8 else t

    def truth(self):
        return S16 if self.promote else S8

    def usual(self, a, b):
        a, b = self.promoted(a), self.promoted(b)
        if a == b:
            return a
        if a[0] == b[0]:
            return a if a[1] > b[1] else b
        s, u = (a, b) if a[0] == "s" else (b, a)
        return u if u[1] >= s[1] else s

    def binary(self, op, lt, lv, rt, rv):
        """Type and value of lv op rv."""
        if op in ("<<", ">>"):
            t = self.promoted(lt)
            n = rv & 0xFF
            if n >= t[1]:
                raise Undefined()
            x = wrap(t, lv)
            return t, wrap(t, x << n) if op == "<<" else wrap(t, x >> n)
        if op in ("&&", "||"):
            r = (lv != 0 and rv != 0) if op == "&&" else (lv != 0 or rv != 0)
            return self.truth(), int(r)
        t = self.usual(lt, rt)
        x, y = wrap(t, lv), wrap(t, rv)
        if op in ("==", "!=", "<", ">", "<=", ">="):
            r = {"==": x == y, "!=": x != y, "<": x < y, ">": x > y, "<=": x <= y, ">=": x >= y}[op]
            return self.truth(), int(r)
        if op in ("/", "%"):
            if y == 0:
                raise Undefined()
            q = abs(x) // abs(y)
            if (x < 0) != (y < 0):
                q = -q
            if t[0] == "s" and q == 1 << (t[1] - 1):
                raise Undefined()
            return t, wrap(t, q if op == "/" else x - q * y)
        v = {"+": x + y, "-": x - y, "*": x * y, "&": x & y, "|": x | y, "^": x ^ y}[op]
        return t, wrap(t, v)

    def unary(self, op, t, v):
        if op == "!":
            return self.truth(), int(v == 0)
        t = self.promoted(t)
        return t, wrap(t, -v if op == "-" else ~v)


class Generator:
    VARS = [("c0", S8), ("c1", S8), ("c2", S8), ("u0", U8), ("u1", U8), ("u2", U8),
            ("i0", S16), ("i1", S16), ("i2", S16), ("w0", U16), ("w1", U16), ("w2", U16),
            ("s0", S24), ("s1", S24), ("t0", U24), ("t1", U24),
            ("l0", S32), ("l1", S32), ("m0", U32), ("m1", U32)]
    BIN = ["+", "-", "*", "&", "|", "^", "/", "%", "<<", ">>", "==", "!=", "<", ">", "<=", ">=", "&&", "||"]
    SAFE_BIN = [op for op in BIN if op not in ("/", "%")]

    def __init__(self, seed, promote):
        self.rng = random.Random(seed)
        self.m = Model(promote)
        self.env = {}
        self.arr = [0] * 8            # unsigned char arr[8]
        self.iarr = [0] * 4           # int iarr[4]
        self.larr = [0] * 3           # long larr[3]; pl points at larr[1]
        self.lines = []
        self.funcs = []
        self.safe = False             # no operator whose definedness depends on values
        self.trace = False            # a check after every statement that runs
        self.skipping = 0             # inside a block that never runs
        # struct rec gs (global), ls (local to main), ps points at one of them;
        # rom int rtab[8]; floats x0, x1 (global) and xl (local).
        self.st = {"gs": {m: 0 for m, _, _ in MEMBERS}, "ls": {m: 0 for m, _, _ in MEMBERS}, "ps": "gs",
                   "f": {f: Fraction(0) for f in FLOAT_VARS}}
        self.rom = [wrap(S16, self.rng.randrange(65536)) for _ in range(ROM_SIZE)]

    # --- expressions: each returns (text, type, value) -------------------------
    def leaf(self, env):
        r = self.rng.random()
        if r < 0.45:
            name, t = self.rng.choice(self.scope_vars(env))
            return name, t, env[name]
        if r < 0.6:
            k = self.rng.randrange(8)
            return f"arr[{k}]", U8, self.arr[k]
        if r < 0.7 and env is self.env:
            k = self.rng.randrange(4)
            return f"iarr[{k}]", S16, self.iarr[k]
        if r < 0.75 and env is self.env:
            return "*pc", U8, self.arr[3]
        if r < 0.8 and env is self.env:
            k = self.rng.randrange(3)
            if k == 1 and self.rng.random() < 0.5:
                return "*pl", S32, self.larr[1]
            return f"larr[{k}]", S32, self.larr[k]
        if r < 0.88 and env is self.env:
            text, target, m, t, _ = self.member()
            return text, t, self.st[target][m]
        if r < 0.91 and env is self.env:
            name, _ = self.rng.choice(self.VARS)
            return f"rtab[{name} & {ROM_SIZE - 1}]", S16, self.rom[self.env[name] & (ROM_SIZE - 1)]
        v = self.rng.choice([0, 1, 2, 3, 7, 8, 15, 16, 100, 127, 128, 200, 255, 256, 1000, 4095,
                             30000, 32767, 32768, 40000, 65535, 65536, 100000, 0x7FFFFF, 0x800000,
                             0xFFFFFF, 0x1000000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                             self.rng.randrange(256), self.rng.randrange(65536),
                             self.rng.randrange(1 << 24), self.rng.randrange(1 << 32)])
        return const_text(v), const_type(v), v

    def member(self):
        """A member of gs, ls or *ps: its text, the instance it lives in, its
        name, type and bit-field width."""
        m, t, bits = self.rng.choice(MEMBERS)
        form = self.rng.choice(["gs", "ls", "ps"])
        if form == "ps":
            return f"ps->{m}", self.st["ps"], m, t, bits
        return f"{form}.{m}", form, m, t, bits

    # --- floats: values are fractions that a float holds exactly -------------
    def float_expr(self, depth):
        """(text, value) of a float expression whose every step is exact."""
        r = self.rng.random()
        if depth <= 0 or r < 0.35:
            name = self.rng.choice(FLOAT_VARS)
            return name, self.st["f"][name]
        if r < 0.5:
            text, t, v = self.expr(depth - 1, self.env)
            if is_constant(text) or not float_exact(Fraction(v)):
                raise Undefined()
            return f"(float)({text})", Fraction(v)
        op = self.rng.choice(["+", "-", "*"])
        ltext, lv = self.float_expr(depth - 1)
        if op == "*" or self.rng.random() < 0.3:
            k = self.rng.choice(FLOAT_STEPS)
            rtext, rv = float_text(k), k
        else:
            rtext, rv = self.float_expr(depth - 1)
        v = lv + rv if op == "+" else lv - rv if op == "-" else lv * rv
        if not float_exact(v):
            raise Undefined()
        if op != "*" and self.rng.random() < 0.3:
            ltext, rtext = rtext, ltext
            v = v if op == "+" else -v
        return f"({ltext} {op} {rtext})", v

    def float_to_int(self, depth):
        """A comparison of two floats, or a float converted to an integer type
        (drawn again when the truncated value is out of the type's range)."""
        ltext, lv = self.float_expr(depth - 1)
        if self.rng.random() < 0.4:
            op = self.rng.choice(["==", "!=", "<", ">", "<=", ">="])
            rtext, rv = self.float_expr(depth - 1)
            r = {"==": lv == rv, "!=": lv != rv, "<": lv < rv, ">": lv > rv, "<=": lv <= rv, ">=": lv >= rv}[op]
            return f"({ltext} {op} {rtext})", self.m.truth(), int(r)
        t = self.rng.choice(TYPES)
        n = int(lv)                   # truncation toward zero
        if n != wrap(t, n):
            raise Undefined()
        return f"({C_NAMES[t]})({ltext})", t, n

    def scope_vars(self, env):
        return [(n, t) for n, t in env.get("__vars__", self.VARS)]

    def expr(self, depth, env):
        for _ in range(20):
            try:
                return self.try_expr(depth, env)
            except Undefined:
                continue
        return self.leaf_var(env)

    def leaf_var(self, env):
        name, t = self.scope_vars(env)[0]
        return name, t, env[name]

    def try_expr(self, depth, env):
        r = self.rng.random()
        if depth <= 0 or r < 0.2:
            return self.leaf(env)
        if r < 0.3:
            op = self.rng.choice(["-", "~", "!"])
            text, t, v = self.expr(depth - 1, env)
            if is_constant(text):
                raise Undefined()
            rt, rv = self.m.unary(op, t, v)
            return f"{op}({text})", rt, rv
        if r < 0.38:
            ct = self.rng.choice(TYPES)
            text, t, v = self.expr(depth - 1, env)
            if is_constant(text):
                raise Undefined()
            return f"({C_NAMES[ct]})({text})", ct, wrap(ct, v)
        if r < 0.45 and self.funcs and env is self.env:
            return self.call(depth, env)
        if r < 0.52:
            return self.conditional(depth, env)
        if r < 0.58 and env is self.env and not self.safe:
            return self.float_to_int(depth)
        op = self.rng.choice(self.SAFE_BIN if self.safe else self.BIN)
        lt_, lty, lv = self.expr(depth - 1, env)
        if op in ("<<", ">>") and is_constant(lt_):
            raise Undefined()
        if op in ("<<", ">>"):
            width = self.m.promoted(lty)[1]
            if self.rng.random() < 0.5:
                n = self.rng.randrange(width)
                rtext, rty, rv = str(n), S8, n
            else:
                name, t = self.rng.choice(self.scope_vars(env))
                mask = width - 1
                rtext, rty, rv = f"({name} & {mask})", U8, env[name] & mask
        else:
            rtext, rty, rv = self.expr(depth - 1, env)
            if is_constant(lt_) and is_constant(rtext):
                raise Undefined()
        t, v = self.m.binary(op, lty, lv, rty, rv)
        return f"({lt_} {op} {rtext})", t, v

    def conditional(self, depth, env):
        """c ? a : b in the type of the usual conversions of a and b; only
        the chosen arm's value counts (neither arm may be undefined)."""
        ctext, _, cv = self.expr(depth - 1, env)
        if is_constant(ctext):
            raise Undefined()
        atext, at, av = self.expr(depth - 1, env)
        btext, bt, bv = self.expr(depth - 1, env)
        t = self.m.usual(at, bt)
        return f"({ctext} ? {atext} : {btext})", t, wrap(t, av if cv != 0 else bv)

    def call(self, depth, env):
        name, params, ret, body = self.rng.choice(self.funcs)
        args, local = [], {"__vars__": params}
        for pname, pt in params:
            text, t, v = self.expr(depth - 1, env)
            args.append(text)
            local[pname] = wrap(pt, v)
        _, bt, bv = body
        value = wrap(ret, self.eval_body(body, local))
        return f"{name}({', '.join(args)})", ret, value

    def eval_body(self, body, local):
        return body[2](local)

    # --- functions: a body is an expression over the parameters ---------------
    def make_function(self, index):
        params = [(f"p{k}", self.rng.choice(TYPES)) for k in range(self.rng.randrange(1, 4))]
        ret = self.rng.choice(TYPES)
        # The body is drawn once as text; its value for given arguments is
        # computed by replaying the same random choices on the argument values.
        state = self.rng.getstate()
        sample = {"__vars__": params}
        for pname, pt in params:
            sample[pname] = 0
        self.safe = True
        text, _, _ = self.expr(3, sample)
        self.safe = False

        def value(local, state=state):
            saved, was_safe = self.rng.getstate(), self.safe
            self.rng.setstate(state)
            self.safe = True
            _, _, v = self.expr(3, local)
            self.rng.setstate(saved)
            self.safe = was_safe
            return v
        name = f"f{index}"
        decl = ", ".join(f"{C_NAMES[pt]} {pn}" for pn, pt in params)
        self.funcs.append((name, params, ret, (text, None, value)))
        return f"static {C_NAMES[ret]} {name}({decl})\n{{\n  return {text};\n}}\n"

    # --- statements -------------------------------------------------------------
    def emit(self, indent, text):
        self.lines.append("  " * indent + text)

    def assign(self, indent):
        before = (dict(self.env), list(self.arr), list(self.iarr), list(self.larr), copy.deepcopy(self.st))
        if self.rng.random() < 0.3:
            self.assign_aggregate(indent)
        else:
            self.assign_one(indent)
        if self.trace and not self.skipping:
            self.check_changes(indent, before)

    def check_changes(self, indent, before):
        for name, t in self.VARS:
            if self.env[name] != before[0][name]:
                self.emit(indent, check_line(name, t, self.env[name]))
        for k in range(8):
            if self.arr[k] != before[1][k]:
                self.emit(indent, f"CHECK(arr[{k}] == {self.arr[k]});")
        for k in range(4):
            if self.iarr[k] != before[2][k]:
                self.emit(indent, f"CHECK((unsigned int)iarr[{k}] == {self.iarr[k] & 0xFFFF}u);")
        for k in range(3):
            if self.larr[k] != before[3][k]:
                self.emit(indent, check_line(f"larr[{k}]", S32, self.larr[k]))
        for inst in ("gs", "ls"):
            for m, t, _ in MEMBERS:
                if self.st[inst][m] != before[4][inst][m]:
                    self.emit(indent, check_line(f"{inst}.{m}", t, self.st[inst][m]))
        for f in FLOAT_VARS:
            if self.st["f"][f] != before[4]["f"][f]:
                self.emit(indent, float_check(f, self.st["f"][f]))

    def assign_aggregate(self, indent):
        """An assignment to a member, a whole structure, ps or a float."""
        r = self.rng.random()
        if r < 0.1:
            a, b = self.rng.sample(["gs", "ls", "ps"], 2)
            src, dst = (self.st["ps"] if x == "ps" else x for x in (a, b))
            self.emit(indent, f"{'*ps' if b == 'ps' else b} = {'*ps' if a == 'ps' else a};")
            self.st[dst] = dict(self.st[src])
            return
        if r < 0.15:
            self.st["ps"] = self.rng.choice(["gs", "ls"])
            self.emit(indent, f"ps = &{self.st['ps']};")
            return
        if r < 0.55:
            text, inst, m, t, bits = self.member()
            etext, et, ev = self.expr(self.rng.randrange(1, 4), self.env)
            if r < 0.3:
                self.emit(indent, f"{text} = {etext};")
                self.st[inst][m] = field_wrap(t, bits, ev)
                return
            if r < 0.35:
                op = self.rng.choice(["++", "--"])
                self.emit(indent, f"{text}{op};")
                self.st[inst][m] = field_wrap(t, bits, self.st[inst][m] + (1 if op == "++" else -1))
                return
            result = self.compound(t, self.st[inst][m], etext, et, ev)
            if result is not None:
                op, etext, value = result
                self.emit(indent, f"{text} {op}= {etext};")
                self.st[inst][m] = field_wrap(t, bits, value)
            return
        for _ in range(20):
            try:
                self.assign_float(indent, self.rng.choice(FLOAT_VARS))
                return
            except Undefined:
                continue

    def assign_float(self, indent, name):
        r = self.rng.random()
        old = self.st["f"][name]
        if r < 0.2:
            text, t, v = self.expr(self.rng.randrange(1, 3), self.env)
            if is_constant(text) or not float_exact(Fraction(v)):
                raise Undefined()
            text, value = text, Fraction(v)
        elif r < 0.6:
            text, value = self.float_expr(self.rng.randrange(1, 4))
        elif r < 0.8:
            op = self.rng.choice(["+", "-"])
            text, v = self.float_expr(self.rng.randrange(1, 3))
            value = old + v if op == "+" else old - v
            name, text = f"{name} {op}", text
        else:
            k = self.rng.choice(FLOAT_STEPS)
            text, value = float_text(k), old * k
            name = f"{name} *"
        if not float_exact(value):
            raise Undefined()
        self.emit(indent, f"{name}= {text};" if name.endswith(("+", "-", "*")) else f"{name} = {text};")
        self.st["f"][name.split()[0]] = value

    def assign_one(self, indent):
        r = self.rng.random()
        text, t, v = self.expr(self.rng.randrange(1, 4), self.env)
        if r < 0.12:
            k = self.rng.randrange(8)
            self.emit(indent, f"arr[{k}] = {text};")
            self.arr[k] = wrap(U8, v)
            return
        if r < 0.2:
            k = self.rng.randrange(4)
            self.emit(indent, f"iarr[{k}] = {text};")
            self.iarr[k] = wrap(S16, v)
            return
        if r < 0.25:
            self.emit(indent, f"*pc = {text};")
            self.arr[3] = wrap(U8, v)
            return
        if r < 0.28:
            k = self.rng.randrange(3)
            self.emit(indent, f"larr[{k}] = {text};" if k != 1 or self.rng.random() < 0.5 else f"*pl = {text};")
            self.larr[k] = wrap(S32, v)
            return
        if r < 0.32:
            self.compound_through_address(indent, text, t, v)
            return
        name, vt = self.rng.choice(self.VARS)
        if r < 0.37:
            op = self.rng.choice(["++", "--"])
            self.emit(indent, f"{name}{op};" if self.rng.random() < 0.5 else f"{op}{name};")
            self.env[name] = wrap(vt, self.env[name] + (1 if op == "++" else -1))
            return
        if r < 0.55:
            result = self.compound(vt, self.env[name], text, t, v)
            if result is not None:
                op, text, value = result
                self.emit(indent, f"{name} {op}= {text};")
                self.env[name] = value
            return
        self.emit(indent, f"{name} = {text};")
        self.env[name] = wrap(vt, v)

    def compound(self, vt, old, text, t, v):
        """A compound operator, its right operand and the new value of a
        target of type vt holding old; None when it would be undefined."""
        op = self.rng.choice(["+", "-", "*", "&", "|", "^", "/", "%", "<<", ">>"])
        try:
            if op in ("<<", ">>"):
                n = self.rng.randrange(self.m.promoted(vt)[1])
                text, t, v = str(n), S8, n
            _, rv = self.m.binary(op, vt, old, t, v)
        except Undefined:
            return None
        return op, text, wrap(vt, rv)

    def compound_through_address(self, indent, text, t, v):
        """arr[k1++] op= e, iarr[k1--] op= e or *pd++ op= e: a target whose
        address has a side effect, evaluated once."""
        form = self.rng.randrange(3)
        if form == 2:
            k = self.rng.randrange(8)
            result = self.compound(U8, self.arr[k], text, t, v)
            if result is None:
                return
            op, text, value = result
            self.emit(indent, f"pd = &arr[{k}];")
            self.emit(indent, f"*pd++ {op}= {text};")
            self.emit(indent, f"CHECK(pd == &arr[{k + 1}]);")
            self.arr[k] = value
            return
        array, size, at = (self.arr, 8, U8) if form == 0 else (self.iarr, 4, S16)
        k = self.rng.randrange(size)
        result = self.compound(at, array[k], text, t, v)
        if result is None:
            return
        op, text, value = result
        step = self.rng.choice(["++", "--"])
        self.emit(indent, f"k1 = {k};")
        self.emit(indent, f"{'arr' if form == 0 else 'iarr'}[k1{step}] {op}= {text};")
        self.emit(indent, f"CHECK(k1 == {wrap(U8, k + (1 if step == '++' else -1))});")
        array[k] = value

    def block(self, indent, count):
        for _ in range(count):
            r = self.rng.random()
            if r < 0.12 and indent < 4:
                text, t, v = self.expr(2, self.env)
                self.emit(indent, f"if ({text}) {{")
                if v != 0:
                    self.block(indent + 1, self.rng.randrange(1, 4))
                    self.emit(indent, "}")
                else:
                    self.skip_block(indent + 1)
                    self.emit(indent, "} else {")
                    self.block(indent + 1, self.rng.randrange(1, 4))
                    self.emit(indent, "}")
            elif r < 0.2:
                self.loop(indent, self.rng.randrange(1, 5))
            else:
                self.assign(indent)

    def skip_block(self, indent):
        """A block that never runs: generated against a scratch model."""
        saved = (dict(self.env), list(self.arr), list(self.iarr), list(self.larr), copy.deepcopy(self.st))
        self.skipping += 1
        self.block(indent, self.rng.randrange(1, 3))
        self.skipping -= 1
        self.env, self.arr, self.iarr, self.larr = dict(saved[0]), list(saved[1]), list(saved[2]), list(saved[3])
        self.st = saved[4]

    def loop(self, indent, n):
        """for (k0 = 0; k0 < n; k0++) v op= expr; the expression is drawn once
        and modelled n times on the changing state (no division in it, so its
        definedness does not depend on the values)."""
        name, vt = self.rng.choice(self.VARS)
        op = self.rng.choice(["+", "-", "^", "|", "&", "*"])
        state = self.rng.getstate()
        self.safe = True
        text = None
        for _ in range(n):
            self.rng.setstate(state)
            text, t, v = self.expr(2, self.env)
            _, rv = self.m.binary(op, vt, self.env[name], t, v)
            self.env[name] = wrap(vt, rv)
        self.safe = False
        self.emit(indent, f"for (k0 = 0; k0 < {n}; k0++)")
        self.emit(indent + 1, f"{name} {op}= {text};")
        if self.trace and not self.skipping:
            self.emit(indent, check_line(name, vt, self.env[name]))

    def program(self, statements):
        out = ["// Random program: generated by tests/randprog/randprog.py.",
               '#include "check.h"', ""]
        for name, t in self.VARS:
            out.append(f"{C_NAMES[t]} {name};")
        out += ["unsigned char arr[8];", "int iarr[4];", "long larr[3];", "unsigned char *pc, *pd;", "long *pl;",
                "unsigned char k0, k1;",
                "struct rec {"] + [f"  {C_NAMES[t]} {m}{'' if b is None else f' : {b}'};" for m, t, b in MEMBERS] + [
                "};", "struct rec gs, *ps;", "float x0, x1;",
                f"rom int rtab[{ROM_SIZE}] = {{{', '.join(str(v) for v in self.rom)}}};", ""]
        for i in range(self.rng.randrange(1, 4)):
            out.append(self.make_function(i))
        for name, t in self.VARS:
            if t[1] > 16:
                v = wrap(t, self.rng.randrange(1 << 32))
                self.emit(1, f"{name} = 0x{v & ((1 << t[1]) - 1):X}UL;")
            else:
                v = wrap(t, self.rng.randrange(65536))
                self.emit(1, f"{name} = {v & ((1 << t[1]) - 1)}{'u' if t == U16 and v > 32767 else ''};")
            self.env[name] = v
        for k in range(8):
            self.arr[k] = self.rng.randrange(256)
            self.emit(1, f"arr[{k}] = {self.arr[k]};")
        for k in range(4):
            self.iarr[k] = wrap(S16, self.rng.randrange(65536))
            self.emit(1, f"iarr[{k}] = {self.iarr[k] & 0xFFFF}u;")
        for k in range(3):
            self.larr[k] = wrap(S32, self.rng.randrange(1 << 32))
            self.emit(1, f"larr[{k}] = 0x{self.larr[k] & 0xFFFFFFFF:X}UL;")
        self.emit(1, "pc = &arr[3];")
        self.emit(1, "pl = &larr[1];")
        for inst in ("gs", "ls"):
            for m, t, bits in MEMBERS:
                v = field_wrap(t, bits, self.rng.randrange(1 << 32))
                self.st[inst][m] = v
                self.emit(1, f"{inst}.{m} = 0x{v & ((1 << t[1]) - 1):X}UL;")
        self.st["ps"] = self.rng.choice(["gs", "ls"])
        self.emit(1, f"ps = &{self.st['ps']};")
        for f in FLOAT_VARS:
            v = Fraction(self.rng.randrange(-400, 400), 4)
            self.st["f"][f] = v
            self.emit(1, f"{f} = {float_text(v)};")
        self.block(1, statements)
        for name, t in self.VARS:
            self.emit(1, check_line(name, t, self.env[name]))
        for k in range(8):
            self.emit(1, f"CHECK(arr[{k}] == {self.arr[k]});")
        for k in range(4):
            self.emit(1, f"CHECK((unsigned int)iarr[{k}] == {self.iarr[k] & 0xFFFF}u);")
        for k in range(3):
            self.emit(1, check_line(f"larr[{k}]", S32, self.larr[k]))
        for inst in ("gs", "ls"):
            for m, t, _ in MEMBERS:
                self.emit(1, check_line(f"{inst}.{m}", t, self.st[inst][m]))
        for f in FLOAT_VARS:
            self.emit(1, float_check(f, self.st["f"][f]))
        out += ["int main(void)", "{", "  struct rec ls;", "  float xl;"] + self.lines + ["  return CHECK_RESULT();", "}", ""]
        return "\n".join(out)


def generate(seed, promote, statements=25, trace=False):
    g = Generator(seed, promote)
    g.trace = trace
    return g.program(statements)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("seed", type=int)
    ap.add_argument("--promote", action="store_true", help="model integer promotion on (-Oi+)")
    ap.add_argument("-n", type=int, default=25, help="statements in main")
    ap.add_argument("-o", help="output file (default: standard output)")
    ap.add_argument("--trace", action="store_true", help="check each variable a statement changes right after it")
    a = ap.parse_args()
    text = generate(a.seed, a.promote, a.n, a.trace)
    if a.o:
        with open(a.o, "w") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
