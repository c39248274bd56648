#!/usr/bin/env python3
"""The catalog on a large sample show.

    python3 bench/run_catalog.py BUILD_DIR [--runs N]

BUILD_DIR is a build configured with -DRINGVALE_BUILD_BENCH=ON (best Release).
The script makes a data root with `ringvale-cli demo --entries 2000 --dogs
100000`, numbers its armbands, gives it judges (add_demo_judges.py) and the
club info, then times in process, as medians of N runs (bench_catalog_timings):

  build     the catalog build (the aim: under 300 ms)
  booklets  the whole obedience and rally catalogs as booklet PDFs together
            (the aim: under 2 s)
"""
import argparse
import os
import pathlib
import subprocess
import tempfile

HERE = pathlib.Path(__file__).resolve().parent


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=11)
    args = parser.parse_args()
    cli = args.build / "app" / "ringvale-cli"
    with tempfile.TemporaryDirectory(prefix="ringvale-catalog-") as scratch:
        scratch = pathlib.Path(scratch)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        env.setdefault("XDG_RUNTIME_DIR", str(scratch / "runtime"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        root = scratch / "data"

        def run(*arguments):
            return subprocess.run([cli, "--data-dir", root, *arguments], env=env, check=True,
                                  capture_output=True, text=True).stdout.strip()

        print(run("demo", "--entries", "2000", "--dogs", "100000"))
        print(run("armbands", "assign", "--show", "1", "--order", "last-name"))
        subprocess.run(["/usr/bin/python3", HERE / "add_demo_judges.py", cli, root, "1"],
                       env=env, check=True, capture_output=True)
        with open(root / "gendefs.ini", "a", encoding="utf-8") as ini:
            ini.write("\n[ClubInfo]\nClubName=Riverbend Dog Training Club\n"
                      "\n[SecretaryInfo]\nName=Jo Marsh\n")
        show = next((root / "shows").glob("Show-00001-*.dbf"))
        steps = subprocess.run([args.build / "bench" / "bench_catalog_timings", root, show,
                                str(args.runs)], env=env, check=True, capture_output=True,
                               text=True)
        print(steps.stdout.strip())


if __name__ == "__main__":
    main()
