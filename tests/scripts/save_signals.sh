#!/usr/bin/env bash
# A signal that asks ugraph to end (INT, TERM, HUP, QUIT) and arrives while
# it saves waits until the save is complete. Each trial starts a session that
# loads data-input 1 and saves it (its answers already on standard input),
# sends the signal after a random delay, and then finds:
#   - the data file holding the old content and no backup (ended before the
#     save), or the new content with the old one as the backup (ended during
#     or after the save): never a mix, never one without the other;
#   - no hidden temporary file, .GraphDataFile2.txt.XXXXXX or
#     .GraphDataFile2.txt.bak.XXXXXX.
# Every other trial has a second link to the data file, so half of the saves
# rewrite it in place and write the backup as a copy. Sessions without a
# signal first measure how long a session lasts and when its save holds the
# signals; half of the delays fall anywhere in the session, half in and
# around the save, so the trials hit it however fast the disk syncs.
# A SIGKILL cannot wait: the trials with it count the named temporary files
# left (the text has no name until shortly before its rename) and the data
# files a rewrite in place left cut short, and fail only on a data file a
# rename left neither old nor new.
#
#   save_signals.sh <ugraph>
set -u
binary=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
[ -x /usr/bin/python3 ] || { echo "no /usr/bin/python3 to time the signals"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A signal that lands in the leak check at the end of a sanitized run makes
# the checker report on stderr that it could not stop the thread: its own
# words, not ugraph's. Leaks are the other tests' business.
if [ "${UGRAPH_SANITIZED:-0}" = 1 ]; then
    export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
fi

# The trials share their helpers in lib/trials.py.
PYTHONPATH="$(dirname "$0")/lib" /usr/bin/python3 - "$binary" "$scratch" <<'EOF'
import os, random, resource, shutil, signal, statistics, subprocess, sys, time
from trials import content, fail, failed, leftovers

binary, scratch = sys.argv[1], sys.argv[2]
DATA = "GraphDataFile2.txt"
OLD = b'Graphs kept for the signal trials\n[U "Old", (2),1]\n' + b'[U "g", (1),2, (2)]\n' * 5000
NEW = b'[U "Old", (1),2, (2)]'
ENDING = (signal.SIGINT, signal.SIGTERM, signal.SIGHUP, signal.SIGQUIT)
ENDING_BITS = sum(1 << (number - 1) for number in ENDING)
typed = os.path.join(scratch, "typed")
with open(typed, "wb") as f:
    f.write(b"F\n1\nN\n\n\n")
def as_started_by_a_shell():
    # The signals act as they would on a fresh terminal session: default
    # actions, none blocked, and no core file from SIGQUIT.
    for number in ENDING:
        signal.signal(number, signal.SIG_DFL)
    signal.pthread_sigmask(signal.SIG_SETMASK, [])
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))


def signal_state(pid):
    """The signals pending for the process and those it blocks, as bit sets."""
    try:
        with open(f"/proc/{pid}/status") as status:
            fields = dict(line.split(":", 1) for line in status if ":" in line)
        return int(fields["ShdPnd"], 16), int(fields["SigBlk"], 16)
    except (OSError, KeyError, ValueError):
        return 0, 0


def bit(number):
    return 1 << (number - 1)


def session(in_place, number=None, delay=0.0, watch=False):
    """One saving session; gives (exit status, seconds, held, folder). With
    a signal, held tells whether it was seen waiting, blocked by the save;
    when watched, held is the span the save blocked the ending signals."""
    work = os.path.join(scratch, "trial")
    shutil.rmtree(work, ignore_errors=True)
    os.mkdir(work)
    with open(os.path.join(work, DATA), "wb") as f:
        f.write(OLD)
    if in_place:
        os.link(os.path.join(work, DATA), os.path.join(work, "other.txt"))
    held = None
    with open(typed, "rb") as stdin, open(os.path.join(scratch, "stderr"), "wb") as stderr:
        child = subprocess.Popen([binary], cwd=work, stdin=stdin, stdout=subprocess.DEVNULL,
                                 stderr=stderr, preexec_fn=as_started_by_a_shell)
        start = time.perf_counter()
        if watch:
            blocked_at = []
            while child.poll() is None:
                if signal_state(child.pid)[1] & ENDING_BITS == ENDING_BITS:
                    blocked_at.append(time.perf_counter() - start)
                time.sleep(0.0002)
            held = (blocked_at[0], blocked_at[-1]) if blocked_at else None
        elif number is not None:
            time.sleep(delay)
            child.send_signal(number)
            pending, blocked = signal_state(child.pid)
            held = bool(pending & blocked & bit(number))
        status = child.wait()
        seconds = time.perf_counter() - start
    if os.path.getsize(os.path.join(scratch, "stderr")):
        fail(f"ugraph wrote to stderr: {content(os.path.join(scratch, 'stderr'))[:200]!r}")
    return status, seconds, held, work


