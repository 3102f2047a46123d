#!/usr/bin/python3
"""Turns a region folder (strings.txt, version.ini, images.txt) into the C++
source of its resource module. The region's strings and images replace those
of the reference folder; every other one is the reference folder's, so a
region holds only what it translates and still has every identifier.
Usage: gen_resource.py REFERENCE_DIR REGION_DIR IMAGE_DIR OUT"""
import configparser
import re
import sys
from pathlib import Path


def c_string(text):
    out = []
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch in '"\\':
            out.append("\\" + ch)
        elif 32 <= byte < 127:
            out.append(ch)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def unescape(text):
    return (text.replace("\\\\", "\0").replace("\\n", "\n")
            .replace("\\t", "\t").replace("\0", "\\"))


def read_strings(path):
    table = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        number, _, text = line.partition(" ")
        table[int(number)] = unescape(text)
    return table


def read_version(path):
    parser = configparser.ConfigParser(delimiters=("=",))
    parser.optionxform = str
    parser.read(path, encoding="utf-8")
    translations = [(int(lang, 16), int(cp, 16)) for lang, cp in parser["Translation"].items()]
    tables = []
    for section in parser.sections():
        if section.startswith("StringFileInfo "):
            key = section.split()[1]
            tables.append((int(key[:4], 16), int(key[4:], 16), list(parser[section].items())))
    return translations, tables


def read_images(path):
    images = {}
    if path.exists():
        for line in path.read_text(encoding="utf-8").splitlines():
            if line.strip() and not line.startswith("#"):
                kind, number, name = line.split()
                images[(kind, int(number))] = name
    return images


def placeholders(text):
    return sorted(set(re.findall(r"%[0-9]", text)))


# A translation of an identifier the program does not know would never be
# shown, and one that drops a placeholder would lose the file or printer name.
def merged(reference, region, source):
    unknown = sorted(set(region) - set(reference))
    if unknown:
        sys.exit(f"{source}: {unknown} not in the reference region")
    return {**reference, **region}


def checked_placeholders(reference, region, source):
    for number, text in region.items():
        if number in reference and placeholders(text) != placeholders(reference[number]):
            sys.exit(f"{source}: {number} must hold the placeholders {placeholders(reference[number])}")
    return region


def load_images(names, image_dir):
    images = {"icon": [], "bitmap": []}
    for (kind, number), name in sorted(names.items()):
        images[kind].append((number, (image_dir / name).read_bytes()))
    return images


def image_array(name, images):
    lines = []
    for number, data in images:
        body = ",".join(str(b) for b in data)
        lines.append(f"const unsigned char {name}{number}[] = {{{body}}};")
    entries = ", ".join(f"{{{n}, {name}{n}, {len(d)}}}" for n, d in images) or "{0, nullptr, 0}"
    lines.append(f"const QxResImage {name}s[] = {{{entries}}};")
    return "\n".join(lines)


def generate(reference, region, image_dir):
    reference_strings = read_strings(reference / "strings.txt")
    region_strings = checked_placeholders(reference_strings, read_strings(region / "strings.txt"),
                                          region / "strings.txt")
    strings = sorted(merged(reference_strings, region_strings, region / "strings.txt").items())
    translations, tables = read_version(region / "version.ini")
    images = load_images(merged(read_images(reference / "images.txt"), read_images(region / "images.txt"),
                                region / "images.txt"), image_dir)
    out = ['#include "ResourceModuleAbi.h"', "namespace {"]
    out.append("const QxResString strings[] = {" + ",\n".join(
        f"{{{n}, {c_string(t)}}}" for n, t in strings) + "};")
    out.append("const QxResTranslation translations[] = {" + ", ".join(
        f"{{0x{l:04x}, {c}}}" for l, c in translations) + "};")
    for i, (_, _, values) in enumerate(tables):
        out.append(f"const QxResVersionValue values{i}[] = {{" + ", ".join(
            f"{{{c_string(k)}, {c_string(v)}}}" for k, v in values) + "};")
    out.append("const QxResStringTable stringTables[] = {" + ", ".join(
        f"{{0x{l:04x}, {c}, values{i}, {len(v)}}}" for i, (l, c, v) in enumerate(tables)) + "};")
    out.append(image_array("icon", images["icon"]))
    out.append(image_array("bitmap", images["bitmap"]))
    out.append("}")
    count = lambda name, n: f"{name}, {n}"
    out.append('extern "C" __attribute__((visibility("default"))) const QxResModule* QxGetResourceModule(void) {')
    out.append("    static const QxResModule module{kQxResAbiVersion, "
               + ", ".join([count("strings", len(strings)), count("translations", len(translations)),
                            count("stringTables", len(tables)),
                            count("icons", len(images["icon"])), count("bitmaps", len(images["bitmap"]))])
               + "};")
    out.append("    return &module;\n}")
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    source = generate(Path(sys.argv[1]), Path(sys.argv[2]), Path(sys.argv[3]))
    target = Path(sys.argv[4])
    if not target.exists() or target.read_text() != source:
        target.write_text(source)
