#!/usr/bin/env python3
"""Optimiser cost on a large unit: writes a generated C89 unit of about
10,000 lines (many small functions of byte increments, decrements and
copies, called from main; a fixed seed makes it the same file every time),
compiles it with velcqx-extended without the optimiser (-O-), with the
optimiser but without procedural abstraction (-Opa-) and at the default
level, and prints the CPU time of each (user and system seconds of the
compiler and its preprocessor, best of --repeats, the levels taking turns)
and its ratio to -O-, of the best times and of the medians. The goal is a default time within twice the -O- time. With
--instructions it prints instead the millions of instructions that the
compiler and its preprocessor execute (under valgrind's callgrind, one run
each): the same ratio, free of the machine's load.

--batch B makes each timed sample the mean of B compilations in a row, so
that the clock's granularity and short disturbances weigh less.

usage: bench_optimiser.py BINDIR [--lines N] [--repeats R] [--batch B] [--keep FILE] [--instructions]
The exit status is 0 unless a compilation fails; the ratio is a
measurement, not a test."""
import argparse
import os
import random
import re
import resource
import shutil
import statistics
import subprocess
import sys
import tempfile

COLLECTED = re.compile(r"^==\d+== Collected : (\d+)$", re.M)


def s_unit(lines):
    """The unit: functions of twelve statements each until `lines` lines."""
    rng = random.Random(11)
    out = ["unsigned char a[16], b, c, d;", ""]
    count = 0
    while len(out) < lines:
        out.append("void f%d(void) {" % count)
        for _ in range(12):
            kind = rng.randrange(4)
            index = rng.randrange(16)
            rng.randrange(256)  # keeps the sequence of the original unit
            out.append(["  a[%d]++;" % index, "  b--;", "  c++;", "  d = c;"][kind])
        out.append("}")
        count += 1
    out.append("void main(void) {")
    out.extend("  f%d();" % k for k in range(count))
    out.append("}")
    return "\n".join(out) + "\n"


def s_children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def s_cpu_time(command, batch=1):
    """CPU seconds (user and system) of the command and its children (the
    mean of batch runs in a row)."""
    before = s_children_cpu()
    for _ in range(batch):
        result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if result.returncode != 0:
            sys.stderr.write("failed (%d): %s\n%s\n" % (result.returncode, " ".join(command),
                                                        result.stdout.decode(errors="replace")[:1500]))
            return None
    return (s_children_cpu() - before) / batch


def s_instructions(command):
    """Millions of instructions the command and its children execute."""
    result = subprocess.run(["valgrind", "--tool=callgrind", "--trace-children=yes",
                             "--callgrind-out-file=/dev/null"] + command,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    output = result.stdout.decode(errors="replace")
    if result.returncode != 0:
        sys.stderr.write("failed (%d): %s\n%s\n" % (result.returncode, " ".join(command), output[:1500]))
        return None
    return sum(int(count) for count in COLLECTED.findall(output)) / 1e6


def main():
    parser = argparse.ArgumentParser(description="Optimiser time on a 10,000-line unit.")
    parser.add_argument("bindir")
    parser.add_argument("--lines", type=int, default=10000)
    parser.add_argument("--repeats", type=int, default=3)
    parser.add_argument("--batch", type=int, default=1)
    parser.add_argument("--keep", help="write the unit to this file and keep it")
    parser.add_argument("--instructions", action="store_true",
                        help="count instructions under callgrind instead of timing")
    options = parser.parse_args()
    if options.instructions and not shutil.which("valgrind"):
        sys.stderr.write("--instructions needs valgrind\n")
        return 1
    compiler = os.path.abspath(os.path.join(options.bindir, "velcqx-extended"))
    work = tempfile.mkdtemp(prefix="bench_optimiser_")
    source = options.keep or os.path.join(work, "unit.c")
    with open(source, "w") as f:
        f.write(s_unit(options.lines))
    obj = os.path.join(work, "unit.o")
    with open(source) as f:
        lines = sum(1 for _ in f)
    if options.instructions:
        print("%s: %d lines; millions of instructions (callgrind)" % (os.path.basename(source), lines))
    else:
        print("%s: %d lines; CPU seconds (user + system), best of %d%s" % (
            os.path.basename(source), lines, options.repeats,
            " (each the mean of %d compilations)" % options.batch if options.batch > 1 else ""))
    levels = (("-O-", ["-O-"]), ("-Opa-", ["-Opa-"]), ("default", []))
    commands = {label: [compiler, "-p", "Harrow"] + flags + ["-fo", obj, source] for label, flags in levels}
    runs = {label: [] for label, _ in levels}
    # The levels take turns, so that a change in the machine's load falls on all of them.
    for _ in range(1 if options.instructions else options.repeats):
        for label, _ in levels:
            spent = (s_instructions(commands[label]) if options.instructions
                     else s_cpu_time(commands[label], max(options.batch, 1)))
            if spent is None:
                return 1
            runs[label].append(spent)
    best = {label: min(runs[label]) for label, _ in levels}
    for label, _ in levels:
        ratio = best[label] / max(best["-O-"], 1e-3)
        if options.instructions:
            print("%-8s %8.1f  ratio to -O- %.2f" % (label, best[label], ratio))
        else:
            print("%-8s %6.3f  %s  ratio to -O- %.2f (of medians %.2f)" % (
                label, best[label], " ".join("%.3f" % t for t in runs[label]), ratio,
                statistics.median(runs[label]) / max(statistics.median(runs["-O-"]), 1e-3)))
    for name in os.listdir(work):
        os.remove(os.path.join(work, name))
    os.rmdir(work)
    return 0


if __name__ == "__main__":
    sys.exit(main())
