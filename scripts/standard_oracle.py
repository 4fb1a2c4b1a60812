#!/usr/bin/env python3
"""Compares the standard reading's end points with an established interpreter.

For each program given, runs LinuxCNC's standalone interpreter `rs274 -g`
(Debian package linuxcnc-uspace) and this program's `--dump --standard`, and
checks that every end point of a rapid, a feed and an arc the interpreter
reports is an end point of a line or an arc of the dump, to 1e-4 program
units. Programs with canned cycles (the interpreter reports a cycle's every
plunge), expressions (left out by the standard reading) or cutter
compensation (applied by neither reading) are left out. The interpreter stops at its first error; only what
it reported before is compared.

    python3 scripts/standard_oracle.py build/orca-nc-editor FILE...
"""
import math
import re
import subprocess
import sys

TOLERANCE = 1e-4
CALL = re.compile(r"(STRAIGHT_TRAVERSE|STRAIGHT_FEED|ARC_FEED|SELECT_PLANE)\((.*)\)")


def oracle_points(path):
    out = subprocess.run(["rs274", "-g", path], capture_output=True, text=True, stdin=subprocess.DEVNULL,
                         timeout=120).stdout
    plane = "XY"
    points = []
    for line in out.splitlines():
        m = CALL.search(line)
        if not m:
            continue
        name, args = m.group(1), m.group(2)
        if name == "SELECT_PLANE":
            plane = args.replace("CANON_PLANE_", "")
            continue
        v = [float(a) for a in args.split(",") if re.match(r"\s*-?[\d.]+\s*$", a)]
        if name == "ARC_FEED":
            first, second, third = v[0], v[1], v[5]
            xyz = {"XY": (first, second, third), "XZ": (second, third, first), "YZ": (third, first, second)}[plane]
            points.append((xyz[0], xyz[1]))
        else:
            points.append((v[0], v[1]))
    return points


def dump_points(program, path):
    out = subprocess.run([program, "--dump", path, "--standard", "--window", "90000x60000"], capture_output=True,
                         text=True, timeout=120).stdout
    lines = out.splitlines()
    if not lines or not lines[0].startswith("V "):
        return []
    xmax, xmin, ymax, ymin, scale = (float(t) for t in lines[0].split()[1:])
    height = 60000.0

    def program_point(u, v):
        return (u / scale + xmin, (height - v) / scale + ymin)

    points = [(0.0, 0.0)]
    for line in lines[1:]:
        t = line.split()
        if t[0] == "L":
            x1, y1, x2, y2 = (float(a) for a in t[1:5])
            points.append(program_point(x1, y1))
            points.append(program_point(x2, y2))
        elif t[0] == "C":
            cx, cy, r, a1, a2 = (float(t[k]) for k in (1, 2, 3, 5, 6))
            for a in (a1, a2):
                points.append(program_point(cx + r * math.cos(a), cy - r * math.sin(a)))
    return points


def main():
    program, files = sys.argv[1], sys.argv[2:]
    failed = 0
    for path in files:
        raw = open(path, encoding="latin-1").read()
        text = re.sub(r"\([^)\n]*\)?|;.*", "", raw)
        if re.search(r"[gG]\s*8[1-9]", text):
            print(f"skip {path}: canned cycles")
            continue
        if re.search(r"[a-zA-Z]\s*[\[#]", text):
            print(f"skip {path}: expressions, which the standard reading leaves out")
            continue
        if re.search(r"[gG]\s*4[12](?![\d.])", text):
            print(f"skip {path}: cutter compensation, which neither reading applies")
            continue
        expected = oracle_points(path)
        ours = dump_points(program, path)
        missing = [p for p in expected
                   if not any(abs(p[0] - q[0]) <= TOLERANCE and abs(p[1] - q[1]) <= TOLERANCE for q in ours)]
        print(f"{'FAIL' if missing else 'ok  '} {path}: {len(expected)} end points, {len(missing)} not drawn")
        for p in missing[:5]:
            print(f"     e.g. ({p[0]:.4f}, {p[1]:.4f})")
        failed += bool(missing)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
