#!/usr/bin/env python3
"""Every C example of the user's guide, compiled and run as the guide says.

In: the folder of the built tools, the guide (Markdown) and a work folder.
Out: exit status 0 when every example behaved as its marker says, else 1
with the failures on standard error.

Each ```c block of the guide must follow a marker line

    <!-- example NAME: MODE [compiler options] [sim: simulator options] -->

and is written to NAME.c and compiled with the options. MODE is
- `compile`: the compilation must succeed (status 0);
- `run`: it is also linked with --startup and the default libraries and
  run on harrow-sim, which must halt (status 0 or 1) and print exactly the
  first ```text block of the guide after it (before the next C example);
- `errors`: the compilation must fail, and the compiler's console output,
  with the work folder left out of its file names, must be exactly that
  ```text block.
A ```text block whose first line is "$ COMMAND" shows a command of the
tool chain and its output: the command is run (its program taken from
BINDIR) and must print exactly the rest of the block.
A ```c block without a marker is itself a failure, so that no example of
the guide goes unchecked. An example whose NAME.c (and NAME.out) also lies
in the guide folder beside the guide must be the same text: the install
test uses those files.

usage: guide_examples.py BINDIR GUIDE WORKDIR"""
import os
import re
import shlex
import shutil
import subprocess
import sys

# harrow-sim's statuses of a halt after main: W = 0, or W not 0 (a void
# main leaves in W whatever its code put there).
HALTED = (0, 1)
GUIDE_FILES = ""
MARKER = re.compile(r"^<!-- example (\w+): (compile|run|errors)((?: \S+)*) -->$")


def blocks(lines):
    """(marker or None, language, text) of each fenced block, in order."""
    marker = None
    i = 0
    while i < len(lines):
        line = lines[i].rstrip("\n")
        m = MARKER.match(line)
        if m:
            marker = (m.group(1), m.group(2), m.group(3).split())
        elif line.startswith("```"):
            lang = line[3:].strip()
            j = i + 1
            while j < len(lines) and not lines[j].startswith("```"):
                j += 1
            yield marker, lang, "".join(lines[i + 1:j])
            marker = None
            i = j
        elif line.strip():
            marker = None if not line.startswith("<!--") else marker
        i += 1


def run(cmd, cwd):
    r = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=300)
    return r.returncode, r.stdout.decode(errors="replace")


def check_example(bindir, work, name, mode, options, source, expected):
    """A failure text, or None."""
    sim_options = options[options.index("sim:") + 1:] if "sim:" in options else []
    options = options[:options.index("sim:")] if "sim:" in options else options
    with open(os.path.join(work, name + ".c"), "w") as f:
        f.write(source)
    for ext, text in ((".c", source), (".out", expected)):
        copy = os.path.join(GUIDE_FILES, name + ext)
        if text is not None and os.path.exists(copy) and open(copy).read() != text:
            return f"{name}: the guide's text differs from {copy}"
    status, out = run([os.path.join(bindir, "velcqx-extended")] + options + [name + ".c"], work)
    if mode == "errors":
        out = out.replace(work + "/", "")   # the guide shows the names relative
        if status == 0:
            return f"{name}: compiled, but the guide shows errors"
        return None if out == expected else f"{name}: compiler said\n{out}\nguide shows\n{expected}"
    if status != 0:
        return f"{name}: compiler status {status}\n{out}"
    if mode == "compile":
        return None
    status, out = run([os.path.join(bindir, "harrow-link"), "--startup", "-o", name + ".hex", name + ".o"], work)
    if status != 0:
        return f"{name}: link status {status}\n{out}"
    status, out = run([os.path.join(bindir, "harrow-sim"), "-q"] + sim_options + [name + ".hex"], work)
    if status not in HALTED:
        return f"{name}: harrow-sim status {status}\n{out}"
    return None if out == expected else f"{name}: harrow-sim printed\n{out}\nguide shows\n{expected}"


def check_command(bindir, work, text):
    """A failure text, or None, for a ```text block that starts with '$ '."""
    first, _, expected = text.partition("\n")
    words = shlex.split(first[2:])
    status, out = run([os.path.join(bindir, words[0])] + words[1:], work)
    return None if out == expected else f"'{first}' printed\n{out}\nguide shows\n{expected}"


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    global GUIDE_FILES
    bindir, guide, work = (os.path.abspath(a) for a in sys.argv[1:])
    GUIDE_FILES = os.path.join(os.path.dirname(guide), "guide")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    found = list(blocks(open(guide).readlines()))
    failures = []
    checked = 0
    for k, (marker, lang, text) in enumerate(found):
        if lang == "text" and text.startswith("$ "):
            problem = check_command(bindir, work, text)
            failures += [problem] if problem else []
            checked += 1
            continue
        if lang != "c":
            continue
        if marker is None:
            failures.append(f"a C example without a marker:\n{text}")
            continue
        name, mode, options = marker
        expected = None
        if mode != "compile":
            following = []
            for _, l, t in found[k + 1:]:
                if l == "c":
                    break
                if l == "text":
                    following.append(t)
                    break
            if not following:
                failures.append(f"{name}: no ```text block after the example")
                continue
            expected = following[0]
        problem = check_example(bindir, work, name, mode, options, text, expected)
        if problem:
            failures.append(problem)
        checked += 1
    for f in failures:
        print("FAIL:", f, file=sys.stderr)
    print(f"{checked} examples and commands checked, {len(failures)} failures")
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
