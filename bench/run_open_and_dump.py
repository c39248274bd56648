#!/usr/bin/env python3
"""Whole-process timings of the engine against plain C++ yardsticks.

    python3 bench/run_open_and_dump.py BUILD_DIR [--runs N]

BUILD_DIR is a build configured with -DRINGVALE_BUILD_BENCH=ON (best Release),
with the bench programs and ringvale-cli built. The script writes the 100,000-dog
master into a fresh data root, then times, as medians of N runs each, taken in
turn so that a disturbance of the machine falls on every program alike:

  open     bench_open_dog_master: open the dog master and build its three tags
  keys     plain_sort_dog_keys: read the file, compute the three keys, sort each
  dump     ringvale-cli --data-dir ROOT dump Dogs --tag OWNERNAME
  plain    plain_dump_dogs: read, sort by owner name and write the same CSV

It checks that both dumps wrote the same bytes, and prints the ratios open/keys
(aim: at most 0.5) and dump/plain (aim: at most 1.2).
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time


def timed(command, output, env):
    with open(output, "wb") as out:
        start = time.perf_counter()
        subprocess.run(command, stdout=out, check=True, env=env)
        return time.perf_counter() - start


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=11)
    args = parser.parse_args()
    bench = args.build / "bench"
    cli = args.build / "app" / "ringvale-cli"

    with tempfile.TemporaryDirectory(prefix="ringvale-bench-") as scratch:
        scratch = pathlib.Path(scratch)
        env = dict(os.environ)
        if "XDG_RUNTIME_DIR" not in env:  # else Qt in ringvale-cli warns on every run
            env["XDG_RUNTIME_DIR"] = str(scratch / "runtime")
            os.mkdir(env["XDG_RUNTIME_DIR"], 0o700)
        root = scratch / "data"
        master = root / "userdata" / "dogmaster2.dbf"
        subprocess.run([bench / "bench_make_dog_master", master], check=True)
        programs = {
            "open": ([bench / "bench_open_dog_master", master], "/dev/null"),
            "keys": ([bench / "plain_sort_dog_keys", master], "/dev/null"),
            "dump": ([cli, "--data-dir", root, "dump", "Dogs", "--tag", "OWNERNAME"],
                     scratch / "dump.csv"),
            "plain": ([bench / "plain_dump_dogs", master], scratch / "plain.csv"),
        }
        times = {name: [] for name in programs}
        for run in range(args.runs + 1):  # the first run only warms the caches
            for name, (command, output) in programs.items():
                seconds = timed(command, output, env)
                if run > 0:
                    times[name].append(seconds)
        same = (scratch / "dump.csv").read_bytes() == (scratch / "plain.csv").read_bytes()
        size = master.stat().st_size / (1 << 20)

    print(f"dog master: {size:.1f} MiB, {args.runs} runs each, whole-process wall time")
    medians = {}
    for name, seconds in times.items():
        medians[name] = statistics.median(seconds)
        print(f"  {name:6} median {medians[name] * 1000:7.1f} ms  "
              f"(min {min(seconds) * 1000:.1f}, max {max(seconds) * 1000:.1f})")
    print(f"open / keys  = {medians['open'] / medians['keys']:.2f}  (aim: at most 0.50)")
    print(f"dump / plain = {medians['dump'] / medians['plain']:.2f}  (aim: at most 1.20)")
    if not same:
        print("the two dumps differ", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
