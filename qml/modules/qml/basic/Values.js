.pragma library

// Settings arrive as text, or not at all; a value that is missing keeps the
// screen's built-in one.

function isMissing(value) {
    return value === undefined || value === null || String(value) === ""
}

function boolOr(value, fallback) {
    if (isMissing(value))
        return fallback
    return value === true || value === 1 || value === "1" || String(value).toLowerCase() === "true"
}

function textOr(value, fallback) {
    return isMissing(value) ? fallback : String(value)
}

function intOr(value, fallback) {
    var number = parseInt(value, 10)
    return isNaN(number) ? fallback : number
}

// Texts a language file leaves out keep their built-in value.
function mergeTexts(builtIn, loaded) {
    var result = builtIn.slice()
    for (var i = 0; i < loaded.length; ++i)
        result[i] = String(loaded[i])
    return result
}
