#!/usr/bin/env python3
"""Kills a program that keeps rewriting its buttons, at random moments, and
checks after each kill that Corvella.ini still parses and holds exactly one
whole record set: the one before the save that was cut short, or the one
after it. Never a mix, never fewer records, never an empty file.

    kill_saves.py SAVE_LOOP_EXE FOLDER_UNIX FOLDER_WINDOWS RECORDS KILLS

Runs the helper with the Wine of the environment (WINEPREFIX and friends set
by the caller)."""
import os
import random
import signal
import subprocess
import sys
import time

SEP = b"\xff"


def record(n, letter):
    return b"C:\\SET-" + letter + b"\\APP" + str(n).encode() + b".EXE" + SEP + b"1" + SEP + \
        b"tip " + str(n).encode() + SEP + b"text " + str(n).encode() + SEP


def initial_text(records):
    lines = [b"[Options]", b"Section1Name=One", b"[Buttons]"]
    lines += [b"Button%d=" % n + record(n, b"A") for n in range(1, records + 1)]
    return b"".join(line + b"\r\n" for line in lines)


def check(path, records):
    """The letter of the one record set the file holds; raises otherwise."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.endswith(b"\r\n"):
        raise AssertionError("the file does not end with a whole line (%d bytes)" % len(data))
    section, buttons, options = None, {}, {}
    for line in data.split(b"\r\n")[:-1]:
        if line.startswith(b"["):
            section = line.strip(b"[]")
            continue
        key, eq, value = line.partition(b"=")
        if not eq:
            raise AssertionError("a line that is not a key: %r" % line[:60])
        (buttons if section == b"Buttons" else options)[key] = value
    if options.get(b"Section1Name") != b"One":
        raise AssertionError("the [Options] section was lost")
    if len(buttons) != records:
        raise AssertionError("%d records instead of %d" % (len(buttons), records))
    letters = set()
    for n in range(1, records + 1):
        value = buttons.get(b"Button%d" % n)
        letter = value[7:8] if value else b"?"
        if value != record(n, letter):
            raise AssertionError("record %d is damaged: %r" % (n, value))
        letters.add(letter)
    if len(letters) != 1:
        raise AssertionError("records of both sets in one file")
    return letters.pop()


def main():
    exe, folder, folder_win, records, kills = sys.argv[1:6]
    records, kills = int(records), int(kills)
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "Corvella.ini")
    with open(path, "wb") as f:
        f.write(initial_text(records))
    rng = random.Random(int(os.environ.get("KILL_SEED", time.time())))
    seen = {b"A": 0, b"B": 0}
    started = time.time()
    for kill in range(kills):
        helper = subprocess.Popen(["wine", exe, folder_win], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        line = helper.stdout.readline()
        if line.strip() != b"saving":
            helper.kill()
            print("the helper did not start saving (exit %s)" % helper.wait())
            return 1
        time.sleep(rng.uniform(0, 0.03))
        os.kill(helper.pid, signal.SIGKILL)
        helper.wait()
        try:
            seen[check(path, records)] += 1
        except AssertionError as failure:
            print("after kill %d: %s" % (kill + 1, failure))
            return 1
    print("%d kills in %.0f s: the file held set A %d times and set B %d times, whole each time"
          % (kills, time.time() - started, seen[b"A"], seen[b"B"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
