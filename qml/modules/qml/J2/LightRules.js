.pragma library

// Rules of the mouse lighting page that do not depend on the screen.

// Per effect position: which sliders show ("shown", "hidden" or "keep") and
// which steps choosing the effect sets (-1 leaves the step alone).
function effectRule(effect, is55328) {
    function rule(speedShown, brightnessShown, speed, brightness) {
        return { "speed": speedShown, "brightness": brightnessShown,
                 "setSpeed": speed, "setBrightness": brightness }
    }
    switch (effect) {
    case 0: return rule("hidden", "shown", -1, 4)
    case 1:
    case 2: return rule("shown", "hidden", 0, -1)
    case 3: return rule("hidden", "hidden", -1, 0)
    case 4: return is55328 ? rule("shown", "hidden", 0, -1) : rule("hidden", "shown", -1, 4)
    case 5:
    case 8:
    case 9:
    case 10: return rule("shown", "shown", 0, 4)
    case 6: return rule("hidden", "hidden", 0, 4)
    case 7: return rule("hidden", "shown", -1, 4)
    default: return rule("keep", "keep", -1, -1)
    }
}

// The page grows with the sliders it shows.
function pageHeight(sliders) {
    return sliders >= 2 ? 264 : sliders === 1 ? 224 : 176
}

function percentText(step) {
    return String(step * 25) + "%"
}

// Colours can be chosen only for effects that show them.
function coverShown(effect) {
    return [0, 1, 4, 9, 10].indexOf(effect) < 0
}

// Whether colour block `index` (0-based) is offered.
function blockShown(index, isColorful, is55328, dpiCount, effect) {
    if (index === 0)
        return isColorful || dpiCount > 0
    if (index === 7)
        return !is55328 && (isColorful || dpiCount > 7)
    if (is55328)
        return effect === 4
    return isColorful || dpiCount > index
}

function hex2(v) {
    var s = (Math.max(0, Math.min(255, Math.floor(Number(v)) || 0))).toString(16)
    return s.length < 2 ? "0" + s : s
}

function colourText(r, g, b) {
    return "#" + hex2(r) + hex2(g) + hex2(b)
}

// [r, g, b] of "#rrggbb".
function components(colour) {
    var s = String(colour)
    return [parseInt(s.substr(1, 2), 16) || 0, parseInt(s.substr(3, 2), 16) || 0,
            parseInt(s.substr(5, 2), 16) || 0]
}

// The hue bar: 183 usable pixels in six segments of 30 (integer division).
var barWidth = 183
var segmentWidth = Math.floor(barWidth / 6)

// The colour under position `p` of the hue bar (counted from its left edge + 1).
function hueColour(p) {
    p = Math.floor(p)
    var s = Math.floor(p / segmentWidth)
    var c = Math.floor((p - s * segmentWidth) * 255 / segmentWidth)
    switch (s) {
    case 0: return colourText(255, c, 0)
    case 1: return colourText(255 - c, 255, 0)
    case 2: return colourText(0, 255, c)
    case 3: return colourText(0, 255 - c, 255)
    case 4: return colourText(c, 0, 255)
    case 5: return colourText(255, 0, 255 - c)
    default: return p > barWidth - 1 ? "#ffffff" : "#ff0000"
    }
}

// Where on the bar a colour goes: pure hues find their place, white the
// right end (`rightEnd`), anything else the left end (0).
function hueOf(colour, rightEnd) {
    var rgb = components(colour)
    var r = rgb[0], g = rgb[1], b = rgb[2]
    var at = function(segment, step) { return (segment + step / 256) * barWidth / 6 }
    if (r === 255 && b === 0) return at(0, g)
    if (r === 0 && b === 255) return at(3, 255 - g)
    if (g === 255 && b === 0) return at(1, 255 - r)
    if (g === 0 && b === 255) return at(4, r)
    if (r === 0 && g === 255) return at(2, b)
    if (r === 255 && g === 0) return at(5, 255 - b)
    if (r === 255 && g === 255 && b === 255) return rightEnd
    return 0
}
