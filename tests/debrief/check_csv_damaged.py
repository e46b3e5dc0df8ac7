#!/usr/bin/env python3
"""Plays a short practice scenario with defibrio-sim over AEDPRAC.CSV files left damaged or
unfinished, and reads each back with Python's csv module: the new row is the last one and whole,
what the file held stays in front of it, a damaged end is told once, and the trainee's name and ID,
which start like spreadsheet formulas, are text behind an apostrophe in the CSV while the report
file keeps them as registered."""
import csv
import io
import pathlib
import shutil
import subprocess
import sys

NAME = '=HYPERLINK("http://example.org/?x","y")'
ID = "+1-2"
SCRIPT = """date 12/8/26
option OptTroubleOdds 0
answer yes
random 0 0 0 1 2 1
register "=HYPERLINK(\\"http://example.org/?x\\",\\"y\\")" "+1-2" practice
new
begin
wait 2000
do PowerButtonClick
wait 60000
do EndButtonClick
show score
"""
DAMAGED = "The debrief file AEDPRAC.CSV was damaged"
# What a file held before the scenario, and whether it is damaged: a row left inside a quoted
# field, a last row without a line end (after a quoted field, too), a new file.
CASES = {
    "new file": (None, False),
    "open quote": (b'date,name\r\n12/7/26,"never closed\r\nmore', True),
    "no line end": (b"date,name\r\n12/7/26,old row", False),
    "closed quote": (b'date,name\r\n12/7/26,"old ""row"""', False),
}


def play(sim, folder, repeats):
    output = ""
    for _ in range(repeats):
        result = subprocess.run([sim], input=SCRIPT, cwd=folder, capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            sys.exit(f"defibrio-sim exited with {result.returncode}: {result.stderr}")
        output += result.stdout
    return output


def main():
    sim, work = sys.argv[1], pathlib.Path(sys.argv[2])
    shutil.rmtree(work, ignore_errors=True)
    header = None
    for case, (old, damaged) in CASES.items():
        folder = work / case.replace(" ", "-")
        folder.mkdir(parents=True)
        if old is not None:
            (folder / "AEDPRAC.CSV").write_bytes(old)
        output = play(sim, folder, 2)
        raw = (folder / "AEDPRAC.CSV").read_bytes()
        assert old is None or raw.startswith(old), f"{case}: what the file held is not kept in front"
        told = output.count(DAMAGED)
        assert told == (1 if damaged else 0), f"{case}: the damage was told {told} times"
        table = list(csv.reader(io.StringIO(raw.decode("utf-8"), newline="")))
        if old is None:
            header = table[0]
            assert len(table) == 3, f"{case}: {len(table)} rows"
        for row in table[-2:]:
            assert len(row) == len(header), f"{case}: the new row has {len(row)} columns: {row}"
            got = dict(zip(header, row))
            assert got["name"] == "'" + NAME, f"{case}: name {got['name']!r}"
            assert got["ID"] == "'" + ID, f"{case}: ID {got['ID']!r}"
            shown = [line.split(" ", 3)[3] for line in output.splitlines() if " show score " in line]
            assert got["score"] == shown[0], f"{case}: score {got['score']!r}, shown {shown[0]}"
        # What the program added keeps every rule of the format.
        added = raw[len(old) :] if old is not None else raw
        if damaged or (old is not None and not old.endswith(b"\r\n")):
            added = added[added.index(b"\r\n") + 2 :]
        list(csv.reader(io.StringIO(added.decode("utf-8"), newline=""), strict=True))
        report = (folder / "AEDPRAC.TXT").read_text(encoding="utf-8")
        assert report.startswith(NAME + ID), f"{case}: the report keeps the name as registered: {report!r}"
    print(f"AEDPRAC.CSV read back after {len(CASES)} kinds of ending: every new row whole and its name text")


if __name__ == "__main__":
    main()
