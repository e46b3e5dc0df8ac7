#!/usr/bin/env python3
"""Plays the scripts of this folder with defibrio-sim in a fresh folder and reads the rows they
leave in AEDPRAC.CSV and AEDTEST.CSV back with Python's csv module: every column of every row
against what the scenario showed of itself (its score, time and measures by `show`, its penalties
from `show events`), and the file's form (UTF-8, CR LF, one header)."""
import csv
import io
import pathlib
import shutil
import subprocess
import sys

HEADER = ["date", "time", "mode", "name", "ID", "scenario kind", "patient", "score", "elapsed seconds",
          "first shock seconds", "timeToPowerOn", "timeToFirstAnalysis", "timeToFirstShock", "cprFraction",
          "longestHandsOffPause", "preShockPause", "postShockPause", "penalties", "penalty texts",
          "protocol", "first shock verdict", "fatalShock", "exam", "scenario"]
MEASURES = HEADER[10:17] + ["fatalShock"]
PATIENT = "Your patient is a 62 y.o. male who was found unconscious."


def scenarios(output):
    """What each scenario showed: its `show` values and the texts of its penalties."""
    found = []
    current = None
    for line in output.splitlines():
        words = line.split(" ", 3)
        if len(words) >= 3 and words[1] == "show" and words[2] == "events":
            current = {"penalties": []}
            found.append(current)
        elif current is not None and len(words) == 4 and words[1] == "show":
            current[words[2]] = words[3]
        elif current is not None and len(words) == 4 and words[1] == "score" and words[2].startswith("-"):
            current["penalties"].append(words[3])
    return found


def run(sim, script, folder):
    result = subprocess.run([sim, str(script)], cwd=folder, capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{script.name}: defibrio-sim exited with {result.returncode}: {result.stderr}")
    return scenarios(result.stdout)


def rows(path):
    raw = path.read_bytes()
    text = raw.decode("utf-8")  # fails loudly on anything but UTF-8
    lines = raw.split(b"\r\n")
    assert lines[-1] == b"", f"{path.name} does not end in CR LF"
    assert all(b"\n" not in line and b"\r" not in line for line in lines), f"{path.name}: a line end other than CR LF"
    table = list(csv.reader(io.StringIO(text, newline=""), strict=True))
    assert table[0] == HEADER, f"{path.name} header: {table[0]}"
    assert HEADER not in table[1:], f"{path.name} has a second header"
    return table[1:]


def check(row, shown, expected):
    assert len(row) == len(HEADER), f"{len(row)} columns: {row}"
    got = dict(zip(HEADER, row))
    for column, value in expected.items():
        assert got[column] == value, f"{column}: {got[column]!r}, expected {value!r}"
    assert got["score"] == shown["score"], (got["score"], shown["score"])
    assert got["elapsed seconds"] == shown["elapsedSeconds"], (got["elapsed seconds"], shown["elapsedSeconds"])
    for name in MEASURES:
        assert got[name] == shown[name], f"{name}: {got[name]} in the file, {shown[name]} shown"
    assert got["penalties"] == str(len(shown["penalties"])), (got["penalties"], shown["penalties"])
    assert got["penalty texts"] == " | ".join(shown["penalties"]), got["penalty texts"]
    assert got["first shock verdict"] == shown["firstShockVerdict"].strip('"'), got["first shock verdict"]
    assert "Protocol: " + got["protocol"] == shown["PROTOCOLlabel"].strip('"'), got["protocol"]


def main():
    sim, work = sys.argv[1], pathlib.Path(sys.argv[2])
    here = pathlib.Path(__file__).resolve().parent
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    practice = run(sim, here / "csv_rows.sim", work)
    test = run(sim, here / "csv_test_mode.sim", work)
    assert len(practice) == 2 and len(test) == 2, (len(practice), len(test))

    prac = rows(work / "AEDPRAC.CSV")
    assert len(prac) == 2, prac
    name = 'Doe, "Pat" Zoë'
    check(prac[0], practice[0], {"date": "12/8/26", "time": "10:15:30 AM", "mode": "practice", "name": name,
                                 "ID": "ID,7", "scenario kind": "Adult", "patient": PATIENT,
                                 "first shock seconds": "38", "protocol": "Stacked shocks",
                                 "first shock verdict": "met", "fatalShock": "-1", "exam": ""})
    check(prac[1], practice[1], {"date": "12/8/26", "time": "10:20:00 AM", "mode": "practice terminated",
                                 "name": name, "ID": "ID,7", "scenario kind": "Adult", "patient": PATIENT,
                                 "first shock seconds": "", "protocol": "Single shock", "exam": ""})
    # The file holds the name quoted with its quotes doubled, as RFC 4180 has it.
    assert '"Doe, ""Pat"" Zoë","ID,7"' in (work / "AEDPRAC.CSV").read_text(encoding="utf-8")

    exam = rows(work / "AEDTEST.CSV")
    assert len(exam) == 3, exam
    check(exam[0], test[0], {"date": "12/8/26", "time": "11:00:05 AM", "mode": "test", "name": "Ærøskøbing Ñandú",
                             "ID": "", "scenario kind": "Adult", "patient": PATIENT, "first shock seconds": "",
                             "first shock verdict": "", "exam": "1 of 3"})
    # A fatal shock: no shock counted, the time of the fatal one, never "met".
    check(exam[1], test[1], {"mode": "test", "first shock seconds": "", "first shock verdict": "fatal",
                             "exam": "2 of 3"})
    assert int(dict(zip(HEADER, exam[1]))["fatalShock"]) > 0, exam[1]
    # The test left after its second scenario: a row of its own, the scenario's columns empty.
    abandoned = dict(zip(HEADER, exam[2]))
    assert len(exam[2]) == len(HEADER), exam[2]
    assert abandoned["mode"] == "test abandoned" and abandoned["name"] == "Ærøskøbing Ñandú", abandoned
    assert abandoned["exam"] == "abandoned after 2 of 3", abandoned
    assert all(abandoned[column] == "" for column in HEADER[5:-2]), abandoned
    assert abandoned["scenario"] == "Random patient", abandoned
    # The report files are still written beside them.
    assert (work / "AEDPRAC.TXT").exists() and (work / "AEDTEST.TXT").exists()
    print("AEDPRAC.CSV and AEDTEST.CSV read back: 5 rows, every column as the scenarios showed it")


if __name__ == "__main__":
    main()
