#!/usr/bin/env python3
"""Holds the schema's keys against the reader's: for every object whose keys
the reader checked (a record of the scene file, the object's JSON path and
the keys the reader allows there), the schema must allow exactly those keys
at that place of that scene.

    schema_keys_check.py SCHEMA RECORDS.json

The schema's keys at a place are found by adding a key no schema allows to
the object there: the error that refuses it comes from the sub-schema that
rules the object, and names its keys.
"""
import copy
import json
import re
import sys

import jsonschema

PROBE = "\u0001probe"
STEP = re.compile(r'\.?([A-Za-z_][A-Za-z0-9_]*)|\[(\d+)\]|\["((?:[^"\\]|\\.)*)"\]')


def steps(path):
    """The keys and indexes of a reader's path such as nodes[2].object.uv["1"]."""
    result, at = [], 0
    while at < len(path):
        match = STEP.match(path, at)
        if not match:
            raise ValueError(f"cannot follow the path {path!r}")
        name, index, quoted = match.groups()
        result.append(int(index) if index else name if name else re.sub(r"\\(.)", r"\1", quoted))
        at = match.end()
    return result


def refusals(errors):
    """Every error, nested ones included."""
    for error in errors:
        yield error
        yield from refusals(error.context or [])


def schema_keys(validator, document, path):
    """The keys the schema allows at path, or None when it allows any."""
    probed = copy.deepcopy(document)
    target = probed
    for step in path:
        target = target[step]
    target[PROBE] = None
    allowed = None
    for error in refusals(validator.iter_errors(probed)):
        if error.validator == "additionalProperties" and list(error.absolute_path) == path:
            keys = set(error.schema.get("properties", {}))
            allowed = keys if allowed is None else allowed & keys
    return allowed


def main(schema_path, records_path):
    with open(schema_path, encoding="utf-8") as file:
        validator = jsonschema.Draft7Validator(json.load(file))
    with open(records_path, encoding="utf-8") as file:
        records = json.load(file)
    documents, faults = {}, 0
    for record in records:
        scene = record["scene"]
        if scene not in documents:
            with open(scene, encoding="utf-8") as file:
                documents[scene] = json.load(file)
        place = f"{scene}: {record['path'] or '(top level)'}"
        reader = set(record["keys"])
        schema = schema_keys(validator, documents[scene], steps(record["path"]))
        if schema is None:
            print(f"{place}: the schema allows any key; the reader allows {sorted(reader)}")
            faults += 1
        elif schema != reader:
            if reader - schema:
                print(f"{place}: the reader allows {sorted(reader - schema)}, the schema does not")
            if schema - reader:
                print(f"{place}: the schema allows {sorted(schema - reader)}, the reader does not")
            faults += 1
    print(f"{len(records)} objects checked, {faults} differ")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
