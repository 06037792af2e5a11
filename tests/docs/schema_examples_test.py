#!/usr/bin/env python3
"""The scene schema is a valid draft-07 schema and every given scene file
meets it.

    schema_examples_test.py SCHEMA SCENE...
"""
import json
import sys

import jsonschema


def main(schema_path, *scenes):
    with open(schema_path, encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft7Validator.check_schema(schema)
    validator = jsonschema.Draft7Validator(schema)
    faults = 0
    for scene in scenes:
        with open(scene, encoding="utf-8") as file:
            document = json.load(file)
        for error in validator.iter_errors(document):
            print(f"{scene}: {error.json_path}: {error.message}")
            faults += 1
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
