#!/usr/bin/env bash
# A kill at any instant of a save loses nothing and leaves nothing that makes
# the next save unsafe.
#   - The state a kill between the backup and the rename leaves, made by
#     hand: the backup a second link to the data file, a hidden second link
#     of the backup on its way, a hidden temporary file of the text. The next
#     save clears the hidden files, keeps the old content as the backup and
#     replaces the data file by a rename, not in place.
#   - SIGKILL trials: a session that loads data-input 1 and saves it, killed
#     after a random delay (half of them in and around its save, found by
#     watching when it blocks the signals that end it), then an ordinary
#     save of a typed graph. After the kill the data file holds its old
#     content or the new one, never a part; after the ordinary save it holds
#     the typed graph, the backup holds what the data file held before it,
#     complete, and no hidden file is left.
#
# UGRAPH_KILL_TRIALS sets the count of trials (600); a sanitized build
# (UGRAPH_SANITIZED=1) runs a third of them, its sessions being slower.
#
#   save_kills.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
[ -x /usr/bin/python3 ] || { echo "no /usr/bin/python3 to time the kills"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
trials=${UGRAPH_KILL_TRIALS:-600}
if [ "${UGRAPH_SANITIZED:-0}" = 1 ]; then
    trials=$(((trials + 2) / 3))
    echo "sanitized build: a third of the trials"
    # Under load the leak checker may report on standard error that it could
    # not stop a thread: its own words, not ugraph's. Leaks are the other
    # tests' business.
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
fi

# The trials share their helpers in lib/trials.py.
PYTHONPATH="$(dirname "$0")/lib" /usr/bin/python3 - "$binary" "$scratch" "$trials" <<'EOF'
import os, random, shutil, signal, statistics, subprocess, sys, time
from trials import content, fail, failed, leftovers

binary, scratch, trials = sys.argv[1], sys.argv[2], int(sys.argv[3])
DATA = "GraphDataFile2.txt"
OLD = b'Graphs kept for the kill trials\n[U "Old", (2),1]\n' + b'[U "g", (1),2, (2)]\n' * 5000
NEW = b'[U "Old", (1),2, (2)]'
OLDER = b'[U "Older", (1),2, (2)]'
TYPED = b'[U "Typed", (1),2,3, (2),3, (3)]'
ENDING_BITS = sum(1 << (s - 1) for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT))
def blocked(pid):
    try:
        with open(f"/proc/{pid}/status") as status:
            fields = dict(line.split(":", 1) for line in status if ":" in line)
        return int(fields["SigBlk"], 16)
    except (OSError, KeyError, ValueError):
        return 0


def marked(name, random):
    """A hidden name of ugraph's: the stem, its mark, six random characters
    and four hex digits of an FNV-1a checksum of all before them."""
    hidden = f".{name}.~ugraph.{random}"
    total = 2166136261
    for byte in hidden.encode():
        total = ((total ^ byte) * 16777619) & 0xFFFFFFFF
    return hidden + f"{total & 0xFFFF:04x}"


def fresh_folder():
    work = os.path.join(scratch, "trial")
    shutil.rmtree(work, ignore_errors=True)
    os.mkdir(work)
    for name, text in ((DATA, OLD), (DATA + ".bak", OLDER)):
        with open(os.path.join(work, name), "wb") as f:
            f.write(text)
    return work


def session(work, typed, kill_after=None, watch=False):
    """Gives (status, seconds, the span the save blocked the signals)."""
    with open(os.path.join(scratch, "stderr"), "wb") as stderr:
        child = subprocess.Popen([binary], cwd=work, stdin=subprocess.PIPE,
                                 stdout=subprocess.DEVNULL, stderr=stderr)
        child.stdin.write(typed)
        child.stdin.close()
        start = time.perf_counter()
        span = None
        if watch:
            seen = []
            while child.poll() is None:
                if blocked(child.pid) & ENDING_BITS == ENDING_BITS:
                    seen.append(time.perf_counter() - start)
                time.sleep(0.0002)
            span = (seen[0], seen[-1]) if seen else None
        elif kill_after is not None:
            time.sleep(kill_after)
            child.kill()
        status = child.wait()
        seconds = time.perf_counter() - start
    said = content(os.path.join(scratch, "stderr"))
    if said:
        fail(f"ugraph wrote to stderr: {said[:200]!r}")
    return status, seconds, span


