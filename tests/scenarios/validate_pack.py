#!/usr/bin/env python3
"""validate_pack.py SOURCE: every scenario of SOURCE/scenarios passes its schema (Draft 7), and
documents with a fault the reader refuses are refused by the schema too."""
import copy
import json
import pathlib
import sys

import jsonschema

source = pathlib.Path(sys.argv[1])
folder = source / "scenarios"
schema = json.loads((folder / "scenario.schema.json").read_text(encoding="utf-8"))
jsonschema.Draft7Validator.check_schema(schema)
validator = jsonschema.Draft7Validator(schema)

failures = []
pack = sorted(p for p in folder.glob("*.json") if p.name != "scenario.schema.json")
if len(pack) < 10:
    failures.append(f"only {len(pack)} scenarios in {folder}")
for path in pack:
    document = json.loads(path.read_text(encoding="utf-8"))
    for error in validator.iter_errors(document):
        failures.append(f"{path.name}: {'/'.join(map(str, error.path))}: {error.message}")

# The documented example, sound, then broken one way at a time.
example = {
    "format": 1,
    "title": "VF needing two shocks, a pad loose at the second analysis",
    "patient": {"kind": "adult", "age": 58, "weight": 80, "body": 1, "history": "found collapsed in a gym."},
    "frames": [
        {"rhythm": "shockable", "exits": {"after-shocks": 1}},
        {"rhythm": "shockable", "trouble": "electrode", "exits": {"after-shocks": 1}},
        {"rhythm": "pulse"},
    ],
}
if not validator.is_valid(example):
    failures.append("the documented example is refused")


def broken(change):
    document = copy.deepcopy(example)
    change(document)
    return document


refused = {
    "an unknown rhythm": broken(lambda d: d["frames"][1].update(rhythm="fast")),
    "negative after-shocks": broken(lambda d: d["frames"][0]["exits"].update({"after-shocks": -1})),
    "a child on body 1": broken(lambda d: d["patient"].update(kind="child")),
    "an unknown field": broken(lambda d: d.update(titel="typo")),
    "an unknown field of a frame": broken(lambda d: d["frames"][0].update(rythm="shockable")),
    "an unknown exit": broken(lambda d: d["frames"][0]["exits"].update({"after-shock": 1})),
    "no frames": broken(lambda d: d.update(frames=[])),
    "a blank title": broken(lambda d: d.update(title="  ")),
    "format 2": broken(lambda d: d.update(format=2)),
    "an adult on the child's body": broken(lambda d: d["patient"].update(body=3)),
}
for what, document in refused.items():
    if validator.is_valid(document):
        failures.append(f"the schema takes {what}")

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
if failures:
    sys.exit(1)
print(f"{len(pack)} scenarios valid, {len(refused)} broken documents refused")
