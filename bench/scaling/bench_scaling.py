#!/usr/bin/env python3
"""Scaling benchmark: for each construct that a generated source can make
large (parameters, arguments, string pieces, identifiers in one scope,
external declarations, enumerators, members, initialiser elements,
statements, labels, cases, functions, macros, macro arguments, includes),
writes one C89 file at size n and one at 10n, times the compiler on each
(the whole velcqx-extended process: the preprocessor, the parse and every
later phase that runs, into an object file) and gcc -O0 -c on the same
files (gcc -fsyntax-only with --syntax-only, for the front alone), and prints
the times with the ratio t(10n)/t(n). A linear path gives a ratio near 10.

Times are CPU seconds (user + system) of the process and its children,
best of the repeats, so that a loaded machine disturbs them less. At the
larger sizes caches miss more often, which alone can lift a ratio a little
above 10 (gcc's too); --instructions counts the instructions that the
compiler and its preprocessor execute instead (under valgrind's callgrind,
about fifty times slower, without gcc), which is exact.

usage: bench_scaling.py BINDIR [--repeats R] [--scale F] [--instructions] [--keep DIR] [CASE...]
The exit status is 0 unless the compiler fails on a file or a ratio
exceeds the limit (12 by default, --limit)."""
import argparse
import os
import re
import resource
import shutil
import subprocess
import sys
import tempfile


def s_params(n):
    params = ", ".join("char p%05d" % i for i in range(n))
    return "char f(%s, int t)\n{\n  return p%05d;\n}\n" % (params, n - 1)


def s_args(n):
    params = ", ".join("char p%05d" % i for i in range(n))
    args = ", ".join(str(i & 63) for i in range(n))
    return "char f(%s);\nvoid g(void)\n{\n  f(%s);\n}\n" % (params, args)


def s_strings(n):
    piece = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz012345678"
    lines = "\n".join('  "%s"' % piece for _ in range(n))
    return "const char *s =\n%s;\n" % lines


