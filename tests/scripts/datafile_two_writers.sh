#!/usr/bin/env bash
# Two writers at once never mix, and a reader never sees half a file. Each
# pair starts two writers on one data file, their input held back until
# both run and then given to both at the same moment:
#   - appends: two `import --append`, each adding one data-input, while a
#     `list` reads the file;
#   - saves: two dialogue sessions, each saving a typed graph;
# on a plain data file (replaced by rename) and on one with a second hard
# link (rewritten in place); and a tenth as many appends on a data file that
# does not exist yet, which both writers set out to make. Every pair must end as one of the two orders:
# the data file holds the old content with both data-inputs added, or one of
# the two graphs, and the backup holds what the second writer replaced; the
# second link sees the data file's content; both writers end with status 0
# and say nothing but the one line that tells a wait; the list shows the
# file before, between or after the appends, never a part; no hidden file is
# left beside the data file.
#
# UGRAPH_APPEND_PAIRS and UGRAPH_SAVE_PAIRS set the counts (200 and 100 on
# each kind of file); a sanitized build (UGRAPH_SANITIZED=1) runs a quarter
# of them, its sessions being several times slower.
#
#   datafile_two_writers.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
[ -x /usr/bin/python3 ] || { echo "no /usr/bin/python3 to start the writers together"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
appends=${UGRAPH_APPEND_PAIRS:-200}
saves=${UGRAPH_SAVE_PAIRS:-100}
if [ "${UGRAPH_SANITIZED:-0}" = 1 ]; then
    appends=$(((appends + 3) / 4))
    saves=$(((saves + 3) / 4))
    echo "sanitized build: a quarter of the pairs"
    # Under load the leak checker may report on standard error that it could
    # not stop a thread: its own words, not ugraph's. Leaks are the other
    # tests' business.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
fi

/usr/bin/python3 - "$binary" "$scratch" "$appends" "$saves" <<'EOF'
import os, shutil, subprocess, sys

binary, scratch, append_pairs, save_pairs = sys.argv[1], sys.argv[2], int(sys.argv[3]), int(sys.argv[4])
DATA = "GraphDataFile2.txt"
# Large enough that a copy of it takes a while, so the writers overlap.
OLD = b"Graphs of the two-writer trials\n" + b'[U "g", (1),2, (2)]\n' * 12000
ADDED = {"A": b'[U "A", (1),5, (2),5, (3),5, (4),5, (5)]\n',
         "B": b'[U "B", (1),5, (2),5, (3),5, (4),5, (5)]\n'}
SAVED = {"A": b'[U "A", (1),2,3, (2),3, (3)]', "B": b'[U "B", (1),2,3, (2),3, (3)]'}
WAIT_NOTE = f"{DATA} is in use by another program; waiting up to 10 seconds for it"
failures = 0


def fail(text):
    global failures
    failures += 1
    print("FAIL: " + text, flush=True)


def content(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except FileNotFoundError:
        return None


def fresh_folder(linked, missing=False):
    work = os.path.join(scratch, "pair")
    shutil.rmtree(work, ignore_errors=True)
    os.mkdir(work)
    if missing:
        return work
    with open(os.path.join(work, DATA), "wb") as f:
        f.write(OLD)
    if linked:
        os.link(os.path.join(work, DATA), os.path.join(work, "second link"))
    return work


def together(work, commands):
    """Starts the commands, then gives each its standard input at once;
    gives (status, stdout, stderr) of each. Their output goes to files, so
    that none waits on a full pipe while it holds the data file."""
    children = []
    for k, (args, _) in enumerate(commands):
        out = open(os.path.join(scratch, f"out{k}"), "w+b")
        err = open(os.path.join(scratch, f"err{k}"), "w+b")
        children.append((subprocess.Popen(args, cwd=work, stdin=subprocess.PIPE, stdout=out,
                                          stderr=err), out, err))
    for (child, _, _), (_, typed) in zip(children, commands):
        child.stdin.write(typed)
    for child, _, _ in children:
        child.stdin.close()
    ran = []
    for child, out, err in children:
        status = child.wait()
        out.seek(0)
        err.seek(0)
        ran.append((status, out.read(), err.read().decode(errors="replace")))
        out.close()
        err.close()
    return ran


def leftovers(work):
    return sorted(name for name in os.listdir(work) if name.startswith("." + DATA + "."))


def check_writer(what, ran, wait_line):
    status, out, err = ran
    lines = [line for line in err.splitlines() if line != "ugraph: " + WAIT_NOTE]
    if status != 0 or lines:
        fail(f"{what}: status {status}, said {err.strip()!r}")
        return 0
    waited = err.count(WAIT_NOTE) + out.decode(errors="replace").count(wait_line)
    if waited > 1:
        fail(f"{what}: told its wait {waited} times")
    return waited


def check_folder(what, work, linked, orders):
    """orders: the (data file, backup) pairs that a whole sequence leaves."""
    data, backup = content(os.path.join(work, DATA)), content(os.path.join(work, DATA + ".bak"))
    mixed = 0
    if (data, backup) not in orders:
        mixed = 1
        fail(f"{what}: neither order: data file of {len(data or b'')} bytes ending "
             f"{(data or b'')[-60:]!r}, backup of {len(backup or b'')} bytes")
    if linked and content(os.path.join(work, "second link")) != data:
        mixed = 1
        fail(f"{what}: the second link does not see the data file's content")
    left = leftovers(work)
    if left:
        fail(f"{what}: hidden files left: {left}")
    return mixed, len(left)


def appends(linked, pairs, missing=False):
    kind = "missing" if missing else "hard-linked" if linked else "plain"
    old = b"" if missing else OLD
    before = 0 if missing else 12000
    counts = {"mixed": 0, "left": 0, "refused": 0, "waited": 0, "listed": {}}
    listed_counts = {before: "before", before + 1: "between", before + 2: "after"}
    for pair in range(pairs):
        work = fresh_folder(linked, missing)
        commands = [([binary, "import", "--from", "graph6", "--name", name, "--append"], b"D?{\n")
                    for name in ("A", "B")]
        commands.append(([binary, "list"], b""))
        *writers, lister = together(work, commands)
        what = f"{kind} append pair {pair}"
        for name, ran in zip("AB", writers):
            if ran[0] != 0:
                counts["refused"] += 1
            counts["waited"] += check_writer(f"{what}, writer {name}", ran, WAIT_NOTE)
        a, b = old + ADDED["A"], old + ADDED["B"]
        mixed, left = check_folder(what, work, linked,
                                   [(a + ADDED["B"], a), (b + ADDED["A"], b)])
        counts["mixed"] += mixed
        counts["left"] += left
        status, out, err = lister
        lines = out.split(b"\n")
        state = listed_counts.get(len(lines) - 1)
        if missing and status == 2 and out == b"" and "No such file" in err:
            state = "before"
        elif status != 0 or lines[-1] != b"" or state is None or any(
                line != b'%d  "g"  2 nodes  1 link' % (k + 1) for k, line in enumerate(lines[:before])):
            fail(f"{what}: the list read a part of a file: status {status}, {len(lines) - 1} lines, "
                 f"said {err.strip()!r}")
            state = None
        if state is not None:
            counts["listed"][state] = counts["listed"].get(state, 0) + 1
    seen = ", ".join(f"{n} {state}" for state, n in sorted(counts["listed"].items()))
    print(f"{kind} data file, {pairs} pairs of appends: {counts['mixed']} mixed results, "
          f"{counts['left']} leftovers, {counts['refused']} false refusals; "
          f"{counts['waited']} writers waited for the other; the list saw the file {seen}",
          flush=True)


def saves(linked, pairs):
    kind = "hard-linked" if linked else "plain"
    counts = {"mixed": 0, "left": 0, "refused": 0, "waited": 0}
    for pair in range(pairs):
        work = fresh_folder(linked)
        commands = [([binary], b"K\n%s\n3\n2 3\n3\n\nN\n\n\n" % name.encode()) for name in "AB"]
        writers = together(work, commands)
        what = f"{kind} save pair {pair}"
        for name, ran in zip("AB", writers):
            said = ran[1].decode(errors="replace")
            if "Error" in said:
                counts["refused"] += 1
                fail(f"{what}, writer {name}: {said.strip().splitlines()[-1]}")
            counts["waited"] += check_writer(f"{what}, writer {name}", ran, "Note: " + WAIT_NOTE)
        mixed, left = check_folder(what, work, linked,
                                   [(SAVED["B"], SAVED["A"]), (SAVED["A"], SAVED["B"])])
        counts["mixed"] += mixed
        counts["left"] += left
    print(f"{kind} data file, {pairs} pairs of saves: {counts['mixed']} mixed results, "
          f"{counts['left']} leftovers, {counts['refused']} false refusals; "
          f"{counts['waited']} writers waited for the other", flush=True)


for linked in (False, True):
    appends(linked, append_pairs)
    saves(linked, save_pairs)
appends(False, max(1, append_pairs // 10), missing=True)
sys.exit(1 if failures else 0)
EOF
