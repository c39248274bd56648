#!/usr/bin/env python3
"""The show day's paperwork on a large sample show.

    python3 bench/run_trial_day.py BUILD_DIR [--runs N]

BUILD_DIR is a build configured with -DRINGVALE_BUILD_BENCH=ON (best Release).
The script makes a data root with `ringvale-cli demo --entries 2000 --dogs
100000`, numbers the armbands in last-name order, then runs
bench_trial_day_paperwork: the gate steward lists of both sections, the
score-box sheets and the judge's book of every rally class of every trial,
each written as a PDF, as medians of N runs (the aim: together under 2 s).
"""
import argparse
import os
import pathlib
import subprocess
import tempfile


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=11)
    args = parser.parse_args()
    cli = args.build / "app" / "ringvale-cli"
    bench = args.build / "bench" / "bench_trial_day_paperwork"
    with tempfile.TemporaryDirectory(prefix="ringvale-trialday-") as scratch:
        scratch = pathlib.Path(scratch)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        env.setdefault("XDG_RUNTIME_DIR", str(scratch / "runtime"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        root = scratch / "data"
        made = subprocess.run([cli, "--data-dir", root, "demo", "--entries", "2000",
                               "--dogs", "100000"], env=env, check=True,
                              capture_output=True, text=True)
        print(made.stdout.strip())
        numbered = subprocess.run([cli, "--data-dir", root, "armbands", "assign", "--show",
                                   "1", "--order", "last-name"], env=env, check=True,
                                  capture_output=True, text=True)
        print(numbered.stdout.strip())
        timed = subprocess.run([bench, root, str(args.runs)], env=env, check=True,
                               capture_output=True, text=True)
        print(timed.stdout.strip())


if __name__ == "__main__":
    main()