def s_globals(n):
    decls = "".join("int v%05d;\n" % i for i in range(n))
    uses = "".join("  v%05d = %d;\n" % (i, i & 255) for i in range(0, n, max(1, n // 100)))
    return decls + "void f(void)\n{\n" + uses + "}\n"


def s_locals(n):
    decls = "".join("  static int v%05d;\n" % i for i in range(n))
    uses = "".join("  v%05d = %d;\n" % (i, i & 255) for i in range(0, n, max(1, n // 100)))
    return "void f(void)\n{\n" + decls + uses + "}\n"


def s_externs(n):
    decls = "".join("extern void e%05d(void);\n" % i for i in range(n))
    calls = "".join("  e%05d();\n" % i for i in range(n))
    return decls + "void f(void)\n{\n" + calls + "}\n"


def s_enumerators(n):
    items = ",\n".join("  E%05d = %d" % (i, i & 0x3FFF) for i in range(n))
    return "enum big {\n%s\n};\nint f(void)\n{\n  return E%05d;\n}\n" % (items, n - 1)


def s_members(n):
    members = "".join("  unsigned m%05d : 1;\n" % i for i in range(n))
    uses = "".join("  b.m%05d = 1;\n" % i for i in range(n - 1, 0, -10))
    return "struct big {\n%s};\nstruct big b;\nvoid f(void)\n{\n%s}\n" % (members, uses)


def s_initialiser(n):
    items = ",\n".join(", ".join(str((i + k) & 127) for k in range(10)) for i in range(0, n, 10))
    return "const char table[] = {\n%s\n};\n" % items


def s_statements(n):
    body = "".join("  g = g + %d;\n" % (i & 127) for i in range(n))
    return "int g;\nvoid f(void)\n{\n" + body + "}\n"


def s_pointer_reads(n):
    # Every read through the pointer may see any variable written before,
    # so the definitions that reach each read grow with the function.
    names = "".join("unsigned char v%d;\n" % i for i in range(n))
    body = "".join("  v%d = *p;\n" % i for i in range(n))
    return names + "unsigned char *p;\nvoid f(void)\n{\n" + body + "}\n"


def s_branches(n):
    body = "".join("  if (g > %d) g += %d; else h--;\n" % (i & 127, i & 63) for i in range(n))
    return "unsigned char g, h;\nvoid f(void)\n{\n" + body + "}\n"


def s_conditional(n):
    # Four statements, each a chain of n nested conditional expressions. g
    # is an unsigned int, so that every level compares with a constant g
    # can equal (levels beyond 255 of an unsigned char are decided when
    # compiled).
    chain = " ".join("g == %d ? %d :" % (i, (i * 7) & 127) for i in range(n)) + " 0"
    return "unsigned int g;\nvoid f(void)\n{\n" + "".join("  g = %s;\n" % chain for _ in range(4)) + "}\n"


def s_labels(n):
    body = "".join("l%05d:\n  g++;\n  if (g > %d) goto l%05d;\n" % (i, i & 127, (i * 7919) % n) for i in range(n))
    return "int g;\nvoid f(void)\n{\n" + body + "}\n"


def s_cases(n):
    body = "".join("  case %d: g = %d; break;\n" % (i, i & 127) for i in range(n))
    return "int g;\nvoid f(unsigned long x)\n{\n  switch (x) {\n" + body + "  }\n}\n"


def s_functions(n):
    return "int g;\n" + "".join("int f%05d(int a)\n{\n  return a + g + %d;\n}\n" % (i, i & 127)
                                for i in range(n))


def s_macros(n):
    # The uses are the elements of an initialiser: as statements of one
    # function, 10n of them pass the line entries of a code section at -O-
    # and measure a function of 10n statements, which `statements` does.
    defs = "".join("#define M%05d(x) ((x) + %d)\n" % (i, i & 127) for i in range(n))
    uses = "".join("  M%05d(%d),\n" % (i, i & 63) for i in range(n))
    return defs + "const int table[] = {\n" + uses + "};\n"


def s_macro_args(n):
    params = ", ".join("a%05d" % i for i in range(n))
    body = " + ".join("a%05d" % i for i in range(0, n, max(1, n // 50)))
    args = ", ".join(str(i & 127) for i in range(n))
    return "#define M(%s) (%s)\nint g;\nvoid f(void)\n{\n  g = M(%s);\n}\n" % (params, body, args)


def s_expression(n):
    terms = " + ".join("g" if i & 1 else str(i & 127) for i in range(n))
    return "int g;\nvoid f(void)\n{\n  g = %s;\n}\n" % terms


def s_literals(n):
    body = "".join('  p = "text %d of many";\n' % i for i in range(n))
    return "const char *p;\nvoid f(void)\n{\n" + body + "}\n"


def s_typedefs(n):
    return "".join("typedef int t%05d;\nt%05d v%05d;\n" % (i, i, i) for i in range(n))


def s_nesting(n):
    return "int g;\nvoid f(void)\n{\n  g = %sg%s;\n}\n" % ("(1 + " * n, ")" * n)


def s_blocks(n):
    return "int g;\nvoid f(void)\n{\n%sg = 1;%s\n}\n" % ("{" * n, "}" * n)


def s_includes(n):
    # One header read n times: every entry and every return writes a line
    # marker that the compiler follows.
    return "".join('#include "inc.h"\nint v%05d;\n' % i for i in range(n))


HEADER = "extern int shared;\n"

# name: (generator, n, description, messages). A case with messages reaches
# one of the compiler's documented limits at some size: a run there must
# report one of these message numbers (the text for the parser's own
# message) and nothing else; the table's last column names what it reported.
CASES = {
    "params": (s_params, 15000, "parameters of one function definition (frame too large)", ("1300",)),
    "args": (s_args, 20000, "arguments of one call (parameter frame too large)", ("1301",)),
    "strings": (s_strings, 2000, "pieces of one concatenated string literal", ()),
    "globals": (s_globals, 30000, "identifiers in the file scope", ()),
    "locals": (s_locals, 25000, "identifiers in one block scope", ()),
    "externs": (s_externs, 3000, "external functions, one call each", ()),
    "enumerators": (s_enumerators, 40000, "enumerators of one enumeration", ()),
    "members": (s_members, 20000, "members of one structure, every tenth used", ()),
    "initialiser": (s_initialiser, 100000, "elements of one initialiser", ()),
    "literals": (s_literals, 1000, "distinct string literals of one unit (relocations of one section)", ("1070", "1071")),
    "typedefs": (s_typedefs, 4000, "typedef names, each used once", ()),
    "statements": (s_statements, 1000, "statements of one function", ()),
    "pointer-reads": (s_pointer_reads, 1000, "reads through a pointer into distinct variables, one function", ()),
    "branches": (s_branches, 500, "if/else statements of one function", ()),
    "conditional": (s_conditional, 90, "depth of chained conditional expressions (four statements)", ()),
    "labels": (s_labels, 400, "labels and gotos of one function", ()),
    "cases": (s_cases, 400, "cases of one switch on an unsigned long (10n within one section's line entries)", ()),
    "functions": (s_functions, 200, "functions of one unit (one code section)", ()),
    "macros": (s_macros, 40000, "macros, one use each (elements of an initialiser)", ()),
    "macro-args": (s_macro_args, 6000, "arguments of one macro", ()),
    "expression": (s_expression, 20000, "terms of one expression (nesting limit)", ("1000",)),
    "nesting": (s_nesting, 2000, "nested parentheses (nesting limit, parser stack)",
                ("1000", "yacc stack overflow")),
    "blocks": (s_blocks, 1000, "nested blocks (parser stack)", ("yacc stack overflow",)),
    "includes": (s_includes, 12000, "inclusions of one header", ()),
}


def s_children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


class TimedOut(Exception):
    pass


COLLECTED = re.compile(r"^==\d+== Collected : (\d+)$", re.M)
VALGRIND = ["valgrind", "--tool=callgrind", "--trace-children=yes", "--callgrind-out-file=/dev/null"]


def s_time(command, cwd, repeats, accept, timeout, instructions=False):
    """Best CPU time of repeats runs (or, with instructions, millions of
    instructions executed by the process and its children), or None when
    accept(status, output) fails; raises TimedOut when a run takes longer
    than timeout seconds."""
    best = None
    for _ in range(1 if instructions else repeats):
        before = s_children_cpu()
        try:
            result = subprocess.run((VALGRIND if instructions else []) + command, cwd=cwd,
                                    stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        except subprocess.TimeoutExpired:
            raise TimedOut()
        spent = s_children_cpu() - before
        output = result.stdout.decode(errors="replace")
        if instructions:
            spent = sum(int(count) for count in COLLECTED.findall(output)) / 1e6
            output = "\n".join(line for line in output.splitlines() if not line.startswith("=="))
        if not accept(result.returncode, output):
            sys.stderr.write("failed (%d): %s\n%s\n" % (result.returncode, " ".join(command),
                                                        result.stdout.decode(errors="replace")[:1500]))
            return None
        best = spent if best is None else min(best, spent)
    return best


def s_reports_only(messages, seen):
    """Acceptance test for the compiler's run: success, or, for a case over a
    limit, a failure that reports only the expected messages. The messages
    found are added to seen."""
    def accept(status, output):
        if status == 0:
            return True
        lines = [line for line in output.splitlines() if line.strip() and "cppqx: reading" not in line]
        found = [m for m in messages if any("[%s]" % m in line or m in line for line in lines)]
        seen.update(found)
        return bool(messages) and bool(lines) and all(any("[%s]" % m in line or m in line for m in messages)
                                                      for line in lines)
    return accept


def s_write(directory, name, text):
    path = os.path.join(directory, name)
    with open(path, "w") as f:
        f.write(text)
    return path


def main():
    parser = argparse.ArgumentParser(description="Compile time against input size.")
    parser.add_argument("bindir")
    parser.add_argument("cases", nargs="*", help="cases to run (default: all)")
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--scale", type=float, default=1.0, help="multiply every n")
    parser.add_argument("--limit", type=float, default=12.0, help="largest ratio that passes")
    parser.add_argument("--timeout", type=float, default=120.0, help="seconds a single run may take")
    parser.add_argument("--instructions", action="store_true",
                        help="count instructions under callgrind instead of timing (no gcc)")
    parser.add_argument("--syntax-only", action="store_true",
                        help="compare with gcc -fsyntax-only instead of gcc -O0 -c")
    parser.add_argument("--keep", help="write the generated files here and keep them")
    options = parser.parse_intermixed_args()
    compiler = os.path.abspath(os.path.join(options.bindir, "velcqx-extended"))
    gcc = None if options.instructions else shutil.which("gcc")
    if options.instructions and not shutil.which("valgrind"):
        sys.stderr.write("--instructions needs valgrind\n")
        return 2
    names = options.cases or list(CASES)
    unknown = [name for name in names if name not in CASES]
    if unknown:
        sys.stderr.write("unknown case: %s (known: %s)\n" % (", ".join(unknown), ", ".join(CASES)))
        return 2
    work = options.keep or tempfile.mkdtemp(prefix="bench_scaling_")
    os.makedirs(work, exist_ok=True)
    s_write(work, "inc.h", HEADER)
    failed = False
    if options.instructions:
        print("millions of instructions (callgrind); ratio = count(10n) / count(n)")
    else:
        print("CPU seconds, best of %d; ratio = t(10n) / t(n)" % options.repeats)
    print("%-12s %7s %8s %8s %6s  %8s %8s %6s  %7s" %
          ("case", "n", "ours n", "ours 10n", "ratio", "gcc n", "gcc 10n", "ratio", "ours/gcc"))
    for name in names:
        generate, n, _, messages = CASES[name]
        n = max(1, int(n * options.scale))
        ours, theirs, seen = [], [], set()
        try:
            for size in (n, 10 * n):
                source = s_write(work, "%s_%d.c" % (name, size), generate(size))
                ours.append(s_time([compiler, "-w", "1", os.path.basename(source)], work, options.repeats,
                                   s_reports_only(messages, seen), options.timeout, options.instructions))
                if gcc:
                    try:
                        gcc_mode = ["-fsyntax-only"] if options.syntax_only else ["-O0", "-c", "-o", os.devnull]
                        theirs.append(s_time([gcc] + gcc_mode + ["-std=c89", "-w", os.path.basename(source)],
                                             work, options.repeats, lambda status, output: True, options.timeout))
                    except TimedOut:
                        theirs.append(float("inf"))
        except TimedOut:
            failed = True
            print("%-12s %7d   a run at n = %d took over %g s" % (name, n, size, options.timeout), flush=True)
            continue
        if None in ours:
            failed = True
            print("%-12s %7d   failed" % (name, n))
            continue
        ratio = ours[1] / max(ours[0], 1e-3)
        line = ("%-12s %7d %8.1f %8.1f %6.1f" if options.instructions else "%-12s %7d %8.3f %8.3f %6.1f") % (
            name, n, ours[0], ours[1], ratio)
        if gcc and None not in theirs:
            line += "  %8.3f %8.3f %6.1f  %7.1f" % (theirs[0], theirs[1], theirs[1] / max(theirs[0], 1e-3),
                                                   ours[1] / max(theirs[1], 1e-3))
        if seen:
            line += "  reports " + ", ".join(sorted(seen))
        if ratio > options.limit:
            line += "  <-- over %g" % options.limit
            failed = True
        print(line, flush=True)
    if not options.keep:
        shutil.rmtree(work)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
