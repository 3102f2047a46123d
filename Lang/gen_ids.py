#!/usr/bin/python3
"""Writes the header of named resource identifiers from ResourceIds.txt, and
refuses a string or image of the reference region that has no name.
Usage: gen_ids.py IDS_FILE REGION_DIR OUT"""
import sys
from pathlib import Path


def entries(path, fields):
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            yield line.split(maxsplit=fields - 1)


def main(ids_file, region, out):
    names = {}
    for number, name in entries(Path(ids_file), 2):
        if int(number) in names or name in names.values():
            sys.exit(f"{ids_file}: {number} {name} is named twice")
        names[int(number)] = name.strip()
    region = Path(region)
    strings = sorted(int(fields[0]) for fields in entries(region / "strings.txt", 2))
    images = sorted(int(fields[1]) for fields in entries(region / "images.txt", 3))
    unnamed = sorted(set(strings + images) - set(names))
    if unnamed:
        sys.exit(f"{ids_file}: no name for identifier(s) {unnamed}")
    missing = sorted(set(names) - set(strings + images))
    if missing:
        sys.exit(f"{ids_file}: identifier(s) {missing} not in {region}")
    lines = ["// Generated from Lang/ResourceIds.txt; do not edit.", "#pragma once", "",
             "namespace ResId {"]
    lines += [f"inline constexpr unsigned {name} = {number};" for number, name in sorted(names.items())]
    for array, numbers in (("kStrings", strings), ("kImages", images)):
        lines.append(f"inline constexpr unsigned {array}[] = {{" + ", ".join(map(str, numbers)) + "};")
    lines += ["}", ""]
    text = "\n".join(lines)
    target = Path(out)
    if not target.exists() or target.read_text() != text:
        target.parent.mkdir(parents=True, exist_ok=True)
        target.write_text(text)


if __name__ == "__main__":
    main(*sys.argv[1:])
