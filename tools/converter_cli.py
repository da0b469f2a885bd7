"""The command line shared by the data converters: [SOURCE] [OUTPUT], both optional."""

import os
import sys


def repo_root():
    return os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def run(name, usage, argv, defaults, build, errors, summary):
    """Build the output from the source and write it.

    defaults: (source, output) used when not given; build(source) returns (result, bytes);
    errors: the exception types reported as a failure; summary(result) says what was written,
    in its first line, and may add notes on further lines.
    """
    argv = sys.argv[1:] if argv is None else argv
    if len(argv) > 2 or any(arg in ("-h", "--help") for arg in argv):
        print(usage, file=sys.stderr)
        return 2
    source, output = defaults
    if argv:
        source = argv[0]
    if len(argv) > 1:
        output = argv[1]
    try:
        result, data = build(source)
    except errors as error:
        print(f"{name}: {error}", file=sys.stderr)
        return 1
    with open(output, "wb") as handle:
        handle.write(data)
    written, *notes = summary(result).split("\n")
    print(f"{name}: wrote {written} to {output}")
    for note in notes:
        print(f"{name}: {note}")
    return 0
