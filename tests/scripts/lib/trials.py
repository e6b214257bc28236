"""What the trial scripts that run ugraph many times share: the count of
failures (the script's status), a file's bytes or None when it is missing,
and the hidden names a save leaves beside the data file."""
import os

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


def leftovers(work, data):
    return sorted(name for name in os.listdir(work) if name.startswith("." + data + "."))


def failed():
    return failures > 0
