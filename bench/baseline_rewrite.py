#!/usr/bin/env python3
"""Straightforward rewrite of an exchange file: the baseline that
`orvik-cli write` is measured against.

usage: baseline_rewrite.py IN OUT

Reads IN whole and decodes it as cp932, splits every line into fields on
blanks (the quoted text of a text record stays as it is), writes every
numeric field again in the general format with 15 significant digits, and
writes OUT encoded as cp932 with CR LF line ends. Standard library only.
"""

import sys


def format_field(field):
    try:
        value = float(field)
    except ValueError:
        return field
    return "%.15G" % value


def rewrite_line(line):
    head, quote, text = line.partition('"')
    out = " ".join(format_field(field) for field in head.split())
    if quote:
        if head[-1:] in (" ", "\t"):
            out += " "
        out += '"' + text
    return out


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: baseline_rewrite.py IN OUT\n")
        return 2
    with open(argv[1], "rb") as source:
        text = source.read().decode("cp932")
    lines = text.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    records = [rewrite_line(line.rstrip("\r")) for line in lines]
    with open(argv[2], "wb") as target:
        target.write("".join(record + "\r\n" for record in records).encode("cp932"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
