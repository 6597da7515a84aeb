#!/usr/bin/env python3
"""Translation and compilation benchmark: generates one large C unit
(globals, structures, initialised tables and many functions with loops,
switches, calls and pointer arithmetic), then times the whole trn-dump
process (parse and translate, no -x dump) beside gcc -fsyntax-only, and the
whole compilation into an object file (velcqx-extended -fo) beside
gcc -O0 -c on the same text, with the peak memory of each compilation.

usage: bench_translate.py BINDIR [FUNCTIONS]"""
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time


def function(i):
    return f"""
static int helper{i}(int a, char b)
{{
    return a * {i % 7 + 1} + b;
}}

int work{i}(struct rec *r, int n)
{{
    int k;
    int sum;
    char *p;
    sum = 0;
    p = buffer;
    for (k = 0; k < n; k++) {{
        if (r->count > {i}) {{
            sum += helper{i}(k, p[k]);
        }} else {{
            sum -= table[k & 15];
        }}
        switch (k & 3) {{
        case 0: sum <<= 1; break;
        case 1: sum ^= r->flags; break;
        case 2: r->count++; break;
        default: sum = sum ? sum : -1;
        }}
    }}
    while (n-- && sum > 0)
        sum = sum / 3 + (sum % 5);
    return sum + (int)(p - buffer);
}}
"""


def plain_function(i):
    """A function of the constructs every code generator stage handles:
    char and int arithmetic, loops, if/else, calls, arrays."""
    return f"""
static int step{i}(int a, unsigned char b)
{{
    return a + b * {i % 5 + 1} - (a >> 2);
}}

int plain{i}(int n)
{{
    int k;
    int sum;
    unsigned char c;
    sum = {i};
    c = {i % 200};
    for (k = 0; k < n; k++) {{
        if (sum > {i * 3 % 1000}) {{
            sum = sum - step{i}(k, c);
        }} else {{
            sum = sum + table[k & 15];
        }}
        c = c + 3;
        buffer[k & 63] = c ^ {i % 256};
    }}
    while (n > 0) {{
        sum = sum / 3 + sum % 5;
        n--;
    }}
    return sum;
}}
"""


def plain_program(count):
    # A code section per 50 functions: one section holds a limited number of
    # line-number entries (message 1070).
    return "int table[16];\nunsigned char buffer[64];\n" + "".join(
        (f"#pragma code part{i // 50}\n" if i % 50 == 0 else "") + plain_function(i) for i in range(count))


def program(count):
    head = """
struct rec { int count; unsigned flags : 4; unsigned mode : 4; char name[8]; };
int table[16] = { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16 };
char buffer[64];
struct rec records[4] = { { 1, 2, 3, "one" }, { 4, 5, 6, "two" } };
"""
    return head + "".join(function(i) for i in range(count))


def timed(cmd):
    best = None
    for _ in range(3):
        start = time.perf_counter()
        result = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        elapsed = time.perf_counter() - start
        if result.returncode != 0:
            sys.stderr.write(f"status {result.returncode}\n")
            sys.stderr.write((result.stdout + result.stderr).decode(errors="replace")[:2000])
            return None
        best = elapsed if best is None else min(best, elapsed)
    return best


def peak_kib(cmd):
    """Peak resident memory in KiB of one run of cmd (and what it starts)."""
    pid = os.fork()
    if pid == 0:
        devnull = os.open(os.devnull, os.O_WRONLY)
        os.dup2(devnull, 1)
        os.dup2(devnull, 2)
        try:
            os.execv(cmd[0], cmd)
        finally:
            os._exit(127)
    _, status, usage = os.wait4(pid, 0)
    return usage.ru_maxrss if os.waitstatus_to_exitcode(status) == 0 else None


def compile_figures(bindir, tmp, source, lines):
    obj = os.path.splitext(source)[0] + ".o"
    ours_cmd = [os.path.join(bindir, "velcqx-extended"), "-p", "Harrow", "-fo", obj, source]
    ours = timed(ours_cmd)
    if ours is None:
        print("velcqx-extended -fo: failed (see above)")
        return
    mem = peak_kib(ours_cmd)
    print(f"velcqx-extended (whole compilation to an object): {ours:.3f} s, "
          f"peak {mem / 1024:.1f} MiB for {lines} lines")
    gcc = shutil.which("gcc")
    if gcc:
        gcc_cmd = [gcc, "-O0", "-c", "-w", "-x", "c", source, "-o", os.path.join(tmp, "gcc.o")]
        theirs = timed(gcc_cmd)
        if theirs is not None:
            print(f"gcc -O0 -c: {theirs:.3f} s, peak {peak_kib(gcc_cmd) / 1024:.1f} MiB"
                  f" (ratio {ours / theirs:.2f})")


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 1
    bindir = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 2000
    with tempfile.TemporaryDirectory() as tmp:
        source = os.path.join(tmp, "big.c")
        with open(source, "w") as f:
            f.write(program(count))
        lines = sum(1 for _ in open(source))
        print(f"input: {count} functions, {lines} lines, {os.path.getsize(source)} bytes")
        ours = timed([os.path.join(bindir, "trn-dump"), "-q", source])
        if ours is None:
            print("trn-dump failed")
            return 1
        print(f"trn-dump (parse + translate, whole process): {ours:.3f} s")
        gcc = shutil.which("gcc")
        if gcc:
            theirs = timed([gcc, "-fsyntax-only", "-w", "-x", "c", source])
            if theirs is not None:
                print(f"gcc -fsyntax-only: {theirs:.3f} s")
        else:
            print("gcc not found")
        print("whole compilation of the same unit:")
        compile_figures(bindir, tmp, source, lines)
        plain = os.path.join(tmp, "plain.c")
        with open(plain, "w") as f:
            f.write(plain_program(max(1, lines // 28)))
        plain_lines = sum(1 for _ in open(plain))
        print(f"whole compilation of a unit of plain char/int code ({plain_lines} lines):")
        compile_figures(bindir, tmp, plain, plain_lines)
    return 0


if __name__ == "__main__":
    sys.exit(main())