def how_it_ended(work, in_place):
    """'before' or 'after' the save, or None for a state no save may leave."""
    data, backup = content(os.path.join(work, DATA)), content(os.path.join(work, DATA + ".bak"))
    if in_place and content(os.path.join(work, "other.txt")) != data:
        return None
    if data == OLD and backup is None:
        return "before"
    if data == NEW and backup == OLD:
        return "after"
    return None


# Each way of saving: the session's usual length, and when its save blocks
# the signals, which set the delays. Watching the blocked signals slows the
# session down, so the span seen is scaled to an unwatched session.
length, save = {}, {}
for in_place in (False, True):
    runs, watched, spans = [], [], []
    for watch in [False, True] * 5:
        status, seconds, span, work = session(in_place, watch=watch)
        if status != 0 or how_it_ended(work, in_place) != "after" or leftovers(work, DATA):
            fail(f"a session without a signal did not save as it should (status {status})")
        (watched if watch else runs).append(seconds)
        spans += [span] if span else []
    length[in_place] = statistics.median(runs)
    way = "in place" if in_place else "by rename"
    seen = "its save too short to be seen"
    if spans:
        scale = length[in_place] / statistics.median(watched)
        save[in_place] = tuple(statistics.median(edge) * scale for edge in zip(*spans))
        seen = "its save blocks signals from %.1f to %.1f ms" % tuple(t * 1e3 for t in save[in_place])
    print(f"saving {way}: a session lasts {length[in_place] * 1e3:.1f} ms, {seen}")


def random_delay(trial, in_place):
    if trial % 4 < 2 or in_place not in save:
        return random.uniform(0, length[in_place])
    first, last = save[in_place]
    margin = (last - first) / 2
    return random.uniform(max(0.0, first - margin), last + margin)


saves_hit = 0
for number in ENDING:
    counts = {"before": 0, "after": 0, "held": 0, "finished": 0}
    for trial in range(75):
        in_place = trial % 2 == 1
        delay = random_delay(trial, in_place)
        status, _, was_held, work = session(in_place, number, delay)
        what = f"{number.name} trial {trial} after {delay * 1e6:.0f} us"
        ended = how_it_ended(work, in_place)
        if leftovers(work, DATA):
            fail(f"{what}: temporary files left: {leftovers(work, DATA)}")
        if ended is None:
            fail(f"{what}: the data file is neither its old content nor the new one with a backup")
        elif status == 0 and ended == "after":
            counts["finished"] += 1
        elif status == -number:
            counts[ended] += 1
            counts["held"] += was_held
        else:
            fail(f"{what}: exit status {status}")
    print(f"{number.name}: 75 trials: {counts['before']} ended before the save, "
          f"{counts['after']} during or after it ({counts['held']} held while saving), "
          f"{counts['finished']} had ended already", flush=True)
    saves_hit += counts["after"]
if saves_hit == 0:
    fail("no trial ended during or after its save: the delays missed the saves")

kill_left = {"text": 0, "backup": 0}
kill_ended = {"before": 0, "after": 0, None: 0}
for trial in range(100):
    in_place = trial % 2 == 1
    status, _, _, work = session(in_place, signal.SIGKILL, random_delay(trial, in_place))
    for name in leftovers(work, DATA):
        kill_left["backup" if name.startswith(f".{DATA}.bak.") else "text"] += 1
    data = content(os.path.join(work, DATA))
    if data == OLD or data == NEW:
        kill_ended["before" if data == OLD else "after"] += 1
    else:
        kill_ended[None] += 1
        if not in_place:
            fail(f"SIGKILL trial {trial}: a save by rename left the data file neither old nor new")
print(f"SIGKILL: 100 trials: {kill_ended['before']} old data file, {kill_ended['after']} new, "
      f"{kill_ended[None]} cut short while rewritten in place; temporary files left: "
      f"{kill_left['text']} of the text, {kill_left['backup']} of the backup")
sys.exit(1 if failed() else 0)
EOF
