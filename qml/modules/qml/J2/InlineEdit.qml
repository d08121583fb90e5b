import QtQuick
import "../basic"

// A text field laid over a list row while its text is edited in place.
// Return, or the focus going elsewhere, hands the edit to the owner, which
// ends it and reads `text`.
Rectangle {
    id: root

    property alias text: input.text
    property alias validator: input.validator
    property alias maximumLength: input.maximumLength

    signal accepted()

    color: Theme.colorField
    border.color: Theme.colorOrange

    function begin(value) {
        input.text = value
        input.selectAll()
        input.forceActiveFocus()
    }

    TextInput {
        id: input
        objectName: "inlineInput"
        anchors.fill: parent
        anchors.leftMargin: 6
        verticalAlignment: TextInput.AlignVCenter
        clip: true
        selectByMouse: true
        color: Theme.fontColor
        selectionColor: Theme.colorOrange
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
        Keys.onReturnPressed: root.accepted()
        Keys.onEnterPressed: root.accepted()
        onActiveFocusChanged: if (!activeFocus && root.visible) root.accepted()
    }
}
