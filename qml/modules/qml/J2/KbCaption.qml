import QtQuick
import "../basic"

// A caption of the keyboard lighting box.
Text {
    color: Theme.fontColor
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontNormalSize
}
