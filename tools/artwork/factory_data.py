#!/usr/bin/env python3
"""Writes the factory setting files, gun data and language files of modules/.

Setting files go through ini_writer (QSettings itself), so lists and quoting are
exactly what the program reads and writes. The language files are written here,
in numeric order so that translators can read them, with QSettings' escaping.

Usage: factory_data.py INI_WRITER MODULES_DIR
"""

import json
import os
import shutil
import subprocess
import sys

import texts

DEVICES = [
    # type, vid, pid, usagePage, usage, usagePage2, usage2, reportLength
    ("0", "04d9", "8008", "ff01", "0001", "ff02", "0001", 64),
    ("1", "04d9", "a1ee", "ff00", "ff00", "ff01", "ff01", 32),
]

# Buttons as the screens store them, then the same buttons in device format.
MOUSE_KEYS = [
    (0x00, 0x00, 0xF0, 0x00), (0x00, 0x00, 0xF1, 0x00), (0x00, 0x00, 0xF2, 0x00),
    (0x00, 0x00, 0xF4, 0x00), (0x00, 0x00, 0xF3, 0x00), (0x05, 0x00, 0x01, 0x00),
    (0x05, 0x00, 0x02, 0x00), (0x00, 0xF0, 0x1E, 0x02),
] + [(0x00, 0x00, 0x00, 0x00)] * 6 + [(0xFF, 0x00, 0x01, 0x00), (0xFF, 0x00, 0x02, 0x00)]


def device_format(key):
    kind, code1, code2, code3 = key
    if kind == 0:
        return (10 if (code2, code3) == (0x1E, 2) else 1, code1, code2, code3)
    if kind == 5:
        return (7, code1, code2, code3)
    if kind == 255:
        return (4, code1, code2, code3)
    raise ValueError("no factory button of class %d" % kind)


DPI_VALUES = [400, 800, 1600, 3200, 4800, 6400, 9600, 12000]
MOUSE_COLOURS = ["fb637e", "ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff", "ffffff"]
KEYBOARD_COLOURS = ["fb637e", "ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff"]

# Keyboard rows, top first: (fwIndex, function). A function is a USB key code,
# ("media", usage) or "fn".
KEYBOARD_ROWS = [
    [(5, 0x29), (17, 0x3A), (23, 0x3B), (29, 0x3C), (35, 0x3D), (41, 0x3E), (47, 0x3F),
     (53, 0x40), (59, 0x41), (65, 0x42), (71, 0x43), (77, 0x44), (83, 0x45), (89, 0x46),
     (95, 0x47), (101, 0x48), (107, ("media", 0x0183)), (113, ("media", 0x018A)),
     (119, ("media", 0x0192)), (125, ("media", 0x0194))],
    [(4, 0x35), (10, 0x1E), (16, 0x1F), (22, 0x20), (28, 0x21), (34, 0x22), (40, 0x23),
     (46, 0x24), (52, 0x25), (58, 0x26), (64, 0x27), (70, 0x2D), (76, 0x2E), (74, 0x89),
     (82, 0x2A), (88, 0x49), (94, 0x4A), (100, 0x4B), (106, 0x53), (112, 0x54),
     (118, 0x55), (124, 0x56)],
    [(3, 0x2B), (9, 0x14), (15, 0x1A), (21, 0x08), (27, 0x15), (33, 0x17), (39, 0x1C),
     (45, 0x18), (51, 0x0C), (57, 0x12), (63, 0x13), (69, 0x2F), (75, 0x30), (81, 0x31),
     (87, 0x4C), (93, 0x4D), (99, 0x4E), (105, 0x5F), (111, 0x60), (117, 0x61), (122, 0x57)],
    [(2, 0x39), (8, 0x04), (14, 0x16), (20, 0x07), (26, 0x09), (32, 0x0A), (38, 0x0B),
     (44, 0x0D), (50, 0x0E), (56, 0x0F), (62, 0x33), (68, 0x34), (80, 0x28), (104, 0x5C),
     (110, 0x5D), (116, 0x5E), (120, 0x58)],
    # Index 73 is the "ro" key; the right Shift sits at 79.
    [(1, 0xE1), (7, 0x1D), (13, 0x1B), (19, 0x06), (25, 0x19), (31, 0x05), (37, 0x11),
     (43, 0x10), (49, 0x36), (55, 0x37), (61, 0x38), (73, 0x87), (79, 0xE5), (91, 0x52),
     (103, 0x59), (109, 0x5A), (115, 0x5B)],
    [(0, 0xE0), (6, 0xE3), (12, 0xE2), (18, 0x8B), (30, 0x2C), (42, 0x8A), (48, 0x88),
     (54, 0xE6), (60, 0xE7), (72, "fn"), (78, 0xE4), (84, 0x50), (90, 0x51), (96, 0x4F),
     (102, 0x62), (114, 0x63)],
]
LOCK_KEYS = {2, 95, 106}  # Caps, Scroll and Num Lock take no colour
GAME_KEYS = {5, 15, 8, 14, 20, 91, 84, 90, 96}  # Esc, W A S D and the arrows
ROW_COLOURS = ["ff0000", "ff8000", "ffff00", "00ff00", "00ffff", "0000ff"]
DARK = "00000000"
KEYBOARD_KEY_COUNT = 126


