import QtQuick

// A section of radio buttons, each giving the working copy fixed bytes; a
// button shows selected while the working copy holds its bytes.
AssignSection {
    id: root

    // The assignment dialog whose working copy the buttons set.
    property var dialog: null
    // [text index, [four bytes]] per button.
    property var options: []
    property int columns: 3
    property int cellWidth: 112

    Grid {
        columns: root.columns
        rowSpacing: 12

        Repeater {
            model: root.options.length
            delegate: Item {
                id: cell
                required property int index
                readonly property var bytes: root.options[index][1]
                width: root.cellWidth
                height: radio.height

                RadioButton {
                    id: radio
                    objectName: root.objectName + "Radio" + cell.index
                    index: cell.index
                    textValue: root.dialog.keyAssigmentLang[root.options[cell.index][0]]
                    isSelect: root.dialog.holds(cell.bytes)
                    onBtnClick: {
                        root.dialog.chooseBytes(cell.bytes)
                        // The click set the mark by hand; it follows the working copy again.
                        isSelect = Qt.binding(function() { return root.dialog.holds(cell.bytes) })
                    }
                }
            }
        }
    }
}
