.pragma library

// The resolution a slider at `ratio` (0 at the low end, 1 at the high end)
// stands for, rounded down to a multiple of `base`. A ratio computed from a
// stored value must give that value back, so a hair of float error is forgiven.
function valueAt(ratio, minDPI, maxDPI, base) {
    var r = Math.max(0, Math.min(1, Number(ratio)))
    var raw = minDPI + r * (maxDPI - minDPI)
    var step = base > 0 ? base : 1
    return Math.floor(raw / step + 1e-9) * step
}

// Where a stored resolution puts the knob, clamped to the travel.
function ratioOf(value, minDPI, maxDPI) {
    if (maxDPI <= minDPI)
        return 0
    return Math.max(0, Math.min(1, (Number(value) - minDPI) / (maxDPI - minDPI)))
}
