#!/usr/bin/python3
"""Gives a demo show judges, so its catalog's judge lines show names.

    /usr/bin/python3 bench/add_demo_judges.py CLI ROOT SHOW

The demo command makes no judges: this appends four invented judges to
ROOT/userdata/judges25.dbf and assigns them, with `ringvale-cli judges
assign`, the classes of both trials of the show.
"""
import subprocess
import sys

import dbf

# The classes the demo show offers in both its trials.
OBEDIENCE = "ORNA,ORNB,OROA,OROB,ORUA,ORUB,ONPN,ONGN,ONVT,ONBR,ONTM"
RALLY = "RRNA,RRNB,RRAA,RRAB,RREA,RREB,RNTC,RNPR"
JUDGES = [
    ("00901", "Ann", "Whitcombe", OBEDIENCE),
    ("00902", "Victor", "Halloran", OBEDIENCE),
    ("00903", "Rosa", "Delacroix", RALLY),
    ("00904", "Tom", "Fairweather", RALLY),
]
# Trial 1: the first and third judges; trial 2: the second and fourth.
TRIALS = {1: [0, 2], 2: [1, 3]}


def main():
    cli, root, show = sys.argv[1:4]
    table = dbf.Table(f"{root}/userdata/judges25.dbf")
    table.open(dbf.READ_WRITE)
    known = {record.judgenum.strip() for record in table}
    for number, first, last, _ in JUDGES:
        if number not in known:
            table.append({"judgenum": number, "first": first, "last": last})
    table.close()
    for trial, judges in TRIALS.items():
        for index in judges:
            number, _, _, classes = JUDGES[index]
            subprocess.run([cli, "--data-dir", root, "judges", "assign", "--show", show,
                            "--trial", str(trial), "--judge", number, "--classes", classes],
                           check=True)


if __name__ == "__main__":
    main()
