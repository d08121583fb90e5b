import QtQuick

// Text in the screens' font and colour; pages change only what differs.
Text {
    color: Theme.fontColor
    font.family: Theme.fontFamily
    font.pixelSize: Theme.fontNormalSize
}
