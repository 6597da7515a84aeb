#!/usr/bin/env python3
"""Seeded random C programs for the execution tests, and a host model of the
target's integer arithmetic that predicts what they compute.

In: a seed and whether integer promotion is on (-Oi+). Out: a self-checking
C program over char, int, short long and long of both signednesses, arrays
and pointers
(assignments, compound assignments, increments, if/else, counted loops and
calls of small functions) that ends with one CHECK per variable against the
value the model computed, and returns CHECK_RESULT().

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
import random
import re
import sys

S8, U8, S16, U16 = ("s", 8), ("u", 8), ("s", 16), ("u", 16)
S24, U24, S32, U32 = ("s", 24), ("u", 24), ("s", 32), ("u", 32)
C_NAMES = {S8: "signed char", U8: "unsigned char", S16: "int", U16: "unsigned int",
           S24: "short long", U24: "unsigned short long", S32: "long", U32: "unsigned long"}
TYPES = [S8, U8, S16, U16, S24, U24, S32, U32]


def is_constant(text):
    """True when an expression names no variable, parameter or function: the
    translator folds such expressions itself (see the file's comment)."""
    return re.search(r"[a-z_]{2,}|[a-z]\d", text) is None


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
        v = self.rng.choice([0, 1, 2, 3, 7, 8, 15, 16, 100, 127, 128, 200, 255, 256, 1000, 4095,
                             30000, 32767, 32768, 40000, 65535, 65536, 100000, 0x7FFFFF, 0x800000,
                             0xFFFFFF, 0x1000000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF,
                             self.rng.randrange(256), self.rng.randrange(65536),
                             self.rng.randrange(1 << 24), self.rng.randrange(1 << 32)])
        return const_text(v), const_type(v), v

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
        before = (dict(self.env), list(self.arr), list(self.iarr), list(self.larr))
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
        name, vt = self.rng.choice(self.VARS)
        if r < 0.3:
            op = self.rng.choice(["++", "--"])
            self.emit(indent, f"{name}{op};" if self.rng.random() < 0.5 else f"{op}{name};")
            self.env[name] = wrap(vt, self.env[name] + (1 if op == "++" else -1))
            return
        if r < 0.55:
            op = self.rng.choice(["+", "-", "*", "&", "|", "^", "/", "%", "<<", ">>"])
            try:
                if op in ("<<", ">>"):
                    n = self.rng.randrange(self.m.promoted(vt)[1])
                    text, t, v = str(n), S8, n
                rt, rv = self.m.binary(op, vt, self.env[name], t, v)
            except Undefined:
                return
            self.emit(indent, f"{name} {op}= {text};")
            self.env[name] = wrap(vt, rv)
            return
        self.emit(indent, f"{name} = {text};")
        self.env[name] = wrap(vt, v)

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
        saved = (dict(self.env), list(self.arr), list(self.iarr), list(self.larr))
        self.skipping += 1
        self.block(indent, self.rng.randrange(1, 3))
        self.skipping -= 1
        self.env, self.arr, self.iarr, self.larr = dict(saved[0]), list(saved[1]), list(saved[2]), list(saved[3])

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
        out += ["unsigned char arr[8];", "int iarr[4];", "long larr[3];", "unsigned char *pc;", "long *pl;",
                "unsigned char k0;", ""]
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
        self.block(1, statements)
        for name, t in self.VARS:
            self.emit(1, check_line(name, t, self.env[name]))
        for k in range(8):
            self.emit(1, f"CHECK(arr[{k}] == {self.arr[k]});")
        for k in range(4):
            self.emit(1, f"CHECK((unsigned int)iarr[{k}] == {self.iarr[k] & 0xFFFF}u);")
        for k in range(3):
            self.emit(1, check_line(f"larr[{k}]", S32, self.larr[k]))
        out += ["int main(void)", "{"] + self.lines + ["  return CHECK_RESULT();", "}", ""]
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
