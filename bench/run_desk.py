#!/usr/bin/env python3
"""The entry desk and the desktop's start on a large sample show.

    python3 bench/run_desk.py BUILD_DIR [--runs N]

BUILD_DIR is a build configured with -DRINGVALE_BUILD_BENCH=ON (best Release).
The script makes a data root with `ringvale-cli demo --entries 2000 --dogs
100000` (timed: the aim is under 10 s), then times as medians of N runs:

  first paint  bench_first_paint: the desktop program from its start to the
               first painted main window, as a whole process (offscreen)
  desk steps   bench_desk_operations: open, move, save and pack on the desk
"""
import argparse
import os
import pathlib
import statistics
import subprocess
import tempfile
import time


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=11)
    args = parser.parse_args()
    cli = args.build / "app" / "ringvale-cli"
    bench = args.build / "bench"
    with tempfile.TemporaryDirectory(prefix="ringvale-desk-") as scratch:
        scratch = pathlib.Path(scratch)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        env.setdefault("XDG_RUNTIME_DIR", str(scratch / "runtime"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        root = scratch / "data"
        start = time.perf_counter()
        made = subprocess.run([cli, "--data-dir", root, "demo", "--entries", "2000",
                               "--dogs", "100000"], env=env, check=True,
                              capture_output=True, text=True)
        demo = time.perf_counter() - start
        print(f"demo --entries 2000 --dogs 100000: {demo:.2f} s ({made.stdout.strip()})")

        paints = []
        for _ in range(args.runs):
            start = time.perf_counter()
            subprocess.run([bench / "bench_first_paint", "--data-dir", root], env=env,
                           check=True, capture_output=True)
            paints.append(time.perf_counter() - start)
        print(f"start-up to the first painted main window: "
              f"{statistics.median(paints) * 1000:.0f} ms")

        show = next((root / "shows").glob("Show-00001-*.dbf"))
        steps = subprocess.run([bench / "bench_desk_operations", root, show, str(args.runs)],
                               env=env, check=True, capture_output=True, text=True)
        print(steps.stdout.strip())


if __name__ == "__main__":
    main()
