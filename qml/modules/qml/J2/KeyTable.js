.pragma library

// The keyboard's keys, one list per row of the picture, top row first. Each
// entry: label, matrix index (`fwIndex`, names the stored entries), default
// function (type, code1, code2, code3) and where its cap sits: x and width in
// key units, and for the two tall keypad keys the row it is drawn from and its
// height in rows. A key's cap number (`dataIndex`) is 100 × row + its position.

function k(label, fwIndex, code, x, w) {
    return { label: label, fwIndex: fwIndex, fn: [0, 0, code, 0], x: x, w: w || 1 }
}

function media(label, fwIndex, usage, x) {
    return { label: label, fwIndex: fwIndex, fn: [3, 0, usage & 0xFF, usage >> 8], x: x, w: 1, icon: true }
}

// Keys of the Japanese layout that this keyboard has in its matrix but not on its caps.
function hidden(entry) {
    entry.hidden = true
    return entry
}

// Column starts of the navigation cluster and the keypad.
var nav = 15.63
var pad = nav + 3.63

var rows = [
    [k("ESC", 5, 0x29, 0),
     k("F1", 17, 0x3A, 2), k("F2", 23, 0x3B, 3), k("F3", 29, 0x3C, 4), k("F4", 35, 0x3D, 5),
     k("F5", 41, 0x3E, 6.5), k("F6", 47, 0x3F, 7.5), k("F7", 53, 0x40, 8.5), k("F8", 59, 0x41, 9.5),
     k("F9", 65, 0x42, 11), k("F10", 71, 0x43, 12), k("F11", 77, 0x44, 13), k("F12", 83, 0x45, 14),
     k("Prt", 89, 0x46, nav), k("Scr", 95, 0x47, nav + 1), k("Pau", 101, 0x48, nav + 2),
     media("音乐", 107, 0x0183, pad), media("邮件", 113, 0x018A, pad + 1),
     media("计算器", 119, 0x0192, pad + 2), media("我的电脑", 125, 0x0194, pad + 3)],
    [k("`", 4, 0x35, 0), k("1", 10, 0x1E, 1), k("2", 16, 0x1F, 2), k("3", 22, 0x20, 3),
     k("4", 28, 0x21, 4), k("5", 34, 0x22, 5), k("6", 40, 0x23, 6), k("7", 46, 0x24, 7),
     k("8", 52, 0x25, 8), k("9", 58, 0x26, 9), k("0", 64, 0x27, 10), k("-", 70, 0x2D, 11),
     k("=", 76, 0x2E, 12), hidden(k("¥", 74, 0x89, 13)), k("Back", 82, 0x2A, 13, 2),
     k("Ins", 88, 0x49, nav), k("Hom", 94, 0x4A, nav + 1), k("Pgu", 100, 0x4B, nav + 2),
     k("Num", 106, 0x53, pad), k("/", 112, 0x54, pad + 1), k("*", 118, 0x55, pad + 2),
     k("-", 124, 0x56, pad + 3)],
    [k("Tab", 3, 0x2B, 0, 1.5), k("Q", 9, 0x14, 1.5), k("W", 15, 0x1A, 2.5), k("E", 21, 0x08, 3.5),
     k("R", 27, 0x15, 4.5), k("T", 33, 0x17, 5.5), k("Y", 39, 0x1C, 6.5), k("U", 45, 0x18, 7.5),
     k("I", 51, 0x0C, 8.5), k("O", 57, 0x12, 9.5), k("P", 63, 0x13, 10.5), k("[", 69, 0x2F, 11.5),
     k("]", 75, 0x30, 12.5), k("\\", 81, 0x31, 13.5, 1.5),
     k("Del", 87, 0x4C, nav), k("End", 93, 0x4D, nav + 1), k("Pgd", 99, 0x4E, nav + 2),
     k("7", 105, 0x5F, pad), k("8", 111, 0x60, pad + 1), k("9", 117, 0x61, pad + 2),
     tall(k("+", 122, 0x57, pad + 3), 2)],
    [k("Caps", 2, 0x39, 0, 1.75), k("A", 8, 0x04, 1.75), k("S", 14, 0x16, 2.75),
     k("D", 20, 0x07, 3.75), k("F", 26, 0x09, 4.75), k("G", 32, 0x0A, 5.75), k("H", 38, 0x0B, 6.75),
     k("J", 44, 0x0D, 7.75), k("K", 50, 0x0E, 8.75), k("L", 56, 0x0F, 9.75), k(";", 62, 0x33, 10.75),
     k("'", 68, 0x34, 11.75), k("Enter", 80, 0x28, 12.75, 2.25),
     k("4", 104, 0x5C, pad), k("5", 110, 0x5D, pad + 1), k("6", 116, 0x5E, pad + 2),
     tall(k("Enter", 120, 0x58, pad + 3), 4)],
    // The right Shift is matrix index 79; 73 is the Japanese "ro" key beside it,
    // kept behind the hidden cap so that every visible cap edits its own key.
    [k("Shift", 1, 0xE1, 0, 2.25), k("Z", 7, 0x1D, 2.25), k("X", 13, 0x1B, 3.25),
     k("C", 19, 0x06, 4.25), k("V", 25, 0x19, 5.25), k("B", 31, 0x05, 6.25), k("N", 37, 0x11, 7.25),
     k("M", 43, 0x10, 8.25), k(",", 49, 0x36, 9.25), k(".", 55, 0x37, 10.25),
     k("/", 61, 0x38, 11.25), k("Shift", 79, 0xE5, 12.25, 2.75), hidden(k("ろ", 73, 0x87, 12.25)),
     k("▲", 91, 0x52, nav + 1),
     k("1", 103, 0x59, pad), k("2", 109, 0x5A, pad + 1), k("3", 115, 0x5B, pad + 2)],
    [k("Ctrl", 0, 0xE0, 0, 1.25), k("Win", 6, 0xE3, 1.25, 1.25), k("Alt", 12, 0xE2, 2.5, 1.25),
     hidden(k("無変換", 18, 0x8B, 3.75)), k("Space", 30, 0x2C, 3.75, 6.25),
     hidden(k("変換", 42, 0x8A, 8)), hidden(k("かた\nかな", 48, 0x88, 9)),
     k("Alt", 54, 0xE6, 10, 1.25), k("Win", 60, 0xE7, 11.25, 1.25),
     fn(k("Fn", 72, 0, 12.5, 1.25)), k("Ctrl", 78, 0xE4, 13.75, 1.25),
     k("◄", 84, 0x50, nav), k("▼", 90, 0x51, nav + 1), k("►", 96, 0x4F, nav + 2),
     k("0", 102, 0x62, pad, 2), k(".", 114, 0x63, pad + 2)]
]

