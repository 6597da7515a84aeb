#!/usr/bin/env python3
"""The installed tool chain on its own.

In: the build folder (already built) and the first program of the user's
guide (docs/guide/hello.c with its expected output hello.out). Out: exit
status 0 when every check passed, else 1 with the failures on standard
error.

1. `cmake --install BUILD --prefix TMP/first`, then the whole tree is moved
   to TMP/moved/velcqx: the installed tools must find cppqx, the headers and
   the libraries relative to themselves.
2. From a scratch folder, with an environment that holds only PATH (no
   VELC_INCLUDE), the installed compiler compiles the program, harrow-link
   links it with --startup and the default libraries, harrow-sim runs it
   (once with the tools named by their paths, once found through PATH): its output must be the expected
   text and its status that of a halt (0 or 1: main is void).
3. The manual pages are installed and carry the programs' options.
4. With --deb (and cpack and dpkg-deb present): `cpack -G DEB`, the
   package's dependencies (popt and the C/C++ run-time libraries, nothing
   the build needs), and step 2 again with the tools of the package
   unpacked into a scratch root.

usage: install_test.py [--deb] CMAKE CPACK BUILD_DIR HELLO_C HELLO_OUT"""
import os
import shutil
import subprocess
import sys
import tempfile

failures = []
CMAKE, CPACK = "cmake", "cpack"
# harrow-sim's statuses for a program that halted after main: W = 0, or W
# not 0 (main is void, so W is whatever its code left there).
HALTED = (0, 1)


def check(ok, what):
    if not ok:
        failures.append(what)
    return ok


def run(cmd, cwd=None, env=None):
    r = subprocess.run(cmd, cwd=cwd, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=600)
    return r.returncode, r.stdout.decode(errors="replace")


def bare_env(extra_path=None):
    """Only PATH: nothing tells the tools where they were installed."""
    path = "/usr/bin:/bin"
    return {"PATH": f"{extra_path}:{path}" if extra_path else path}


def compile_link_run(prefix, source, expected, scratch, label):
    """Compiles, links and runs `source` with the tools of `prefix` only:
    once named by their paths, once found through PATH."""
    bindir = os.path.join(prefix, "bin")
    for how, env, tool in (("by path", bare_env(), lambda t: os.path.join(bindir, t)),
                           ("through PATH", bare_env(bindir), lambda t: t)):
        work = os.path.join(scratch, how.replace(" ", "-"))
        os.makedirs(work)
        shutil.copy(source, os.path.join(work, "hello.c"))
        steps = [[tool("velcqx-extended"), "hello.c"],
                 [tool("harrow-link"), "--startup", "-o", "hello.hex", "hello.o"],
                 [tool("harrow-sim"), "-q", "hello.hex"]]
        for cmd in steps:
            status, out = run(cmd, cwd=work, env=env)
            ok = status in HALTED if cmd is steps[-1] else status == 0
            if not check(ok, f"{label}, tools {how}: {' '.join(cmd)}: status {status}\n{out}"):
                break
        else:
            check(out == expected, f"{label}, tools {how}: simulator output\n{out}\nexpected\n{expected}")


def check_layout(prefix, label):
    for path in ["bin/velcqx-extended", "bin/velcqx-dump", "bin/harrow-link", "bin/harrow-sim",
                 "libexec/velcqx/cppqx", "include/velcqx/stdio.h", "include/velcqx/harrow.h",
                 "lib/velcqx/libc.a", "lib/velcqx/runtime.a", "share/doc/velcqx-extended/README.md",
                 "share/doc/velcqx-extended/docs/user-guide.md"]:
        check(os.path.exists(os.path.join(prefix, path)), f"{label}: {path} is not installed")
    # Each page is made from its program's help: it names an option of it.
    pages = {"velcqx-extended": "help\\-message", "cppqx": "\\-\\-include", "velcqx-dump": "disassemble",
             "harrow-link": "\\-\\-startup", "harrow-sim": "\\-\\-cycles"}
    for name, option in pages.items():
        page = os.path.join(prefix, "share/man/man1", name + ".1")
        text = open(page).read() if os.path.exists(page) else ""
        check(f".TH {name.upper()} 1" in text and option in text, f"{label}: manual page {name}.1 missing or without {option}")


def check_package(build, tmp, source, expected):
    if not shutil.which("dpkg-deb"):
        print("dpkg-deb missing: package not checked")
        return
    status, out = run([CPACK, "-G", "DEB", "-B", os.path.join(tmp, "pkg")], cwd=build)
    if not check(status == 0, f"cpack: status {status}\n{out}"):
        return
    debs = [f for f in os.listdir(os.path.join(tmp, "pkg")) if f.endswith(".deb")]
    if not check(len(debs) == 1, f"cpack made {debs}"):
        return
    deb = os.path.join(tmp, "pkg", debs[0])
    status, depends = run(["dpkg-deb", "-f", deb, "Depends"])
    names = {d.strip().split()[0] for d in depends.replace("|", ",").split(",") if d.strip()}
    check("libpopt0" in names, f"package depends on {sorted(names)}: no libpopt0")
    allowed = {"libpopt0", "libc6", "libstdc++6", "libgcc-s1", "libasan8", "libubsan1"}
    check(names <= allowed, f"package depends on more than the run-time libraries: {sorted(names - allowed)}")
    root = os.path.join(tmp, "root")
    status, out = run(["dpkg-deb", "-x", deb, root])
    if check(status == 0, f"dpkg-deb -x: {out}"):
        check_layout(os.path.join(root, "usr"), "package")
        compile_link_run(os.path.join(root, "usr"), source, expected, os.path.join(tmp, "scratch-deb"), "package")


def main():
    args = sys.argv[1:]
    deb = "--deb" in args
    args = [a for a in args if a != "--deb"]
    if len(args) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    global CMAKE, CPACK
    CMAKE, CPACK = args[0], args[1]
    build, source, expected_path = (os.path.abspath(a) for a in args[2:])
    expected = open(expected_path).read()
    with tempfile.TemporaryDirectory(prefix="velc-install-") as tmp:
        first = os.path.join(tmp, "first")
        status, out = run([CMAKE, "--install", build, "--prefix", first])
        if not check(status == 0, f"cmake --install: status {status}\n{out}"):
            return report()
        moved = os.path.join(tmp, "moved", "velcqx")
        os.makedirs(os.path.dirname(moved))
        shutil.move(first, moved)
        check_layout(moved, "moved tree")
        compile_link_run(moved, source, expected, os.path.join(tmp, "scratch"), "moved tree")
        if deb:
            check_package(build, tmp, source, expected)
    return report()


def report():
    for f in failures:
        print("FAIL:", f, file=sys.stderr)
    if not failures:
        print("installed tools: all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
