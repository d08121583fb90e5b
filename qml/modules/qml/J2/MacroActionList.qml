import QtQuick
import "../basic"

// The actions of the selected macro: index, icon by type, and the key name or
// the pause. A right click asks for the action menu; a double click on a delay
// edits it in place.
Rectangle {
    id: root

    property alias model: view.model
    property alias currentIndex: view.currentIndex
    property alias view: view
    property int editIndex: -1
    property string editText: ""

    signal rowPressed()
    signal rowRightClicked(int index, real px, real py)
    signal delayEdited(int index, string text)

    readonly property var icons: ["macroKeyDelay", "macroKeyPress", "macroKeyRelease",
        "macroMousePress", "macroMouseRelease"]

    color: Theme.colorGray0
    border.color: Theme.colorGray1

    function beginDelayEdit(index) {
        editIndex = index
        view.positionViewAtIndex(index, ListView.Contain)
    }

    function endDelayEdit() {
        if (editIndex < 0)
            return
        var index = editIndex
        editIndex = -1
        delayEdited(index, editText)
    }

    ListView {
        id: view
        objectName: "macroActions"
        anchors.fill: parent
        anchors.margins: 1
        clip: true
        currentIndex: -1
        boundsBehavior: Flickable.StopAtBounds
        delegate: Rectangle {
            required property int index
            required property int type
            required property string info
            objectName: "macroAction" + index
            width: view.width
            height: 24
            color: index === view.currentIndex ? Theme.colorGray1 : "transparent"

            Row {
                x: 8
                spacing: 8
                anchors.verticalCenter: parent.verticalCenter

                ThemedText {
                    width: 32
                    anchors.verticalCenter: parent.verticalCenter
                    text: String(index + 1)
                    color: Theme.colorGray2
                }

                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    source: type >= 0 && type < root.icons.length ? Theme.img("macros", root.icons[type]) : ""
                }

                ThemedText {
                    anchors.verticalCenter: parent.verticalCenter
                    text: info + (type === 0 ? " ms" : "")
                }
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onPressed: (mouse) => {
                    root.rowPressed()
                    if (root.editIndex !== parent.index)
                        root.endDelayEdit()
                    view.currentIndex = parent.index
                }
                onClicked: (mouse) => {
                    if (mouse.button === Qt.RightButton) {
                        var p = mapToItem(root, mouse.x, mouse.y)
                        root.rowRightClicked(parent.index, p.x, p.y)
                    }
                }
                onDoubleClicked: (mouse) => {
                    if (mouse.button === Qt.LeftButton && parent.type === 0)
                        root.beginDelayEdit(parent.index)
                }
            }

            InlineEdit {
                objectName: "delayField"
                x: 56
                width: 120
                height: parent.height
                visible: root.editIndex === parent.index
                maximumLength: 5
                validator: IntValidator { bottom: 0; top: 65535 }
                onVisibleChanged: if (visible) begin(parent.info)
                onTextChanged: if (visible) root.editText = text
                onAccepted: root.endDelayEdit()
            }
        }

        // A right click below the last action opens the menu with nothing selected,
        // so an empty macro can be given its first action.
        MouseArea {
            y: view.contentHeight - view.contentY
            width: view.width
            height: Math.max(0, view.height - y)
            acceptedButtons: Qt.RightButton
            onClicked: (mouse) => {
                view.currentIndex = -1
                var p = mapToItem(root, mouse.x, mouse.y)
                root.rowRightClicked(-1, p.x, p.y)
            }
        }
    }
}
