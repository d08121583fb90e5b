.pragma library

// The four-byte functions a mouse button can be given, the texts that name
// them and the rules of the assignment dialog's key captures. Texts are
// positions in the dialog's text list, so a language file renames them all.

// [keyCode2, text] of the mouse group in the dialog's order; Double Fire last.
var mouseButtons = [[0xF0, 2], [0xF2, 3], [0xF1, 4], [0xF4, 5], [0xF3, 6]]
var doubleFire = [0, 0xF0, 0x1E, 2]
var doubleFireText = 7

// The grid functions: bytes of each cell and the text of its first cell.
var media = {
    text: 27,
    bytes: [[3, 0, 0x83, 0x01], [3, 0, 0xB5, 0], [3, 0, 0xB6, 0], [3, 0, 0xB7, 0],
            [3, 0, 0xE2, 0], [3, 0, 0xCD, 0], [3, 0, 0xE9, 0], [3, 0, 0xEA, 0]]
}
var windows = {
    text: 35,
    bytes: [[6, 0, 0x94, 0x01], [6, 0, 0x23, 0x02], [6, 0, 0x21, 0x02], [6, 4, 0x2C, 0x1B],
            [6, 4, 0x2C, 0x11], [6, 0, 0xE3, 0x07], [6, 0, 0xE3, 0x15]]
}
var shortcut = {
    text: 42,
    bytes: [0x11, 0x1B, 0x06, 0x19, 0x16, 0x13, 0x09, 0x1C, 0x1D, 0x04].map(function(key) {
        return [7, 0, 0xE0, key]
    })
}
var gridsByClass = { 3: media, 6: windows, 7: shortcut }

// Option texts of the radio groups, by keyCode2 - 1.
var dpiTexts = [22, 23, 24, 56]
var gunTexts = [53, 54, 55]

var modifierFirst = 0xE0
var modifierLast = 0xE7

// Cell of a grid whose bytes match; keyCode1 is not compared.
function gridIndex(grid, code2, code3) {
    for (var i = 0; i < grid.bytes.length; ++i) {
        if (grid.bytes[i][2] === code2 && grid.bytes[i][3] === code3)
            return i
    }
    return -1
}

// The text of an entry. `nameOf(code)` names a key, `macroNameOf(n)` gives the
// macro bound to macro number n.
function entryText(lang, nameOf, macroNameOf, code0, code1, code2, code3) {
    var c0 = Number(code0), c1 = Number(code1), c2 = Number(code2), c3 = Number(code3)
    switch (c0) {
    case 0:
        for (var i = 0; i < mouseButtons.length; ++i) {
            if (mouseButtons[i][0] === c2)
                return lang[mouseButtons[i][1]]
        }
        return lang[doubleFireText]
    case 1:
        return nameOf(c1)
    case 2:
        return comboText(nameOf, c1, c2, c3, "+")
    case 3:
    case 6:
    case 7: {
        var grid = gridsByClass[c0]
        var cell = gridIndex(grid, c2, c3)
        return cell < 0 ? "" : lang[grid.text + cell]
    }
    case 4:
        return String(macroNameOf(c2))
    case 5:
        return c2 >= 1 && c2 <= dpiTexts.length ? lang[dpiTexts[c2 - 1]] : ""
    case 8:
        return c2 >= 1 && c2 <= gunTexts.length ? lang[gunTexts[c2 - 1]] : ""
    default:
        return ""
    }
}

// Modifier names in bit order, then the keys that are set, joined by `glue`.
function comboText(nameOf, mask, key1, key2, glue) {
    var parts = []
    for (var bit = 0; bit < 8; ++bit) {
        if (mask & (1 << bit))
            parts.push(nameOf(modifierFirst + bit))
    }
    if (key1 !== 0)
        parts.push(nameOf(key1))
    if (key2 !== 0)
        parts.push(nameOf(key2))
    return parts.join(glue)
}

// A combination being captured: the modifier mask, up to two keys and the
// text the box shows, key by key.
function emptyCombo() {
    return { mask: 0, key1: 0, key2: 0, text: "" }
}

// The combination after one more key event. Releases change nothing; a
// modifier sets its bit; other keys fill the first and then the second key,
// and any further key (or one already taken) is ignored.
function comboAdd(combo, isDown, code, name) {
    if (!isDown)
        return combo
    code = Number(code)
    var next = { mask: combo.mask, key1: combo.key1, key2: combo.key2, text: combo.text }
    if (code >= modifierFirst && code <= modifierLast) {
        var bit = 1 << (code - modifierFirst)
        if (next.mask & bit)
            return combo
        next.mask |= bit
    } else if (code === next.key1 || code === next.key2 || code <= 0 || code > 0xFF) {
        return combo
    } else if (next.key1 === 0) {
        next.key1 = code
    } else if (next.key2 === 0) {
        next.key2 = code
    } else {
        return combo
    }
    next.text = next.text === "" ? name : next.text + " + " + name
    return next
}

function comboIsEmpty(combo) {
    return combo.mask === 0 && combo.key1 === 0 && combo.key2 === 0
}

// The fire interval and the gun period are the slider knob's pixel position
// plus one: one millisecond per pixel, the knob's first position giving 3 ms.
function msOfKnob(position) {
    return Number(position) + 1
}

function knobOfMs(ms) {
    return Number(ms) - 1
}

// The gun editor's target: the dot's top edge runs from 89 to 183 pixels for
// a downward pull of 0 to 64, and a dragged dot gives the truncated value.
var dotTopMin = 89
var dotTopMax = 183
var pullMax = 64

function dotTopOfPull(y) {
    var pull = Math.max(0, Math.min(pullMax, Number(y) || 0))
    return dotTopMin + (dotTopMax - dotTopMin) * pull / pullMax
}

function pullOfDotTop(top) {
    var clamped = Math.max(dotTopMin, Math.min(dotTopMax, Number(top)))
    return Math.floor((clamped - dotTopMin) / (dotTopMax - dotTopMin) * pullMax)
}
