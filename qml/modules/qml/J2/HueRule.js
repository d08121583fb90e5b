.pragma library

// The colour of a point of the hue bar and the point of a colour. Positions are
// counted from the bar's left edge + 1; the bar's 183 usable pixels make six
// segments: red → yellow → green → cyan → blue → magenta → red.
var usable = 183
var segment = Math.floor(usable / 6)

function colourAt(p) {
    var pos = Math.max(0, Math.floor(p))
    var s = Math.floor(pos / segment)
    var c = Math.floor((pos - s * segment) * 255 / segment)
    switch (s) {
    case 0: return [255, c, 0]
    case 1: return [255 - c, 255, 0]
    case 2: return [0, 255, c]
    case 3: return [0, 255 - c, 255]
    case 4: return [c, 0, 255]
    case 5: return [255, 0, 255 - c]
    }
    return pos > usable - 1 ? [255, 255, 255] : [255, 0, 0]
}

// Where a colour sits: matched by its pure components; white at the right end,
// any other mixture at the left end. Only approximate: the colour itself is kept.
function positionOf(r, g, b) {
    var w = usable / 6
    function at(s, step) { return s * w + step * w / 256 }
    if (r === 255 && b === 0) return at(0, g)
    if (r === 0 && b === 255) return at(3, 255 - g)
    if (g === 255 && b === 0) return at(1, 255 - r)
    if (g === 0 && b === 255) return at(4, r)
    if (r === 0 && g === 255) return at(2, b)
    if (r === 255 && g === 0) return at(5, 255 - b)
    if (r === 255 && g === 255 && b === 255) return usable - 1
    return 0
}

function hex(rgb) {
    function two(v) {
        var s = Number(v).toString(16)
        return s.length < 2 ? "0" + s : s
    }
    return "#" + two(rgb[0]) + two(rgb[1]) + two(rgb[2])
}
