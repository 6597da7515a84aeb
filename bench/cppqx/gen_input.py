#!/usr/bin/env python3
"""Writes a large, realistic embedded C translation unit for the cppqx
benchmark: device register headers full of object-like macros, bit-field
helpers and function-like macros, include guards, conditional blocks by
device, and driver code that uses them everywhere.

usage: gen_input.py OUTDIR [SCALE]   (SCALE 1 gives about 4 MB of source)
"""
import os
import random
import sys


def register_header(out, n, regs):
    guard = "DEVICE_REGS_%d_H" % n
    lines = ["/* Register map, block %d. */" % n, "#ifndef " + guard, "#define " + guard, ""]
    for i in range(regs):
        name = "R%d_%d" % (n, i)
        addr = 0xF00 + (n * regs + i) % 0x100
        lines.append("#define %s (*(volatile unsigned char near *)0x%03X)  /* register %d */" % (name, addr, i))
        lines.append("#define %s_ADDR 0x%03X" % (name, addr))
        for b in range(8):
            lines.append("#define %s_B%d_POSN %d" % (name, b, b))
            lines.append("#define %s_B%d_MASK (1u << %s_B%d_POSN)" % (name, b, name, b))
        lines.append("typedef union { struct { unsigned B0:1; unsigned B1:1; unsigned B2:1; unsigned B3:1; "
                     "unsigned B4:1; unsigned B5:1; unsigned B6:1; unsigned B7:1; }; unsigned char v; } %s_bits_t;" % name)
    lines += ["", "#endif /* %s */" % guard, ""]
    with open(os.path.join(out, "regs%d.h" % n), "w") as f:
        f.write("\n".join(lines))


def util_header(out):
    text = r'''/* Common helpers shared by every driver. */
#ifndef UTIL_H
#define UTIL_H
#define BIT(n) (1u << (n))
#define SET_BITS(reg, mask) ((reg) |= (mask))
#define CLEAR_BITS(reg, mask) ((reg) &= (unsigned char)~(mask))
#define TOGGLE_BITS(reg, mask) ((reg) ^= (mask))
#define TEST_BIT(reg, pos) (((reg) >> (pos)) & 1u)
#define WRITE_FIELD(reg, mask, posn, val) \
    ((reg) = (unsigned char)(((reg) & ~(mask)) | (((val) << (posn)) & (mask))))
#define MIN(a, b) ((a) < (b) ? (a) : (b))
#define MAX(a, b) ((a) > (b) ? (a) : (b))
#define CLAMP(x, lo, hi) MIN(MAX((x), (lo)), (hi))
#define ARRAY_SIZE(a) (sizeof(a) / sizeof((a)[0]))
#define STR(x) #x
#define XSTR(x) STR(x)
#define CAT(a, b) a##b
#define XCAT(a, b) CAT(a, b)
#define UNIQUE(name) XCAT(name, __LINE__)
#define LOG(fmt, ...) log_write(__FILE__, __LINE__, fmt, ##__VA_ARGS__)
#define ASSERT(c) do { if (!(c)) assert_failed(XSTR(c), __LINE__); } while (0)
#if defined(DEVICE_BIG) && DEVICE_BIG > 1
#define BUFFER_SIZE 128
#elif defined(DEVICE_SMALL)
#define BUFFER_SIZE 16
#else
#define BUFFER_SIZE 64
#endif
extern void log_write(const char *file, int line, const char *fmt, ...);
extern void assert_failed(const char *what, int line);
#endif
'''
    with open(os.path.join(out, "util.h"), "w") as f:
        f.write(text)


def driver_function(rng, n, f, nheaders, regs):
    h = rng.randrange(nheaders)
    r = "R%d_%d" % (h, rng.randrange(regs))
    r2 = "R%d_%d" % (h, rng.randrange(regs))
    b = rng.randrange(8)
    body = [
        "/* Driver routine %d of module %d: configures %s. */" % (f, n, r),
        "static unsigned char drv_%d_%d(unsigned char value, unsigned char limit)" % (n, f),
        "{",
        "    unsigned char buffer[BUFFER_SIZE];",
        "    unsigned char i, UNIQUE(tmp) = 0;",
        "    SET_BITS(%s, %s_B%d_MASK | BIT(%d));" % (r, r, b, (b + 1) % 8),
        "    CLEAR_BITS(%s, %s_B%d_MASK);" % (r2, r2, (b + 3) % 8),
        "    WRITE_FIELD(%s, %s_B%d_MASK, %s_B%d_POSN, value);" % (r, r, b, r, b),
        "    for (i = 0; i < ARRAY_SIZE(buffer); i++) {",
        "        buffer[i] = (unsigned char)CLAMP(value + i, 0, limit); // keep in range",
        "        if (TEST_BIT(%s, %s_B%d_POSN))" % (r2, r2, b),
        "            TOGGLE_BITS(%s, BIT(%d));" % (r2, (b + 5) % 8),
        "    }",
        "#if BUFFER_SIZE > 32",
        "    LOG(\"module %d routine %d: %%u\", (unsigned)buffer[0]);" % (n, f),
        "#else",
        "    LOG(\"small\");",
        "#endif",
        "    ASSERT(%s_ADDR >= 0xF00 && MAX(value, limit) <= 255);" % r,
        "    return MIN(buffer[BUFFER_SIZE - 1], %s);" % r,
        "}",
        "",
    ]
    return body


def main():
    out = sys.argv[1]
    scale = float(sys.argv[2]) if len(sys.argv) > 2 else 1.0
    os.makedirs(out, exist_ok=True)
    rng = random.Random(1234)
    nheaders, regs = 16, int(40 * scale) or 1
    for n in range(nheaders):
        register_header(out, n, regs)
    util_header(out)
    modules = int(24 * scale) or 1
    lines = ["/* Benchmark translation unit: every module includes every header. */"]
    for n in range(modules):
        lines.append("/* ---- module %d ---- */" % n)
        lines.append('#include "util.h"')
        for h in range(nheaders):
            lines.append('#include "regs%d.h"' % h)
        for f in range(60):
            lines += driver_function(rng, n, f, nheaders, regs)
    with open(os.path.join(out, "main.c"), "w") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