LOAD_AND_SAVE = b"F\n1\nN\n\n\n"
TYPE_AND_SAVE = b"K\nTyped\n3\n2 3\n3\n\nN\n\n\n"


def ordinary_save(work, what):
    """The save after a kill: gives whether it kept everything, and the
    count of hidden files it left."""
    before = content(os.path.join(work, DATA))
    status, _, _ = session(work, TYPE_AND_SAVE)
    backup = content(os.path.join(work, DATA + ".bak"))
    kept = True
    if status != 0 or content(os.path.join(work, DATA)) != TYPED:
        fail(f"{what}: the ordinary save did not save (status {status})")
        kept = False
    if backup != before:
        fail(f"{what}: the backup is not the content before the ordinary save "
             f"({len(backup or b'')} bytes, not {len(before or b'')})")
        kept = False
    left = len(leftovers(work, DATA))
    if left:
        fail(f"{what}: hidden files after the ordinary save: {leftovers(work, DATA)}")
    return kept, left


# The state of a kill between the backup and the rename, made by hand.
work = fresh_folder()
data_path = os.path.join(work, DATA)
os.remove(data_path + ".bak")
os.link(data_path, data_path + ".bak")
os.link(data_path, os.path.join(work, marked(f"{DATA}.bak", "k1LLed")))
with open(os.path.join(work, marked(DATA, "Xy9Z0q")), "wb") as f:
    f.write(NEW[:7])
inode = os.stat(data_path).st_ino
ordinary_save(work, "the kill state made by hand")
if content(data_path + ".bak") != OLD:
    fail("the kill state made by hand: the old content is not the backup")
if os.stat(data_path).st_ino == inode:
    fail("the kill state made by hand: the data file was rewritten in place, not renamed")
print("the kill state (data file and backup one file, hidden files beside them), then a save: "
      f"backup {'holds the old content' if content(data_path + '.bak') == OLD else 'LOST'}, "
      f"{len(leftovers(work, DATA))} hidden files left", flush=True)

# When a session saves: its length, and the span its save blocks the
# signals (scaled, since watching slows it down).
runs, watched, spans = [], [], []
for watch in [False, True] * 5:
    status, seconds, span = session(fresh_folder(), LOAD_AND_SAVE, watch=watch)
    if status != 0:
        fail(f"a session without a kill ended with status {status}")
    (watched if watch else runs).append(seconds)
    spans += [span] if span else []
length = statistics.median(runs)
save = None
if spans:
    scale = length / statistics.median(watched)
    save = tuple(statistics.median(edge) * scale for edge in zip(*spans))
print(f"a session lasts {length * 1e3:.1f} ms"
      + (", its save from %.1f to %.1f ms" % tuple(t * 1e3 for t in save) if save else ""),
      flush=True)

after_kill = {"old": 0, "new": 0, "kill state": 0}
hidden_after_kill = 0
lost = left_after = 0
for trial in range(trials):
    if trial % 2 == 0 or save is None:
        delay = random.uniform(0, length)
    else:
        margin = max((save[1] - save[0]) / 2, 0.0005)
        delay = random.uniform(max(0.0, save[0] - margin), save[1] + margin)
    work = fresh_folder()
    session(work, LOAD_AND_SAVE, kill_after=delay)
    what = f"trial {trial} (killed after {delay * 1e6:.0f} us)"
    data, backup = content(os.path.join(work, DATA)), content(os.path.join(work, DATA + ".bak"))
    hidden_after_kill += len(leftovers(work, DATA))
    if data == OLD and os.path.samefile(os.path.join(work, DATA), os.path.join(work, DATA + ".bak")):
        after_kill["kill state"] += 1
    elif data == OLD and backup == OLDER:
        after_kill["old"] += 1
    elif data == NEW and backup == OLD:
        after_kill["new"] += 1
    else:
        fail(f"{what}: data file of {len(data or b'')} bytes, backup of {len(backup or b'')}: "
             "neither the old state nor the new one")
    kept, left = ordinary_save(work, what)
    lost += 0 if kept else 1
    left_after += left
print(f"{trials} SIGKILL trials: {after_kill['old']} left the old content, {after_kill['new']} "
      f"the new one, {after_kill['kill state']} the data file and backup as one file, "
      f"{hidden_after_kill} hidden files left by the kills; after the ordinary save: {lost} lost "
      f"content, {left_after} hidden files", flush=True)
sys.exit(1 if failed() else 0)
EOF
