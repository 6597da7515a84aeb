#!/usr/bin/env python3
"""Code-generation benchmark: compiles, links and runs each benchmark program
and prints its program bytes and cycles beside the targets.

In: the folder of the tools, the run-time object, and a folder of benchmark
programs (each includes bench.h and ends with bench_finish) with a README.md
whose targets table lists, per program, EXPECTED, target bytes and target
cycles. Out: a table per setting (default options, -Oi+, and the optimiser
off with -O-) with, per
program, the program bytes (code and constant-data sections of the program's
own object, and its initialised data, from the link map), the cycles of
main's first call on harrow-sim (its first instruction to its return), the
run's verdict from bench_status and bench_result, and each figure as a
percentage of its target; totals over the programs that passed.

With --check BASELINE it runs only the default setting and -O-, and
compares the totals with the file BASELINE (see read_baseline): it exits 1
when a program does not pass, when the total program bytes of a setting
exceed the baseline's, or when the total cycles exceed the baseline's by more
than CYCLE_TOLERANCE; it exits 77 (skipped) when there are no programs. With
--write BASELINE it runs the same two settings and writes their totals to
BASELINE, for a change that means to alter them.

With --switches it runs the default, every optimisation switched off on its
own, the first optimiser's passes alone (the data-flow passes and procedural
abstraction off), -O- and -Oi+, and ends with a table of the totals and
their change from the default.

usage: bench_codegen.py [--check BASELINE | --write BASELINE | --switches]
                        BINDIR RUNTIME [PROGRAMS_DIR]"""
import os
import re
import subprocess
import sys
import tempfile

CYCLE_LIMIT = 5000000
SETTINGS = [("default", []), ("-Oi+", ["-Oi+"]), ("-O-", ["-O-"])]
BASELINE_SETTINGS = [("default", []), ("-O-", ["-O-"])]
SWITCH_SETTINGS = ([("default", [])] +
                   [(o, [o]) for o in ("-On-", "-Ob-", "-Opa-", "-Od-", "-Op-", "-Or-", "-Ow-", "-Os-",
                                       "-Ot-", "-Ou-", "-Om-")] +
                   [("first optimiser only", ["-Od-", "-Op-", "-Or-", "-Opa-"]), ("-O-", ["-O-"]),
                    ("-Oi+", ["-Oi+"])])
# Cycles may grow by this fraction over the baseline before --check fails: a
# change that saves bytes may cost a few cycles, and the cycle figures are
# the secondary measure. Program bytes have no tolerance.
CYCLE_TOLERANCE = 0.01
SKIPPED = 77


def read_targets(folder):
    """{program: (expected, bytes, cycles)} from the README's targets table."""
    targets = {}
    readme = os.path.join(folder, "README.md")
    if not os.path.exists(readme):
        return targets
    row = re.compile(r"^\|\s*`([\w.]+\.c)`\s*\|\s*(0x[0-9A-Fa-f]+)\s*\|\s*([\d,]+)\s*\|\s*([\d,]+)\s*\|")
    for line in open(readme):
        m = row.match(line)
        if m:
            targets[m.group(1)] = (int(m.group(2), 16), int(m.group(3).replace(",", "")),
                                   int(m.group(4).replace(",", "")))
    return targets


def program_bytes(map_path, obj_name):
    """Bytes of program memory that the object's own sections occupy."""
    total = 0
    in_sections = False
    for line in open(map_path):
        if line.startswith("Sections:"):
            in_sections = True
            continue
        if in_sections and line.startswith("Symbols:"):
            break
        f = line.split()
        if in_sections and len(f) >= 5 and f[0] != "name":
            kind, size, owner = f[1], int(f[3], 16), os.path.basename(f[4])
            if owner == obj_name and kind in ("code", "romdata", "idata"):
                total += size
    return total


def run(cmd, cwd):
    r = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=600)
    return r.returncode, r.stdout.decode(errors="replace"), r.stderr.decode(errors="replace")


