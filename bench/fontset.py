#!/usr/bin/python3
"""Makes a font set of its own and a fontconfig configuration that offers exactly that set.

    fontset.py OUT --families N      N distinct families, renamed copies of one small font
    fontset.py OUT --broken          a few good fonts and broken font files: zero bytes, a file
                                     cut short, a font whose outlines are cut short, random
                                     bytes with a font's extension, an empty family name

OUT receives fonts/ (the set), base/ (links to Liberation Sans, which the window's designed
names and "Arial" resolve to), fonts.conf (use it through FONTCONFIG_FILE), cache/ (the
configuration's own fontconfig cache, built here) and families.txt (the family names, one a
line). A set already made with the same arguments is kept as it is.

The N-family set holds a few families with long names, names that differ only in case and
one name carried by two files. Renaming writes only a new name table: the other tables are
copied byte for byte from one subset of DejaVu Sans (printable ASCII, no hinting, about 10 kB).
"""

import argparse
import hashlib
import os
import random
import shutil
import struct
import subprocess
import sys

GENERATOR_VERSION = "5"

SYSTEM_FONTS = "/usr/share/fonts/truetype"
SOURCE_FONT = os.path.join(SYSTEM_FONTS, "dejavu", "DejaVuSans.ttf")
BASE_FONTS = [
    os.path.join(SYSTEM_FONTS, "liberation", name)
    for name in ("LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf",
                 "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf")
]
BASE_FAMILY = "Liberation Sans"


# --- sfnt reading and writing -------------------------------------------------------------

def read_tables(data):
    """@return the sfnt version and the tables of a TrueType file as {tag: bytes}"""
    version, count = struct.unpack(">IH", data[:6])
    tables = {}
    for i in range(count):
        tag, _checksum, offset, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        tables[tag] = data[offset:offset + length]
    return version, tables


