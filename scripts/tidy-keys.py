#!/usr/bin/python3
"""Prints, for each source named on the command line, a key that changes
whenever what clang-tidy would read changes: the source as the build folder's
compile command preprocesses it (every header it reaches, our own and the
system's), the command's options, the checks and clang-tidy's version. The
repository's own path is taken out, so clones in other places share keys.

Usage: tidy-keys.py BUILD FILE... -> lines "KEY FILE"
"""
import hashlib
import json
import os
import shlex
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor


def options(entry):
    """The compile command's options without the output and the compiler."""
    args = shlex.split(entry["command"]) if "command" in entry else list(entry["arguments"])
    kept, skip = [], False
    for a in args[1:]:
        if skip:
            skip = False
        elif a == "-o":
            skip = True
        elif a != "-c" and not a.endswith(entry["file"]):
            kept.append(a)
    return kept


def key(entry, common, root):
    flags = options(entry)
    done = subprocess.run(["clang++", *flags, "-Wno-unknown-warning-option", "-w", "-E", entry["file"]],
                          cwd=entry["directory"], capture_output=True)
    if done.returncode != 0:
        return None  # clang-tidy will say what is wrong
    h = hashlib.sha256(common)
    h.update(" ".join(flags).replace(root, "@").encode())
    h.update(done.stdout.replace(root.encode(), b"@"))
    return h.hexdigest()


def main():
    build, files = sys.argv[1], sys.argv[2:]
    root = os.getcwd()
    db = {os.path.realpath(e["file"]): e for e in json.load(open(os.path.join(build, "compile_commands.json")))}
    version = subprocess.run(["clang-tidy", "--version"], capture_output=True).stdout
    common = version + open(".clang-tidy", "rb").read() + open("scripts/tidy.sh", "rb").read()
    with ThreadPoolExecutor(os.cpu_count() or 2) as pool:
        keys = pool.map(lambda f: key(db[os.path.realpath(f)], common, root), files)
        for f, k in zip(files, keys):
            print(k or "none", f)


if __name__ == "__main__":
    main()
