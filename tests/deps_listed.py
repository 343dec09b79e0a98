#!/usr/bin/python3
"""Checks that every Debian package the build uses is one that `make deps` installs.

Usage: deps_listed.py SOURCE_DIR BUILD_DIR [--makefile FILE] [--also FILE...]

What the build uses, as a Ninja build folder records it: the CMake files the
configure step read (the inputs of build.ninja), the headers each object was
compiled from (ninja's deps log), the tools and libraries the build runs and
links (ninja -t inputs), the compiler and CMake themselves, and every shared
library the programs it makes load (ldd). --also adds the programs (by name on
PATH, or by path or pattern) and plug-ins that the tests start or load when
they are installed, with the libraries they load.

Each file is mapped to its package with dpkg-query -S. A package counts as
installed by `make deps` when one of the Makefile's install lists (`make -s
packages`) names it, or when a listed or essential package depends on it
(Depends and Pre-Depends, recursively; `make deps` installs no Recommends).
A file of a package outside that set, or of no package at all, is what a
fresh machine would lack: the check prints the packages to add and exits 1
(a program or plug-in of --also that no package installed is only reported).
It needs no network. Exits 2 when it cannot read the build folder.
"""

import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
from collections import defaultdict

# The tools of the build, from the CMake cache.
CACHE_TOOLS = ("CMAKE_CXX_COMPILER", "CMAKE_AR", "CMAKE_RANLIB", "CMAKE_MAKE_PROGRAM", "CMAKE_COMMAND",
               "CMAKE_CTEST_COMMAND", "CMAKE_CPACK_COMMAND", "PKG_CONFIG_EXECUTABLE")
LINK_RULES = ("CXX_EXECUTABLE_LINKER", "CXX_SHARED_LIBRARY_LINKER", "CXX_MODULE_LIBRARY_LINKER")


def run(args, check=True):
    done = subprocess.run(args, capture_output=True, text=True)
    if check and done.returncode != 0:
        print("deps_listed: %s failed (%d):\n%s" % (" ".join(args), done.returncode, done.stderr),
              file=sys.stderr)
        sys.exit(2)
    return done


def listed_packages(source, makefile):
    out = run(["make", "-s", "--no-print-directory", "-C", source, "-f", makefile, "packages"]).stdout
    return set(out.split())


def cache_entries(build):
    entries = {}
    with open(os.path.join(build, "CMakeCache.txt"), encoding="utf-8", errors="replace") as cache:
        for line in cache:
            m = re.match(r"([A-Za-z_0-9]+):[A-Z]+=(.*)$", line.rstrip("\n"))
            if m:
                entries[m.group(1)] = m.group(2)
    return entries


def used_files(build, also):
    """Absolute paths the build read, ran, linked or loaded, with what used each."""
    ninja = cache_entries(build).get("CMAKE_MAKE_PROGRAM", "ninja")
    used = defaultdict(set)
    for line in run([ninja, "-C", build, "-t", "query", "build.ninja"]).stdout.splitlines():
        path = line.strip().lstrip("|").strip()
        if path.startswith("/"):
            used[path].add("configure")
    for line in run([ninja, "-C", build, "-t", "deps"]).stdout.splitlines():
        if line.startswith("    /"):
            used[line.strip()].add("compiled")
    for line in run([ninja, "-C", build, "-t", "inputs", "all"]).stdout.splitlines():
        if line.startswith("/"):
            used[line].add("linked or run")
    cache = cache_entries(build)
    for name in CACHE_TOOLS:
        if cache.get(name, "").startswith("/"):
            used[cache[name]].add(name)
    programs = []
    for line in run([ninja, "-C", build, "-t", "targets", "all"]).stdout.splitlines():
        output, _, rule = line.rpartition(": ")
        if rule.startswith(LINK_RULES):
            programs.append(os.path.join(build, output))
    for name in also:
        for path in glob.glob(name) if name.startswith("/") else [shutil.which(name)]:
            if path:
                used[path].add("tests")
                if os.path.isfile(path):
                    with open(path, "rb") as f:
                        if f.read(4) == b"\x7fELF":
                            programs.append(path)
    for program in programs:
        if not os.path.exists(program):
            continue
        for line in run(["ldd", program], check=False).stdout.splitlines():
            m = re.match(r"\s*(\S+) => not found", line)
            if m:
                used[m.group(1)].add("not found, needed by " + os.path.basename(program))
                continue
            m = re.match(r"\s*(?:\S+ => )?(/\S+) \(0x", line)
            if m:
                used[m.group(1)].add("loaded by " + os.path.basename(program))
    return used


