#!/usr/bin/env python3
"""Prints, tab-separated, how often each named function was called in a
callgrind output file: the sum of the calls= lines under its cfn= entries."""
import sys


def calls(path, wanted):
    names = {}  # callgrind's compressed ids: "(12) name" once, then "(12)"
    counts = dict.fromkeys(wanted, 0)
    callee = None
    with open(path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            key, _, text = line.partition("=")
            if key in ("fn", "cfn"):  # one id space for callers and callees
                text = text.strip()
                if text.startswith("("):
                    ident, _, name = text.partition(")")
                    if name.strip():
                        names[ident] = name.strip()
                    name = names.get(ident)
                else:
                    name = text
                callee = name if key == "cfn" else None
            elif key == "calls" and callee in counts:
                counts[callee] += int(text.split()[0])
    return [counts[name] for name in wanted]


if __name__ == "__main__":
    print("\t".join(str(count) for count in calls(sys.argv[1], sys.argv[2:])))
