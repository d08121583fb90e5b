import QtQuick
import "../basic"

// The macro names: a click selects, a right click asks for the name menu,
// a double click renames in place.
Rectangle {
    id: root

    property alias model: view.model
    property alias currentIndex: view.currentIndex
    property alias view: view
    // The row being renamed, -1 when none.
    property int editIndex: -1
    property string editText: ""

    signal rowClicked(int index)
    signal rowRightClicked(int index, real px, real py)
    signal renameRequested(int index, string newName)

    color: Theme.colorGray0
    border.color: Theme.colorGray1

    function beginRename(index) {
        editIndex = index
        view.positionViewAtIndex(index, ListView.Contain)
    }

    // Ends a rename, handing the text over; nothing happens when none runs.
    function endRename() {
        if (editIndex < 0)
            return
        var index = editIndex
        var text = editText
        editIndex = -1
        renameRequested(index, text)
    }

    ListView {
        id: view
        objectName: "macroNames"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        delegate: Rectangle {
            required property int index
            required property string textValue
            objectName: "macroName" + index
            width: view.width
            height: 24
            color: index === view.currentIndex ? Theme.colorOrange : "transparent"

            ThemedText {
                x: 8
                width: parent.width - 16
                anchors.verticalCenter: parent.verticalCenter
                elide: Text.ElideRight
                text: parent.textValue
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: (mouse) => {
                    if (mouse.button === Qt.RightButton) {
                        var p = mapToItem(root, mouse.x, mouse.y)
                        root.rowRightClicked(parent.index, p.x, p.y)
                    } else {
                        root.rowClicked(parent.index)
                    }
                }
                onDoubleClicked: (mouse) => {
                    if (mouse.button === Qt.LeftButton)
                        root.beginRename(parent.index)
                }
            }

            InlineEdit {
                objectName: "renameField"
                anchors.fill: parent
                visible: root.editIndex === parent.index
                maximumLength: 32
                onVisibleChanged: if (visible) begin(parent.textValue)
                onTextChanged: if (visible) root.editText = text
                onAccepted: root.endRename()
            }
        }
    }

}
