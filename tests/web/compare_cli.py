#!/usr/bin/env python3
"""Runs every command of a table with the native jovitrack-cli and with its WebAssembly build
under node, and checks that they answer alike: the same exit status, the same lines, numbers
within the tolerance of the command's kind (plus one unit in their last printed digit), dates
and times within a second.

usage: compare_cli.py NATIVE_CLI NODE_CLI_JS TABLE [NODE]
"""
import re
import subprocess
import sys

TOLERANCE = {"exact": 0.0, "position": 1e-7, "angle": 1e-8, "instant": 2e-6}

# The moment a table was printed ("12-11-2026 11:51") is the clock's, not the astronomy's.
PRINTED_AT = re.compile(r"\d\d-\d\d-\d{4} \d\d:\d\d")
DATE_TIME = re.compile(r"(-?\d{4})/(\d\d)/(\d\d) (\d\d):(\d\d)(?::(\d\d))?")
TIME = re.compile(r"(?<![\d.:])(\d{1,2}):(\d\d)(?::(\d\d))?(?![\d.:])")
NUMBER = re.compile(r"(?<![\w.])[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?")


def days_from_civil(y, m, d):
    y -= m <= 2
    era = (y if y >= 0 else y - 399) // 400
    yoe = y - era * 400
    doy = (153 * (m + (-3 if m > 2 else 9)) + 2) // 5 + d - 1
    doe = yoe * 365 + yoe // 4 - yoe // 100 + doy
    return era * 146097 + doe


def tokens(line):
    """The line as a list of ('text', s), ('seconds', v) and ('number', v, unit) pieces."""
    out = []
    pos = 0
    pattern = re.compile("|".join(f"(?P<{n}>{p.pattern})" for n, p in
                                  (("at", PRINTED_AT), ("dt", DATE_TIME), ("t", TIME),
                                   ("n", NUMBER))))
    for m in pattern.finditer(line):
        out.append(("text", line[pos:m.start()]))
        s = m.group(0)
        if m.group("at"):
            out.append(("text", "<printed at>"))
        elif m.group("dt"):
            y, mo, d, h, mi, se = DATE_TIME.fullmatch(s).groups()
            seconds = (days_from_civil(int(y), int(mo), int(d)) * 86400 + int(h) * 3600 +
                       int(mi) * 60 + int(se or 0))
            out.append(("seconds", seconds, 1 if se else 60))
        elif m.group("t"):
            h, mi, se = TIME.fullmatch(s).groups()
            out.append(("clock", int(h) * 3600 + int(mi) * 60 + int(se or 0), 1 if se else 60))
        else:
            mantissa, _, exponent = s.lower().partition("e")
            decimals = len(mantissa.partition(".")[2])
            unit = 10.0 ** (int(exponent or 0) - decimals)
            out.append(("number", float(s), unit))
        pos = m.end()
    out.append(("text", line[pos:]))
    return out


def lines_agree(a, b, tol):
    ta, tb = tokens(a), tokens(b)
    if len(ta) != len(tb):
        return False
    for x, y in zip(ta, tb):
        if x[0] != y[0]:
            return False
        if x[0] == "text":
            if x[1] != y[1]:
                return False
        elif x[0] == "seconds":
            # An instant printed to the second (or minute) may round the other way.
            if abs(x[1] - y[1]) > x[2]:
                return False
        elif x[0] == "clock":
            d = abs(x[1] - y[1]) % 86400
            if min(d, 86400 - d) > x[2]:
                return False
        else:
            if abs(x[1] - y[1]) > tol + max(x[2], y[2]) * 1.000001:
                return False
    return True


def outputs_agree(a, b, tol):
    la, lb = a.splitlines(), b.splitlines()
    if tol == 0.0:
        return la == lb or (len(la) == len(lb) and all(
            x == y or PRINTED_AT.sub("", x) == PRINTED_AT.sub("", y) for x, y in zip(la, lb)))
    return len(la) == len(lb) and all(lines_agree(x, y, tol) for x, y in zip(la, lb))


def run(cmd):
    p = subprocess.run(cmd, capture_output=True, text=True, timeout=600)
    return p.returncode, p.stdout, p.stderr


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__, file=sys.stderr)
        return 2
    native, node_cli, table = sys.argv[1:4]
    node = sys.argv[4] if len(sys.argv) == 5 else "node"
    failures = 0
    count = 0
    with open(table, encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].split() if not raw.startswith("#") else []
            if not line:
                continue
            kind, args = line[0], line[1:]
            tol = TOLERANCE[kind]
            count += 1
            a = run([native] + args)
            b = run([node, node_cli] + args)
            problems = []
            if a[0] != b[0]:
                problems.append(f"exit status {a[0]} natively, {b[0]} under node")
            if not outputs_agree(a[1], b[1], tol):
                problems.append("standard output differs")
            if not outputs_agree(a[2], b[2], tol):
                problems.append("standard error differs")
            if problems:
                failures += 1
                print(f"DIFFERS: {' '.join(args)}: {'; '.join(problems)}")
                for name, x, y in (("out", a[1], b[1]), ("err", a[2], b[2])):
                    for u, v in zip(x.splitlines() + [""] * 99, y.splitlines()):
                        if u != v:
                            print(f"  native {name}: {u}\n  node   {name}: {v}")
                            break
    print(f"{count - failures} of {count} commands answer alike")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