function tall(entry, drawnRow) {
    entry.drawnRow = drawnRow
    entry.h = 2
    return entry
}

function fn(entry) {
    entry.fn = [2, 0, 0, 0]
    return entry
}

// Caps Lock, Scroll Lock and Num Lock show the keyboard's own state: the user
// gives them neither a colour nor a macro.
var lockKeys = [300, 14, 118]

function isLockKey(dataIndex) {
    return lockKeys.indexOf(Number(dataIndex)) >= 0
}

function rowOf(dataIndex) {
    return Math.floor(dataIndex / 100)
}

function posOf(dataIndex) {
    return dataIndex % 100
}

function entry(dataIndex) {
    var row = rows[rowOf(dataIndex)]
    return row === undefined ? undefined : row[posOf(dataIndex)]
}

// Every cap, with its place in the picture.
function caps() {
    var list = []
    for (var r = 0; r < rows.length; ++r) {
        for (var p = 0; p < rows[r].length; ++p) {
            var e = rows[r][p]
            list.push({ dataIndex: 100 * r + p, row: r, pos: p, label: e.label, x: e.x, w: e.w,
                        drawnRow: e.drawnRow === undefined ? r : e.drawnRow, h: e.h || 1,
                        hidden: e.hidden === true, icon: e.icon === true })
        }
    }
    return list
}

// Pictures 1 to 5 of a key that was never painted.
var dark = "00000000"
var darkPictures = [dark, dark, dark, dark, dark]

// The stored colour string: "0", the light type digit, then rrggbb in lower case.
function colourString(lightType, r, g, b) {
    function hex(v) {
        var s = (Math.max(0, Math.min(255, Number(v) | 0))).toString(16)
        return s.length < 2 ? "0" + s : s
    }
    return "0" + (Number(lightType) & 0xF).toString(16) + hex(r) + hex(g) + hex(b)
}

// "#rrggbb" of a colour string; "" for a dark key or a string that is not one.
function swatch(colourStr) {
    var s = String(colourStr)
    if (!/^[0-9a-fA-F]{8}/.test(s) || /^0{8}/.test(s))
        return ""
    return "#" + s.substr(2, 6).toLowerCase()
}

// The multimedia grid: position, consumer usage.
var mediaUsages = [0x0183, 0x00B5, 0x00B6, 0x00B7, 0x00E2, 0x00CD, 0x00E9, 0x00EA, 0x018A,
                   0x0192, 0x0194, 0x0221, 0x0223, 0x0224, 0x0225, 0x0226, 0x0227, 0x022A]
