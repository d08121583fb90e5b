import QtQuick
import "../basic"

// A line of text in the screens' font and colour.
Text {
    color: Theme.fontColor
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontNormalSize
}