def dumped(out, name):
    m = re.search(rf"^{name} \(data 0x[0-9A-F]+, \d+ bytes\):((?: [0-9A-F]{{2}})+)", out, re.M)
    if not m:
        return None
    value = 0
    for i, b in enumerate(m.group(1).split()):
        value |= int(b, 16) << (8 * i)
    return value


def measure(bindir, runtime, source, expected, options, work):
    """(verdict, bytes, cycles); bytes and cycles are None unless it ran."""
    name = os.path.splitext(os.path.basename(source))[0]
    obj = name + ".o"
    status, out, err = run([os.path.join(bindir, "velcqx-extended"), "-p", "Harrow", "-nw", "1157",
                            "-I", os.path.dirname(source)] + options + ["-fo", obj, "-fe", name + ".err", source], work)
    if status != 0 or not os.path.exists(os.path.join(work, obj)):
        text = out + err + open(os.path.join(work, name + ".err"), errors="replace").read() \
            if os.path.exists(os.path.join(work, name + ".err")) else out + err
        first = next((l for l in text.splitlines() if re.search(r"Error|Bad |Null|\[100\]", l)), text.strip()[:80])
        return f"compile failed: {first.strip()[:60]}", None, None
    status, out, err = run([os.path.join(bindir, "harrow-link"), "--startup", "-o", name + ".hex", obj, runtime], work)
    if status != 0:
        return f"link failed: {(out + err).strip()[:60]}", None, None
    size = program_bytes(os.path.join(work, name + ".map"), obj)
    status, out, err = run([os.path.join(bindir, "harrow-sim"), "-c", str(CYCLE_LIMIT), "-m", name + ".map",
                            "--time", "main", "-d", "bench_status", "-d", "bench_result", name + ".hex"], work)
    m = re.search(r"main: (\d+) cycles", err)
    cycles = int(m.group(1)) if m else None
    st, res = dumped(out, "bench_status"), dumped(out, "bench_result")
    if status == 3:
        verdict = "wrong result" if st == 0xEE else "cycle limit"
    elif status != 0:
        verdict = f"run failed (status {status})"
    elif st != 0x5A or res != expected or cycles is None:
        verdict = f"wrong result (status {st}, result {res})"
    else:
        verdict = "pass"
    return verdict, size, cycles if verdict == "pass" else None


def pct(value, target):
    return f"{100.0 * value / target:6.1f}%" if value is not None and target else "      -"


def run_setting(bindir, runtime, folder, sources, targets, label, options):
    """Prints the table of one setting; returns (passed, total bytes, total cycles)."""
    print(f"\nsetting: {label}")
    print(f"{'program':<12} {'bytes':>7} {'target':>7} {'%':>7}   {'cycles':>10} {'target':>10} {'%':>7}   verdict")
    tb = tc = gb = gc = 0
    passed = 0
    with tempfile.TemporaryDirectory() as work:
        for src in sources:
            expected, tbytes, tcycles = targets.get(src, (None, None, None))
            verdict, size, cycles = measure(bindir, runtime, os.path.join(folder, src), expected, options, work)
            shown_size = size if verdict == "pass" else None
            print(f"{src:<12} {shown_size if shown_size is not None else '-':>7} {tbytes or '-':>7} "
                  f"{pct(shown_size, tbytes)}   {cycles if cycles is not None else '-':>10} "
                  f"{tcycles if tcycles else '-':>10} {pct(cycles, tcycles)}   {verdict}")
            if verdict == "pass":
                passed += 1
                gb += size
                gc += cycles
                tb += tbytes or 0
                tc += tcycles or 0
    print(f"{'total':<12} {gb:>7} {tb:>7} {pct(gb, tb) if passed else '      -'}   {gc:>10} {tc:>10} "
          f"{pct(gc, tc) if passed else '      -'}   {passed} of {len(sources)} passed"
          + (" (totals over the programs that passed)" if passed < len(sources) else ""))
    return passed, gb, gc


