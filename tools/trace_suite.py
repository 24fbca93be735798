#!/usr/bin/env python3
"""Records and compares the drawing traces of every page of every program.

A restructuring that must not change what a pupil sees is checked with it:

    tools/trace_suite.py record DIR     # before the change
    tools/trace_suite.py compare DIR    # after it: every trace must be the same

`record` runs the replay tool over a fixed set of runs and keeps each run's
arguments (DIR/NAME.args, one JSON object) beside its trace (DIR/NAME.jsonl.gz)
and exit status (DIR/NAME.status).
`compare` runs the same arguments again with the current build and reports every
trace that differs, with its first differing operation. The runs:
  - pages: each program, each section 1-9 and sub-menu item 1-9, walked on with
    key waits answered by Space and numbers by "1" (and once more answering
    every wait with Enter, so the random examples repeat), at several clocks;
  - walks: fixed-seed random keys (numbers, Enter, editing keys, others).
The replay tool is build/debug/lesson-replay unless --replay names another.
"""

import argparse
import concurrent.futures
import gzip
import json
import os
import random
import subprocess
import sys

PROGRAMS = ["corbisk", "pollvane", "merrowin", "tessarin"]
CLOCKS = ["00:00:00", "07:31:05", "12:00:59", "23:59:59"]
WALK_CLOCKS = ["09:15:30", "16:42:07"]
WALK_SEEDS = range(1, 41)
WALK_KEYS = 400

OTHER_KEYS = ["-", ".", "/", "Enter", "Backspace", "Clear", "Space", "Esc", "Tab",
              "Up", "Down", "Left", "Right", "0", "a"]


def page_runs():
    step_space = " ".join(["Space"] * 12 + ["1", "Enter"])
    step_enter = " ".join(["Enter"] * 8)
    for program in PROGRAMS:
        for section in range(1, 10):
            for item in range(1, 10):
                start = f"{section} Enter {item} Enter"
                for clock in CLOCKS:
                    tag = clock.replace(":", "")
                    yield (f"page-{program}-{section}-{item}-space-{tag}",
                           [program, "--clock", clock, "--keys",
                            start + " " + " ".join([step_space] * 6)])
                    yield (f"page-{program}-{section}-{item}-enter-{tag}",
                           [program, "--clock", clock, "--keys",
                            start + " " + " ".join([step_enter] * 10)])


def walk_keys(seed):
    rng = random.Random(seed)
    keys = []
    while len(keys) < WALK_KEYS:
        roll = rng.randrange(100)
        if roll < 45:
            number = ("-" if rng.randrange(10) == 0 else "") + str(rng.randrange(1, 10))
            if rng.randrange(6) == 0:
                number += str(rng.randrange(10))
            if rng.randrange(10) == 0:
                number += "/" + str(rng.randrange(4))
            keys += [number, "Enter"]
        elif roll < 65:
            keys.append("Enter")
        elif roll < 75:
            keys.append(str(rng.randrange(10)))
        else:
            keys.append(rng.choice(OTHER_KEYS))
    return " ".join(keys)


def walk_runs():
    for program in PROGRAMS:
        for seed in WALK_SEEDS:
            for clock in WALK_CLOCKS:
                tag = clock.replace(":", "")
                yield (f"walk-{program}-{seed}-{tag}",
                       [program, "--clock", clock, "--keys", walk_keys(seed)])


def run(replay, args, trace):
    result = subprocess.run([replay] + args + ["--trace", trace],
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=120)
    return result.returncode


def record(directory, replay):
    os.makedirs(directory, exist_ok=True)
    runs = list(page_runs()) + list(walk_runs())

    def one(entry):
        name, args = entry
        with open(os.path.join(directory, name + ".args"), "w") as f:
            json.dump(args, f, ensure_ascii=False)
        trace = os.path.join(directory, name + ".jsonl")
        status = run(replay, args, trace)
        with open(trace, "rb") as f, gzip.open(trace + ".gz", "wb", compresslevel=1) as out:
            out.write(f.read())
        os.remove(trace)
        with open(os.path.join(directory, name + ".status"), "w") as f:
            f.write(str(status))

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 4) as pool:
        list(pool.map(one, runs))
    print(f"recorded {len(runs)} traces in {directory}")
    return 0


def first_difference(was, now):
    la = was.decode().splitlines()
    with open(now) as f:
        lb = f.read().splitlines()
    for i, (x, y) in enumerate(zip(la, lb)):
        if x != y:
            return f"op {i + 1}:\n    was {x.rstrip()}\n    now {y.rstrip()}"
    return f"length {len(la)} -> {len(lb)} ops"


def compare(directory, replay, scratch):
    names = sorted(n[:-5] for n in os.listdir(directory) if n.endswith(".args"))
    os.makedirs(scratch, exist_ok=True)

    def one(name):
        with open(os.path.join(directory, name + ".args")) as f:
            args = json.load(f)
        trace = os.path.join(scratch, name + ".jsonl")
        status = run(replay, args, trace)
        with open(os.path.join(directory, name + ".status")) as f:
            was_status = int(f.read())
        with gzip.open(os.path.join(directory, name + ".jsonl.gz"), "rb") as f:
            was = f.read()
        with open(trace, "rb") as f:
            now = f.read()
        if was == now and status == was_status:
            os.remove(trace)
            return None
        if status != was_status:
            return f"{name}: exit status {was_status} -> {status}"
        return f"{name}: " + first_difference(was, trace)

    with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 4) as pool:
        differences = [d for d in pool.map(one, names) if d]
    for d in differences[:20]:
        print(d)
    print(f"compared {len(names)} traces: {len(differences)} differ")
    return 1 if differences else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=["record", "compare"])
    parser.add_argument("directory")
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--replay", default=os.path.join(root, "build/debug/lesson-replay"))
    parser.add_argument("--scratch", default=None,
                        help="where compare writes the new traces (default DIR.now)")
    options = parser.parse_args()
    if options.command == "record":
        return record(options.directory, options.replay)
    return compare(options.directory, options.replay,
                   options.scratch or options.directory.rstrip("/") + ".now")


if __name__ == "__main__":
    sys.exit(main())
