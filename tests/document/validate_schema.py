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

systems = json.loads((pathlib.Path(sys.argv[2]) / "document-v1-systems.zefra").read_text(encoding="utf-8"))


def damaged_systems(change):
    d = copy.deepcopy(systems)
    change(d)
    return d


duct = lambda d: d["systems"][0]
water = lambda d: d["systems"][1]
elbow = lambda d: duct(d)["sections"][0]["fittings"][0]
valve = lambda d: water(d)["sections"][0]["fittings"][1]
refused_systems = {
    "an unknown kind of system": lambda d: duct(d).update(kind="air"),
    "a material beyond the pipe list": lambda d: water(d).update(material=5),
    "a target beyond its unit's range": lambda d: duct(d).update(sizingTarget=2e6),
    "a velocity beyond its range": lambda d: water(d).update(sizingTarget=2e5),
    "several starts as text": lambda d: duct(d).update(severalRootsAllowed="yes"),
    "a flow as text": lambda d: duct(d)["sections"][2].update(flow="800"),
    "a fitting without its type": lambda d: elbow(d).pop("type"),
    "two values for one input": lambda d: elbow(d).update(angle=[90, 45]),
    "a row beyond Darby's table": lambda d: valve(d).update(row=34),
    "a row between two": lambda d: valve(d).update(row=2.5),
}
for name, change in refused_systems.items():
    if validator.is_valid(damaged_systems(change)):
        print(f"the schema takes {name}")
        failures += 1
# A later version's kind or method is kept as it is, whatever its members.
kept_systems = {
    "a kind this version does not know": lambda d: elbow(d).update(type="duct.silencer", angle="x"),
    "a method this version does not know": lambda d: valve(d).update(method="darby_2030", row=40),
}
for name, change in kept_systems.items():
    if not validator.is_valid(damaged_systems(change)):
        print(f"the schema refuses {name}")
        failures += 1

sys.exit(1 if failures else 0)