def read_baseline(path):
    """{(setting, "bytes" | "cycles"): value} from lines `SETTING bytes|cycles N`;
    '#' starts a comment."""
    base = {}
    for number, line in enumerate(open(path), 1):
        f = line.split("#", 1)[0].split()
        if not f:
            continue
        if len(f) != 3 or f[1] not in ("bytes", "cycles") or not f[2].isdigit():
            raise ValueError(f"{path}:{number}: expected 'SETTING bytes|cycles NUMBER'")
        base[(f[0], f[1])] = int(f[2])
    return base


def write_baseline(path, totals, count):
    with open(path, "w") as out:
        out.write(f"# Totals of the {count} code-generation benchmark programs: program bytes and\n"
                  "# cycles of main, per setting. The test bench_codegen_baseline fails when a\n"
                  "# total grows; rewrite with `ninja bench_codegen_baseline` (see README.md).\n")
        for label, (size, cycles) in totals.items():
            out.write(f"{label} bytes {size}\n{label} cycles {cycles}\n")


def compare(base, totals):
    """Lines that say what got worse than the baseline (empty when nothing did)."""
    worse = []
    for label, (size, cycles) in totals.items():
        bsize, bcycles = base.get((label, "bytes")), base.get((label, "cycles"))
        if bsize is None or bcycles is None:
            worse.append(f"{label}: no baseline figures")
            continue
        print(f"{label}: bytes {size} (baseline {bsize}), cycles {cycles} (baseline {bcycles})")
        if size > bsize:
            worse.append(f"{label}: program bytes {size} exceed the baseline {bsize}")
        if cycles > bcycles * (1 + CYCLE_TOLERANCE):
            worse.append(f"{label}: cycles {cycles} exceed the baseline {bcycles} "
                         f"by more than {CYCLE_TOLERANCE:.0%}")
        if size < bsize or cycles < bcycles:
            print(f"{label}: better than the baseline; update it to keep the gain")
    return worse


def s_print_switch_table(totals):
    base_size, base_cycles = totals["default"]
    print("\n| setting | program bytes | cycles |\n|---|---:|---:|")
    for label, (size, cycles) in totals.items():
        ds = f" ({(size - base_size) / base_size:+.1%})" if label != "default" else ""
        dc = f" ({(cycles - base_cycles) / base_cycles:+.1%})" if label != "default" else ""
        print(f"| {label} | {size:,}{ds} | {cycles:,}{dc} |")


def main():
    args = sys.argv[1:]
    mode = baseline = None
    settings = SETTINGS
    if args and args[0] == "--switches":
        settings, args = SWITCH_SETTINGS, args[1:]
    elif args and args[0] in ("--check", "--write"):
        if len(args) < 2:
            print(__doc__)
            return 2
        mode, baseline, args = args[0], args[1], args[2:]
    if len(args) < 2:
        print(__doc__)
        return 2
    bindir, runtime = os.path.abspath(args[0]), os.path.abspath(args[1])
    folder = args[2] if len(args) > 2 else "/work/shared/codegen-bench"
    if not os.path.isdir(folder):
        folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "programs")
    if not os.path.isdir(folder):
        print(f"no benchmark programs in {folder}")
        return SKIPPED if mode else 1
    targets = read_targets(folder)
    sources = sorted(f for f in os.listdir(folder) if f.endswith(".c"))
    print(f"programs: {folder}; cycle limit {CYCLE_LIMIT:,}")
    totals = {}
    failed = False
    for label, options in (BASELINE_SETTINGS if mode else settings):
        passed, size, cycles = run_setting(bindir, runtime, folder, sources, targets, label, options)
        failed = failed or passed < len(sources)
        totals[label] = (size, cycles)
    if mode is None:
        if settings is SWITCH_SETTINGS:
            s_print_switch_table(totals)
        return 0
    if failed:
        print("\nnot every program passed: no figures to compare")
        return 1
    if mode == "--write":
        write_baseline(baseline, totals, len(sources))
        print(f"\nwrote {baseline}")
        return 0
    print()
    try:
        base = read_baseline(baseline)
    except (OSError, ValueError) as e:
        print(f"cannot read the baseline: {e}")
        return 1
    worse = compare(base, totals)
    for line in worse:
        print("worse than the baseline: " + line)
    return 1 if worse else 0


if __name__ == "__main__":
    sys.exit(main())