def checksum(block):
    padded = block + b"\0" * (-len(block) % 4)
    return sum(struct.unpack(">%dI" % (len(padded) // 4), padded)) & 0xFFFFFFFF


def write_font(version, tables):
    """@return the bytes of a TrueType file holding the tables, checksums and all"""
    tags = sorted(tables)
    count = len(tags)
    power = 1
    while power * 2 <= count:
        power *= 2
    header = struct.pack(">IHHHH", version, count, power * 16, power.bit_length() - 1, count * 16 - power * 16)
    head = bytearray(tables[b"head"])
    head[8:12] = b"\0\0\0\0"  # checkSumAdjustment, set below
    tables = {**tables, b"head": bytes(head)}
    offset = 12 + 16 * count
    records = []
    body = []
    for tag in tags:
        table = tables[tag]
        records.append(struct.pack(">4sIII", tag, checksum(table), offset, len(table)))
        padded = table + b"\0" * (-len(table) % 4)
        body.append(padded)
        offset += len(padded)
    data = bytearray(header + b"".join(records) + b"".join(body))
    head_offset = struct.unpack(">I", records[tags.index(b"head")][8:12])[0]
    adjustment = (0xB1B0AFBA - checksum(bytes(data))) & 0xFFFFFFFF
    data[head_offset + 8:head_offset + 12] = struct.pack(">I", adjustment)
    return bytes(data)


def name_table(family, style="Regular"):
    """A name table with the Windows English names only: family, style, unique, full, PostScript."""
    postscript = "".join(c for c in family if c.isalnum())[:50] or "Unnamed"
    postscript += "-" + style
    names = [
        (1, family),
        (2, style),
        (3, "Vantreel bench: " + family + " " + style),
        (4, (family + " " + style).strip()),
        (6, postscript),
    ]
    records = []
    strings = b""
    for name_id, text in names:
        encoded = text.encode("utf-16-be")
        records.append(struct.pack(">HHHHHH", 3, 1, 0x409, name_id, len(encoded), len(strings)))
        strings += encoded
    header = struct.pack(">HHH", 0, len(names), 6 + 12 * len(names))
    return header + b"".join(records) + strings


# --- the source font ------------------------------------------------------------------------

def small_source(cache_dir):
    """@return the bytes of DejaVu Sans cut down to printable ASCII without hinting"""
    path = os.path.join(cache_dir, "source-subset.ttf")
    if not os.path.exists(path):
        from fontTools import subset
        from fontTools.ttLib import TTFont
        options = subset.Options()
        options.hinting = False
        options.layout_features = []
        options.glyph_names = False
        options.notdef_outline = True
        options.drop_tables += ["FFTM", "GDEF", "GPOS", "GSUB", "kern", "DSIG", "hdmx", "LTSH", "VDMX",
                                "gasp", "prep", "fpgm", "cvt ", "MATH"]
        font = TTFont(SOURCE_FONT)
        subsetter = subset.Subsetter(options)
        subsetter.populate(unicodes=range(0x20, 0x7F))
        subsetter.subset(font)
        font.save(path + ".part")
        os.replace(path + ".part", path)
    with open(path, "rb") as f:
        return f.read()


# --- family names ---------------------------------------------------------------------------

SYLLABLES = ["ka", "lo", "mi", "ner", "tho", "ul", "va", "rin", "sel", "dor", "fa", "gri", "hel", "jun",
             "bra", "cor", "den", "ex", "qui", "zo", "pe", "tra", "ven", "wy", "sto", "ar", "el", "is"]
KINDS = ["Sans", "Serif", "Mono", "Display", "Script", "Text", "Grotesk", "Slab", "Book", "Condensed"]


def family_names(count, rng):
    """@return count distinct family names, as fonts carry them; a few differ only in case"""
    long_names = [
        "Vantreel Extremely Long Family Name For Testing Lists",
        "Aldebaran Humanist Sans Condensed Extra Wide Display",
        "Zyx Long Catalogue Name That Does Not Fit One Line At All",
    ]
    case_pairs = ["Casefold Sans", "casefold sans", "CASEFOLD SANS", "Mixed Case Serif", "mixed case serif"]
    special = long_names + case_pairs
    special = special[:max(0, min(len(special), count // 10))]
    names = list(special)
    seen = {name.casefold() for name in names}
    while len(names) < count:
        word = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 4))).capitalize()
        name = word + " " + rng.choice(KINDS)
        if rng.random() < 0.3:
            name += " " + str(rng.randint(1, 99))
        if name.casefold() in seen:
            continue
        seen.add(name.casefold())
        names.append(name)
    rng.shuffle(names)
    return names


# --- the sets -------------------------------------------------------------------------------

def write_config(out, fonts_dir):
    base_dir = os.path.join(out, "base")
    os.makedirs(base_dir, exist_ok=True)
    for path in BASE_FONTS:
        link = os.path.join(base_dir, os.path.basename(path))
        if not os.path.lexists(link):
            os.symlink(path, link)
    aliases = "".join(
        f"""  <alias binding="same"><family>{name}</family><accept><family>{BASE_FAMILY}</family></accept></alias>\n"""
        for name in ("Arial", "System", "MS Sans Serif", "sans-serif", "serif", "monospace", "Sans Serif"))
    config = f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<!-- Offers only the fonts of this folder: nothing of the machine's own font setup is read. -->
<fontconfig>
  <dir>{os.path.abspath(fonts_dir)}</dir>
  <dir>{os.path.abspath(base_dir)}</dir>
  <cachedir>{os.path.abspath(os.path.join(out, "cache"))}</cachedir>
  <match target="pattern">
    <test qual="all" name="family" compare="not_eq"><string>sans-serif</string></test>
    <edit name="family" mode="append_last"><string>sans-serif</string></edit>
  </match>
{aliases}</fontconfig>
"""
    with open(os.path.join(out, "fonts.conf"), "w") as f:
        f.write(config)


def build_cache(out):
    fc_cache = shutil.which("fc-cache")
    if fc_cache:
        env = dict(os.environ, FONTCONFIG_FILE=os.path.abspath(os.path.join(out, "fonts.conf")))
        subprocess.run([fc_cache, "-f"], env=env, check=True, stdout=subprocess.DEVNULL)


def make_families(out, count, seed):
    fonts_dir = os.path.join(out, "fonts")
    os.makedirs(fonts_dir, exist_ok=True)
    version, tables = read_tables(small_source(out))
    rng = random.Random(seed)
    names = family_names(count, rng)
    files = [(name, "Regular") for name in names]
    # One name carried by two files (two styles of the same family).
    twin = next(name for name in names if name[0].isalpha() and name not in ("casefold sans",))
    files.append((twin, "Bold"))
    for i, (family, style) in enumerate(files):
        data = write_font(version, {**tables, b"name": name_table(family, style)})
        with open(os.path.join(fonts_dir, "f%05d.ttf" % i), "wb") as f:
            f.write(data)
    return names


def make_broken(out):
    fonts_dir = os.path.join(out, "fonts")
    os.makedirs(fonts_dir, exist_ok=True)
    with open(SOURCE_FONT, "rb") as f:
        source = f.read()
    version, tables = read_tables(source)
    names = ["Good Font One", "Good Font Two", "Good Font Three", "good font three"]
    for i, family in enumerate(names):
        with open(os.path.join(fonts_dir, "good%d.ttf" % i), "wb") as f:
            f.write(write_font(version, {**tables, b"name": name_table(family)}))
    open(os.path.join(fonts_dir, "zero-bytes.ttf"), "wb").close()
    with open(os.path.join(fonts_dir, "truncated.ttf"), "wb") as f:
        f.write(write_font(version, {**tables, b"name": name_table("Truncated Font")})[:len(source) // 3])
    # Listed by its intact name, but its outlines stop a tenth of the way in.
    cut = {**tables, b"name": name_table("Truncated Glyphs"), b"glyf": tables[b"glyf"][:len(tables[b"glyf"]) // 10]}
    with open(os.path.join(fonts_dir, "truncated-glyphs.ttf"), "wb") as f:
        f.write(write_font(version, cut))
    with open(os.path.join(fonts_dir, "random-bytes.ttf"), "wb") as f:
        f.write(random.Random(5).randbytes(20000))
    with open(os.path.join(fonts_dir, "random-bytes.otf"), "wb") as f:
        f.write(b"OTTO" + random.Random(6).randbytes(5000))
    with open(os.path.join(fonts_dir, "empty-family.ttf"), "wb") as f:
        f.write(write_font(version, {**tables, b"name": name_table("")}))
    return names


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    group = parser.add_mutually_exclusive_group(required=True)
    group.add_argument("--families", type=int)
    group.add_argument("--broken", action="store_true")
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()

    out = os.path.abspath(args.out)
    key = hashlib.sha1(f"{GENERATOR_VERSION} {args.families} {args.broken} {args.seed} {out}".encode()).hexdigest()
    stamp = os.path.join(out, "complete")
    if os.path.exists(stamp) and open(stamp).read() == key:
        return
    if os.path.exists(out):
        shutil.rmtree(out)
    os.makedirs(out)
    names = make_broken(out) if args.broken else make_families(out, args.families, args.seed)
    with open(os.path.join(out, "families.txt"), "w") as f:
        f.write("\n".join(names) + "\n")
    write_config(out, os.path.join(out, "fonts"))
    build_cache(out)
    with open(stamp, "w") as f:
        f.write(key)


if __name__ == "__main__":
    sys.exit(main())
