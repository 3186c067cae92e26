#!/usr/bin/env python3
"""Checks the document files of a folder against the JSON Schema of the
format, and that the schema refuses a few damaged copies of them (so that it
is no schema that takes anything). Exits with 77 (skipped) without Debian's
python3-jsonschema."""
import copy
import json
import pathlib
import sys

try:
    import jsonschema
except ImportError:
    print("python3-jsonschema is not installed")
    sys.exit(77)

schema = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

failures = 0
files = sorted(pathlib.Path(sys.argv[2]).glob("*.zefra"))
if not files:
    print("no .zefra files in", sys.argv[2])
    sys.exit(1)
for path in files:
    errors = list(validator.iter_errors(json.loads(path.read_text(encoding="utf-8-sig"))))
    for error in errors:
        print(f"{path.name}: {'/'.join(map(str, error.absolute_path))}: {error.message}")
    failures += bool(errors)
    print(f"{path.name}: {'invalid' if errors else 'valid'}")

full = json.loads((pathlib.Path(sys.argv[2]) / "document-v1-full.zefra").read_text(encoding="utf-8"))


def damaged(change):
    d = copy.deepcopy(full)
    change(d)
    return d


point = lambda d: d["charts"][0]["points"][0]
process = lambda d: d["charts"][0]["processes"][1]
refused = {
    "a newer version": lambda d: d.update(version=2),
    "a string for a number": lambda d: point(d).update(dryBulb="34"),
    "a dry bulb out of range": lambda d: point(d).update(dryBulb=1e300),
    "two second properties": lambda d: point(d).update(relativeHumidity=50),
    "no second property": lambda d: point(d).pop("wetBulb"),
    "a produced point with an airflow": lambda d: d["charts"][0]["points"][2].update(airflow=1),
    "an unknown kind": lambda d: process(d).update(kind="reheat"),
    "a coil both ways": lambda d: process(d).update(leavingDryBulb=14),
    "a line with an output": lambda d: d["charts"][0]["processes"][4].update(output=10),
    "an id with a fraction": lambda d: point(d).update(id=1.5),
    "a given pressure without its value": lambda d: d["charts"][1].pop("pressure"),
    "a range of three": lambda d: d["charts"][0].update(dryBulbRange=[-10, 20, 50]),
}
for name, change in refused.items():
    if validator.is_valid(damaged(change)):
        print(f"the schema takes {name}")
        failures += 1

sys.exit(1 if failures else 0)