def rgb(hex_colours):
    return [int(c[i:i + 2], 16) for c in hex_colours for i in (0, 2, 4)]


def key_function(function):
    if function == "fn":
        return [2, 0, 0, 0]
    if isinstance(function, tuple):
        return [3, 0, function[1] & 0xFF, function[1] >> 8]
    return [0, 0, function, 0]


def key_pictures(row, index):
    """Five pictures: accent, white, a rainbow by row, game keys only, blank."""
    if index in LOCK_KEYS:
        return [DARK] * 5
    game = "00ff0000" if index in GAME_KEYS else DARK
    return ["00fb637e", "00ffffff", "00" + ROW_COLOURS[row], game, DARK]


def global_settings():
    entries = [
        ["common/deviceCount", len(DEVICES)],
        ["common/name", "QUORIX Q9"],
        ["common/language", "English"],
        ["common/url", "https://quorix.example.org/support"],
    ]
    names = ["type", "vid", "pid", "usagePage", "usage", "usagePage2", "usage2"]
    for group, device in enumerate(DEVICES):
        entries += [["%d/%s" % (group, n), v] for n, v in zip(names, device)]
        entries += [["%d/reportLength" % group, device[7]],
                    ["%d/isEncode" % group, False],
                    ["%d/sCode" % group, "418263"]]
    entries += [
        ["mouse/isColorful", True],
        ["mouse/isGun", True],
        ["mouse/icType", "560"],
        ["mouse/is55328", False],
        ["mouse/keyCount", 8],
        ["mouse/sensorType", "3360"],
        ["mouse/minDPI", 200],
        ["mouse/maxDPI", 12000],
        ["mouse/dpiBase", 100],
        ["mouse/profileNo", 0],
        ["keyboard/profileNo", 0],
        ["mouse/selectGun", [0, 1, 2]],
    ]
    return entries


