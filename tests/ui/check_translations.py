#!/usr/bin/env python3
"""Every text of the windows has a finished translation in every language shipped.

check_translations.py --lupdate LUPDATE --sources UI_DIR TS_FILE...

Runs lupdate over the windows' sources into a copy of each .ts file (the files themselves stay as
they are) and fails on a text that is new there (not translated yet), unfinished, empty or
vanished from the sources, and on a translation whose placeholders (%1, %2, ...), line breaks or
shortcut mark (&) differ from the English."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def placeholders(text):
    return sorted(re.findall(r"%\d", text))


def shortcut_marks(text):
    # "&&" is a literal ampersand, not a mark.
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def check(path, problems):
    name = os.path.basename(path)
    root = ET.parse(path).getroot()
    count = 0
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            where = f"{name}: {context_name}: {source!r}"
            kind = translation.get("type") if translation is not None else "missing"
            text = translation.text if translation is not None else None
            if kind in ("vanished", "obsolete"):
                problems.append(f"{where}: no longer in the sources (run the update_translations target)")
                continue
            if kind == "unfinished" or kind == "missing" or not text:
                problems.append(f"{where}: not translated")
                continue
            if placeholders(text) != placeholders(source):
                problems.append(f"{where}: placeholders {placeholders(text)} differ from {placeholders(source)}")
            if text.count("\n") != source.count("\n"):
                problems.append(f"{where}: {text.count(chr(10))} line breaks, the English has {source.count(chr(10))}")
            if shortcut_marks(text) != shortcut_marks(source):
                problems.append(f"{where}: shortcut marks (&) differ from the English: {text!r}")
    return count


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()
    problems = []
    project = os.path.dirname(os.path.abspath(args.sources))
    with tempfile.TemporaryDirectory() as work:
        for ts in args.ts:
            copy = os.path.join(work, os.path.basename(ts))
            shutil.copyfile(ts, copy)
            run = subprocess.run([args.lupdate, "-silent", "-locations", "none", "-I", project, args.sources,
                                  "-ts", copy], capture_output=True, text=True, timeout=300)
            if run.returncode != 0:
                print(f"lupdate failed on {ts}:\n{run.stdout}{run.stderr}", file=sys.stderr)
                return 1
            count = check(copy, problems)
            print(f"{os.path.basename(ts)}: {count} texts")
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print(f"{len(problems)} problems: translate them in translations/ (see HACKING.md, Translations)", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
