#!/usr/bin/env python3
"""Front-end benchmark: times the preprocessor plus the parser (cppqx, then
front-dump -t; whole processes) on a large generated translation unit, and
gcc -fsyntax-only -std=c89 on the same program in the same run (with the
target keywords defined away by macros, `short long` spelled `long` and the
_asm blocks left out, since gcc knows none of them).

Usage: bench_front.py <bin dir> [modules] [repeats]
Prints the figures; the exit status is 0 unless a program fails."""
import os
import resource
import shutil
import subprocess
import sys
import tempfile
import time

PRELUDE = """typedef unsigned char uint8;
typedef signed char int8;
typedef unsigned int uint16;
typedef int int16;
typedef unsigned short long uint24;
typedef unsigned long uint32;
struct sample { uint8 channel; int16 value; uint24 stamp; };
typedef struct sample sample_t;
union word { uint16 w; struct { uint8 lo, hi; } b; };
enum mode { MODE_IDLE, MODE_RUN = 4, MODE_STOP };
extern volatile near uint8 PINA, OUTB, STATUS;
extern rom const char far banner[];
int16 scale(int16 v, int8 shift);
"""

MODULE = """
#pragma udata bank{n}
static sample_t buf{n}[8];
static near uint8 head{n}, tail{n};
rom const uint16 table{n}[4] = {{ 0x{n:04X}, 0b1010, 3, 4 }};
#pragma code
/* module {n}: a ring buffer with a filter */
static uint8 put{n}(const sample_t *s)
{{
  uint8 next;
  next = (uint8)((head{n} + 1) & 7);
  if (next == tail{n})
    return 0;
  buf{n}[head{n}] = *s;
  head{n} = next;
  return 1;
}}
int16 filter{n}(int16 x, enum mode m)
{{
  static int16 acc = 0;
  int16 i, sum;
  union word w;
  sum = 0;
  for (i = 0; i < 8; i++) {{
    sum += buf{n}[i].value * (int16)table{n}[i & 3];
    if (sum > 1000 || sum < -1000)
      break;
  }}
  switch (m) {{
  case MODE_IDLE:
    acc = 0;
    break;
  case MODE_RUN:
    acc += (x - acc) >> 2;
    break;
  default:
    acc = scale(acc, (int8)-1);
  }}
  w.w = (uint16)acc;
  OUTB = w.b.hi ^ w.b.lo;
  while (PINA & 0x01)
    ;
{asm}  return sum / 8 + acc;
}}
"""

ASM = """  _asm
    MOVLW {n}
    MOVWF OUTB, 0
  _endasm
"""


def generate(modules, for_gcc):
    parts = [PRELUDE.replace("short long", "long") if for_gcc else PRELUDE]
    for n in range(modules):
        text = MODULE.format(n=n, asm="" if for_gcc else ASM.format(n=n & 0xFF))
        if for_gcc:
            text = text.replace("0b1010", "0xA")
        parts.append(text)
    return "".join(parts)


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(command, repeats):
    """Best of repeats: (wall-clock seconds, CPU seconds) of one run."""
    best = None
    for _ in range(repeats):
        start, cpu = time.perf_counter(), children_cpu()
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        elapsed = (time.perf_counter() - start, children_cpu() - cpu)
        if result.returncode != 0:
            sys.stderr.write("failed (%d): %s\n%s\n" % (result.returncode, " ".join(command),
                                                        result.stdout.decode(errors="replace")[:2000]))
            sys.exit(1)
        best = elapsed if best is None or elapsed[0] < best[0] else best
    return best


def main():
    if len(sys.argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    bindir = sys.argv[1]
    modules = int(sys.argv[2]) if len(sys.argv) > 2 else 1200
    repeats = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    work = tempfile.mkdtemp(prefix="bench_front_")
    try:
        src = os.path.join(work, "big.c")
        gsrc = os.path.join(work, "big_gcc.c")
        pre = os.path.join(work, "big.i")
        with open(src, "w") as f:
            f.write(generate(modules, False))
        with open(gsrc, "w") as f:
            f.write(generate(modules, True))
        lines = sum(1 for _ in open(src))
        cpp = timed([os.path.join(bindir, "cppqx"), "-o", pre, src], repeats)
        parse = timed([os.path.join(bindir, "front-dump"), "-t", pre], repeats)
        total = (cpp[0] + parse[0], cpp[1] + parse[1])
        print("front end on %d lines (%d modules), best of %d (wall-clock, CPU):" % (lines, modules, repeats))
        print("  cppqx                        %7.3f s  %7.3f s" % cpp)
        print("  front-dump -t                %7.3f s  %7.3f s" % parse)
        print("  preprocess + parse           %7.3f s  %7.3f s  (%.0f lines/s wall)" %
              (total[0], total[1], lines / total[0]))
        gcc = shutil.which("gcc")
        if gcc:
            g = timed([gcc, "-fsyntax-only", "-std=c89", "-w", "-Drom=", "-Dram=", "-Dnear=", "-Dfar=", gsrc],
                      repeats)
            print("  gcc -fsyntax-only -std=c89   %7.3f s  %7.3f s  (ours/gcc wall %.2f)" %
                  (g[0], g[1], total[0] / g[0]))
        else:
            print("  gcc not found: no comparison")
    finally:
        shutil.rmtree(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