def owners(paths):
    """The packages owning each path (dpkg-query -S), trying the merged /usr twin and the link's target."""
    found = {}

    def ask(candidates):
        originals = defaultdict(list)
        for original, candidate in candidates.items():
            originals[candidate].append(original)
        batch = sorted(originals)
        for start in range(0, len(batch), 2000):
            out = run(["dpkg-query", "-S"] + batch[start:start + 2000], check=False).stdout
            for line in out.splitlines():
                names, _, path = line.partition(": ")
                if not line.startswith("diversion by "):
                    for original in originals.get(path, ()):
                        found[original] = {n.strip().split(":")[0] for n in names.split(",")}

    def twin(path):
        for short in ("/lib/", "/lib64/", "/bin/", "/sbin/"):
            if path.startswith(short):
                return "/usr" + path
            if path.startswith("/usr" + short):
                return path[len("/usr"):]
        return path

    wanted = [p for p in paths if p.startswith("/")]
    ask({p: p for p in wanted})
    for other in (twin, os.path.realpath, lambda p: twin(os.path.realpath(p))):
        rest = {p: other(p) for p in wanted if p not in found}
        if rest:
            ask(rest)
    return found


def installed_packages():
    """Installed packages: name -> (essential, dependency groups); and virtual name -> providers."""
    fmt = "${db:Status-Abbrev}\t${Package}\t${Essential}\t${Provides}\t${Pre-Depends}, ${Depends}\n"
    packages, providers = {}, defaultdict(set)
    for line in run(["dpkg-query", "-W", "-f=" + fmt]).stdout.splitlines():
        status, name, essential, provides, depends = (line.split("\t") + [""] * 5)[:5]
        if not status.startswith("ii"):
            continue
        groups = [[alt.split("(")[0].strip().split(":")[0] for alt in group.split("|")]
                  for group in depends.split(",") if group.strip()]
        old = packages.get(name, (False, []))
        packages[name] = (old[0] or essential == "yes", old[1] + groups)
        for virtual in provides.split(","):
            if virtual.strip():
                providers[virtual.split("(")[0].strip()].add(name)
    return packages, providers


def pulled_in(roots, packages, providers):
    """The roots and every installed package they depend on; an alternative counts when installed."""
    seen, todo = set(), [r for r in roots if r in packages]
    while todo:
        name = todo.pop()
        if name in seen:
            continue
        seen.add(name)
        for group in packages[name][1]:
            for alt in group:
                todo.extend(p for p in [alt] + sorted(providers.get(alt, ())) if p in packages)
    return seen


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source")
    parser.add_argument("build")
    parser.add_argument("--makefile", help="default: SOURCE_DIR/Makefile")
    parser.add_argument("--also", nargs="*", default=[])
    args = parser.parse_args()
    source, build = os.path.realpath(args.source), os.path.realpath(args.build)
    if not os.path.exists(os.path.join(build, "build.ninja")):
        print("deps_listed: %s is not a Ninja build folder" % build, file=sys.stderr)
        return 2

    listed = listed_packages(source, os.path.abspath(args.makefile or os.path.join(source, "Makefile")))
    used = {path: why for path, why in used_files(build, args.also).items()
            if not os.path.realpath(path).startswith((source + "/", build + "/"))}
    owner = owners(used)
    packages, providers = installed_packages()
    essential = {name for name, (is_essential, _) in packages.items() if is_essential}
    installed = pulled_in(listed | essential, packages, providers)

    def why(path):
        return ", ".join(sorted(used[path]))[:100]

    unowned = sorted(p for p in used if p not in owner and used[p] != {"tests"})
    for path in sorted(p for p in used if p not in owner and used[p] == {"tests"}):
        print("deps_listed: %s, which the tests use, comes from no Debian package: not checked" % path)
    missing = defaultdict(list)
    for path, names in owner.items():
        if not names & installed:
            missing[min(names)].append(path)
    # Name the fewest packages that bring every missing one along.
    brought = {name: pulled_in([name], packages, providers) & set(missing) for name in missing}
    to_add, covered = [], set()
    for name in sorted(missing, key=lambda n: (-len(brought[n]), n)):
        if name not in covered:
            to_add.append(name)
            covered |= brought[name]

    if not unowned and not missing:
        print("deps_listed: %d files the build used come from %d packages, each named or pulled in by the "
              "Makefile's install lists" % (len(owner), len(set().union(*owner.values()))))
        return 0
    for name in sorted(to_add):
        print("Missing from the Makefile's install lists: %s" % name)
        for other in sorted(brought[name] - {name}):
            print("  (it brings %s too)" % other)
        paths = sorted(sum((missing[n] for n in brought[name]), []))
        for path in paths[:8]:
            print("    %s (%s)" % (path, why(path)))
        if len(paths) > 8:
            print("    and %d more" % (len(paths) - 8))
    for path in unowned:
        print("Not from any installed Debian package: %s (%s)" % (path, why(path)))
    if to_add:
        print("Add to PACKAGES in the Makefile (or to the list of the optional part that uses it): "
              + " ".join(sorted(to_add)))
    return 1


if __name__ == "__main__":
    sys.exit(main())