def factory_profile():
    entries = []
    for k, key in enumerate(MOUSE_KEYS):
        entries.append(["mouseKeyMatrix/%d" % k, list(key)])
        entries.append(["mouseFwKeyMatrix/%d" % k, list(device_format(key))])
    entries += [
        ["mouse/reportRate", 3],
        ["mouse/dpiCount", 8],
        ["mouse/currentDpiCount", 4],
        ["mouse/dpiValueArray", DPI_VALUES],
        ["mouse/lightValue", [0, 2, 4]],
        ["mouse/colorValue", rgb(MOUSE_COLOURS)],
        # Knob positions: cursor step 5 and double-click step 6 (480 ms).
        ["mouse/mouseRate", 171],
        ["mouse/doubleRate", 188],
        ["mouse/scrollRate", 3],
        ["keyboard/lightValue", [2, 2, 4, 7]],
        ["keyboard/colorValue", rgb(KEYBOARD_COLOURS)],
        ["keyboard/bkLightValue", [0, 3, 0]],
    ]
    functions = {}
    pictures = {}
    for row, keys in enumerate(KEYBOARD_ROWS):
        for index, function in keys:
            assert index not in functions, index
            functions[index] = key_function(function)
            pictures[index] = key_pictures(row, index)
    # Matrix positions without a key switch: no function and dark in every picture.
    for index in range(KEYBOARD_KEY_COUNT):
        entries.append(["keyboardFunctionData/%d" % index, functions.get(index, [0, 0, 0, 0])])
        entries.append(["keyboardLEDData/%d" % index, pictures.get(index, [DARK] * 5)])
    return entries


GUNS = [
    # name, trigger, period, x, y, times; the first three as the gun editor's reset leaves them
    ["M416", "L-Click", "9", "0", "5", "0"],
    ["AKM", "L-Click", "9", "0", "7", "0"],
    ["M16A4", "L-Click", "9", "0", "8", "0"],
    ["SCAR-L", "L-Click", "10", "0", "10", "0"],
    ["UNP9", "L-Click", "10", "0", "10", "0"],
    ["Thomson", "L-Click", "10", "0", "10", "0"],
]


def name_lists():
    return [
        ["gun/gunName", [g[0] for g in GUNS]],
        ["profile/profileName", ["Standard0", "loaderzephyx"]],
        ["gun/selectGun", ["0", "1", "2"]],
    ]


def ini_escaped(text):
    """A value as QSettings writes it in IniFormat."""
    out = []
    for ch in text:
        if ch in '"\\':
            out.append("\\" + ch)
        elif ord(ch) < 0x20:
            out.append("\\x%x" % ord(ch))
        else:
            out.append(ch)
    value = "".join(out)
    if value.startswith("@"):
        value = "@" + value
    if any(c in text for c in ";,=") or value[:1] == " " or value[-1:] == " ":
        value = '"' + value + '"'
    return value


def write_language(path, sections):
    lines = []
    for name in texts.SECTIONS:
        strings = sections[name]
        lines.append("[%s]" % name)
        lines.append("total=%d" % len(strings))
        lines += ["%d=%s" % (i, ini_escaped(s)) for i, s in enumerate(strings)]
        lines.append("")
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def main():
    writer, modules = sys.argv[1], os.path.abspath(sys.argv[2])
    setting = os.path.join(modules, "setting")
    for folder in ("setting", "gun", "macro", "i18n", "img"):
        os.makedirs(os.path.join(modules, folder), exist_ok=True)
    files = [
        {"path": os.path.join(setting, "apConfig.bin"), "entries": global_settings()},
        {"path": os.path.join(setting, "pD.bin"), "entries": factory_profile()},
        {"path": os.path.join(setting, "name.bin"), "entries": name_lists()},
        {"path": os.path.join(modules, "gun", "gunData.bin"),
         "entries": [["gunData/%d" % i, g] for i, g in enumerate(GUNS)]},
    ]
    subprocess.run([writer], input=json.dumps({"files": files}).encode(), check=True)
    shutil.copyfile(os.path.join(setting, "apConfig.bin"), os.path.join(setting, "apConfigD.bin"))
    for slot in range(1, 11):
        shutil.copyfile(os.path.join(setting, "pD.bin"), os.path.join(setting, "p%d.bin" % slot))
    write_language(os.path.join(modules, "i18n", "English.ini"), texts.ENGLISH)
    write_language(os.path.join(modules, "i18n", "ChineseSimplified.ini"), texts.CHINESE)


if __name__ == "__main__":
    main()
