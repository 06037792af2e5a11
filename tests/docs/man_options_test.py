#!/usr/bin/env python3
"""Each man page and its program's --help name the same options.

    man_options_test.py PROGRAM MAN_PAGE [PROGRAM MAN_PAGE]...
"""
import re
import subprocess
import sys

# --name, --[no-]name, and one-letter options such as -o.
OPTION = re.compile(r"(?<![\w-])(--\[no-\][a-z-]+|--[a-z][a-z-]*|-[a-zA-Z])(?![\w-])")


def options(text):
    return set(OPTION.findall(text))


def differences(program, page):
    help_text = subprocess.run([program, "--help"], capture_output=True, text=True, check=True).stdout
    with open(page, encoding="utf-8") as roff:
        # Roff writes a hyphen as \- and escapes the line's leading dot; the
        # comment lines are not shown.
        man_text = "\n".join(line for line in roff.read().replace("\\-", "-").splitlines()
                             if not line.startswith('.\\"'))
    only_help = options(help_text) - options(man_text)
    only_man = options(man_text) - options(help_text)
    for option in sorted(only_help):
        print(f"{program} --help names {option}, the man page {page} does not")
    for option in sorted(only_man):
        print(f"the man page {page} names {option}, {program} --help does not")
    return len(only_help) + len(only_man)


if __name__ == "__main__":
    pairs = zip(sys.argv[1::2], sys.argv[2::2])
    sys.exit(1 if sum(differences(program, page) for program, page in pairs) else 0)
