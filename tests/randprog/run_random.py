#!/usr/bin/env python3
"""Runs random programs from randprog.py through the tool chain.

In: the tools (compiler, linker, simulator), the run-time and check-support
objects, the folder of check.h, a first seed and a count. Out: one line per
failing program and a summary; exit status 0 when nothing failed.

  run:     each program is compiled (even seeds with default options, odd
           seeds with -Oi+ and the model's promotion), linked with
           harrow-link --startup and run on harrow-sim; it passes when main
           returns 0, which it does only if every variable holds the value
           the host model predicted.
  compile: each program is only compiled; counted are message 100 (a tree
           the selector does not cover), other compiler messages, internal
           errors (a crash or an exit status above 2) and clean objects.

Failing programs are kept in the work folder with the command that shows
the failure.

usage: run_random.py run|compile --tools BINDIR --runtime OBJ --support OBJ
                     --include DIR --work DIR [--first N] [--count N]
                     [--options="OPTS"]"""
import argparse
import collections
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import randprog  # noqa: E402


def s_run(cmd, cwd, timeout=60):
    try:
        r = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=timeout)
        return r.returncode, r.stdout.decode(errors="replace"), r.stderr.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return -1, "", "timed out"


def compile_one(a, seed, work):
    promote = seed % 2 == 1
    name = f"r{seed}"
    src = os.path.join(work, name + ".c")
    with open(src, "w") as f:
        f.write(randprog.generate(seed, promote))
    cmd = [os.path.join(a.tools, "velcqx-extended"), "-p", "Harrow", "-I", a.include, "-nw", "1157"]
    if promote:
        cmd.append("-Oi+")
    cmd += a.options.split()
    cmd += ["-fo", name + ".o", "-fe", name + ".err", src]
    status, out, err = s_run(cmd, work)
    text = out + err
    errfile = os.path.join(work, name + ".err")
    if os.path.exists(errfile):
        text += open(errfile, errors="replace").read()
    return name, cmd, status, text


def classify(status, text):
    if status < 0 or status > 2:
        return "internal error"
    if re.search(r"\[100\]|Bad terminal|Null tree|Bad goal nonterminal", text):
        return "message 100"
    if status != 0:
        return "other message"
    return "compiled"


def first_line(text):
    for line in text.splitlines():
        if re.search(r"Error|Bad |Null|rror|\[1\d\d\]", line):
            return line.strip()[:160]
    return text.strip().splitlines()[0][:160] if text.strip() else ""


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("mode", choices=["run", "compile"])
    ap.add_argument("--tools", required=True)
    ap.add_argument("--runtime")
    ap.add_argument("--support")
    ap.add_argument("--include", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--first", type=int, default=1)
    ap.add_argument("--count", type=int, default=200)
    ap.add_argument("--keep", action="store_true", help="keep the programs that pass")
    ap.add_argument("--options", default="", help="more compiler options for every program (e.g. \"-ml -Op-\")")
    a = ap.parse_args()
    for key in ("tools", "runtime", "support", "include", "work"):
        if getattr(a, key):
            setattr(a, key, os.path.abspath(getattr(a, key)))
    os.makedirs(a.work, exist_ok=True)
    counts = collections.Counter()
    reasons = collections.Counter()
    failed = 0
    for seed in range(a.first, a.first + a.count):
        name, cmd, status, text = compile_one(a, seed, a.work)
        kind = classify(status, text)
        counts[kind] += 1
        if kind != "compiled":
            reasons[first_line(text)] += 1
        if a.mode == "compile":
            if kind == "internal error":
                print(f"seed {seed}: internal error (status {status}): {' '.join(cmd)}")
            elif not a.keep:
                for ext in (".c", ".o", ".err"):
                    if os.path.exists(os.path.join(a.work, name + ext)):
                        os.remove(os.path.join(a.work, name + ext))
            continue
        if kind != "compiled":
            failed += 1
            print(f"seed {seed}: compile: {first_line(text)}")
            continue
        lcmd = [os.path.join(a.tools, "harrow-link"), "--startup", "-o", name + ".hex", name + ".o",
                a.support, a.runtime]
        status, out, err = s_run(lcmd, a.work)
        if status != 0:
            failed += 1
            counts["link failed"] += 1
            print(f"seed {seed}: link: {(out + err).strip()[:160]}")
            continue
        rcmd = [os.path.join(a.tools, "harrow-sim"), "-c", "50000000", name + ".hex"]
        status, out, err = s_run(rcmd, a.work)
        if status != 0:
            failed += 1
            counts["wrong result" if status == 1 else "run failed"] += 1
            print(f"seed {seed}: run (status {status}): {out.strip()[:200]} {err.strip()[:120]}")
            continue
        counts["passed"] += 1
        if not a.keep:
            for ext in (".c", ".o", ".err", ".hex", ".map"):
                p = os.path.join(a.work, name + ext)
                if os.path.exists(p):
                    os.remove(p)
    print(f"{a.count} programs (seeds {a.first}..{a.first + a.count - 1}): "
          + ", ".join(f"{k} {v}" for k, v in sorted(counts.items())))
    if reasons:
        print("most frequent messages:")
        for r, n in reasons.most_common(12):
            print(f"  {n:6d}  {r}")
    if a.mode == "compile":
        return 1 if counts["internal error"] or counts["message 100"] else 0
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
