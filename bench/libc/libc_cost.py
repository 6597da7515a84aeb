#!/usr/bin/env python3
"""Cost of the C library: words of every routine and, for the memory and
string functions, cycles of a call on 0 bytes and per byte beyond.

usage: libc_cost.py BINDIR WORKDIR

Words come from the map of one program that calls every function (each
routine runs to the next function of its library member's code section,
the last one to the section's end; labels inside in-line assembly are not
functions). Cycles come from harrow-sim --time: each
function is called on 0 and on 64 bytes (for the string functions: strings
of that length, equal where two are compared, no match where one is
searched), and the per-byte figure is the difference over 64. Prints
Markdown tables."""
import os
import re
import subprocess
import sys

N = 64

# name, call expression, setup: which buffers hold n 'x' bytes and a terminator
TIMED = [
    ("memcpy", "memcpy(a, b, n)", ""),
    ("memmove", "memmove(a, a + 1, n)", ""),
    ("memmove (overlap upwards)", "memmove(a + 1, a, n)", ""),
    ("memset", "memset(a, 0, n)", ""),
    ("memcmp", "memcmp(a, b, n)", "ab"),
    ("memchr", "memchr(a, 'y', n)", "a"),
    ("strlen", "strlen(a)", "a"),
    ("strcpy", "strcpy(b, a)", "a"),
    ("strncpy", "strncpy(b, a, n)", "a"),
    ("strcat", "strcat(b, a)", "a"),
    ("strncat", "strncat(b, a, n)", "a"),
    ("strcmp", "strcmp(a, b)", "ab"),
    ("strncmp", "strncmp(a, b, n)", "ab"),
    ("strchr", "strchr(a, 'y')", "a"),
    ("strrchr", "strrchr(a, 'y')", "a"),
    ("strstr", "strstr(a, f)", "a"),
    ("memcpy_rom", "memcpy_rom(a, r, n)", ""),
    ("memcmp_rom", "memcmp_rom(a, r, n)", "a"),
    ("strlen_rom", "strlen_rom(r)", ""),
    ("strcpy_rom", "strcpy_rom(b, r)", ""),
    ("strncpy_rom", "strncpy_rom(b, r, n)", ""),
    ("strcat_rom", "strcat_rom(b, r)", ""),
    ("strcmp_rom", "strcmp_rom(a, r)", "a"),
    ("strncmp_rom", "strncmp_rom(a, r, n)", "a"),
    ("strstr_rom", "strstr_rom(a, \"xy\")", "a"),
]

ALL_CALLS = """
  memcpy(a, b, 1); memmove(a, b, 1); memset(a, 0, 1); v += memcmp(a, b, 1); p = memchr(a, 1, 1);
  v += strlen(a); strcpy(a, b); strncpy(a, b, 1); strcat(a, b); strncat(a, b, 1); v += strcmp(a, b);
  v += strncmp(a, b, 1); p = strchr(a, 1); p = strrchr(a, 1); p = strstr(a, b);
  memcpy_rom(a, r, 1); v += memcmp_rom(a, r, 1); v += strlen_rom(r); strcpy_rom(a, r); strncpy_rom(a, r, 1);
  strcat_rom(a, r); v += strcmp_rom(a, r); v += strncmp_rom(a, r, 1); p = strstr_rom(a, r);
  v += abs(v); l = labs(l); v += atoi(a); l += atol(a); l += strtol(a, 0, 0); l += strtoul(a, 0, 0);
  v += atoi_rom(r); l += atol_rom(r); v += rand(); srand(v); qsort(a, 1, 1, cmp); p = bsearch(a, b, 1, 1, cmp);
  v += isalnum(v) + isalpha(v) + iscntrl(v) + isdigit(v) + isgraph(v) + islower(v) + isprint(v);
  v += ispunct(v) + isspace(v) + isupper(v) + isxdigit(v) + tolower(v) + toupper(v);
"""


def program(body, n, setup):
    rom = "x" * n
    return f"""#include <string.h>
#include <stdlib.h>
#include <ctype.h>
char a[{N + 2}];
char b[{N + 2}];
char f[] = "xy";
rom char r[] = "{rom}";
int v;
long l;
void *p;
unsigned int n = {n};
static int cmp(const void *x, const void *y) {{ return *(const char *)x - *(const char *)y; }}
void main(void) {{
  unsigned char i;
  for (i = 0; i < {N + 2}; i++) {{ a[i] = 0; b[i] = 0; }}
  for (i = 0; i < {n}; i++) {{ {"a[i] = 'x';" if "a" in setup else ""} {"b[i] = 'x';" if "b" in setup else ""} }}
  {body};
}}
"""


def run(cmd, cwd):
    r = subprocess.run(cmd, cwd=cwd, capture_output=True, text=True)
    return r.returncode, r.stdout + r.stderr


def build(bindir, work, name, text):
    with open(os.path.join(work, name + ".c"), "w") as out:
        out.write(text)
    status, msg = run([os.path.join(bindir, "velcqx-extended"), "-p", "HR6810K", name + ".c"], work)
    if status != 0:
        sys.exit(f"compile of {name} failed:\n{msg}")
    status, msg = run([os.path.join(bindir, "harrow-link"), "--startup", "-p", "HR6810K", "-o", name + ".hex",
                       name + ".o"], work)
    if status != 0:
        sys.exit(f"link of {name} failed:\n{msg}")


def cycles(bindir, work, name, routine):
    status, msg = run([os.path.join(bindir, "harrow-sim"), "-m", name + ".map", "--time", routine, name + ".hex"],
                      work)
    m = re.search(re.escape(routine) + r": (\d+) cycles", msg)
    if status not in (0, 1) or not m:  # a halt; main is void, so W is whatever it left
        sys.exit(f"run of {name} failed:\n{msg}")
    return int(m.group(1))


def routines():
    """Names of the functions defined in the library's sources (static ones included)."""
    src = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "libc", "src")
    names = set()
    for f in os.listdir(src):
        if f.endswith(".c"):
            names.update(re.findall(r"^[a-z][\w \*]*?\b(\w+)\([^;]*?\)\s*\{", open(os.path.join(src, f)).read(), re.M))
    return names


def words(work, name):
    text = open(os.path.join(work, name + ".map")).read()
    sections, symbols = [], []
    known = routines()
    part = None
    for line in text.splitlines():
        if line.startswith("Sections:"):
            part = "s"
        elif line.startswith("Symbols:"):
            part = "y"
        f = line.split()
        if part == "s" and len(f) >= 5 and f[1] == "code" and "libc.a(" in f[4]:
            sections.append((int(f[2], 16), int(f[2], 16) + int(f[3], 16), f[4].split("(")[1].rstrip(")")))
        elif part == "y" and len(f) >= 3 and f[1] == "program" and f[0] in known:
            symbols.append((int(f[2], 16), f[0]))
    rows = []
    for start, end, member in sorted(sections):
        inside = sorted(s for s in symbols if start <= s[0] < end)
        for i, (address, sym) in enumerate(inside):
            stop = inside[i + 1][0] if i + 1 < len(inside) else end
            rows.append((member, sym, (stop - address) // 2))
    return rows


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    bindir, work = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    os.makedirs(work, exist_ok=True)
    build(bindir, work, "all", program(ALL_CALLS, 1, ""))
    print("| Member | Routine | Words |\n|---|---|---|")
    total = 0
    for member, sym, w in words(work, "all"):
        print(f"| {member} | `{sym}` | {w} |")
        total += w
    print(f"| all | | {total} |\n")
    print(f"| Function | Cycles, 0 bytes | Cycles per byte |\n|---|---|---|")
    for label, call, setup in TIMED:
        routine = call.split("(")[0]
        c = []
        for n in (0, N):
            name = f"t_{routine}_{len(c)}"
            build(bindir, work, name, program(call, n, setup))
            c.append(cycles(bindir, work, name, routine))
        print(f"| `{label}` | {c[0]} | {(c[1] - c[0]) / N:.1f} |")


if __name__ == "__main__":
    main()
