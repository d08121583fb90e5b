import QtQuick
import "KeyFunctions.js" as KeyFunctions

// A section with a six-column grid of functions (media, Windows, shortcut):
// choosing a cell gives the working copy that cell's bytes.
AssignSection {
    id: root

    property var dialog: null
    // KeyFunctions.media, .windows or .shortcut.
    property var grid: null
    property alias dropDown: cells

    z: cells.isDrop || cells.sliding ? 1 : 0

    function refill() {
        items.clear()
        for (var i = 0; i < grid.bytes.length; ++i)
            items.append({ "textValue": String(dialog.keyAssigmentLang[grid.text + i]) })
    }

    // Shows the working copy's cell when it is one of this grid's.
    function showEntry(code0, code2, code3) {
        if (grid.bytes[0][0] !== code0)
            return
        var cell = KeyFunctions.gridIndex(grid, code2, code3)
        if (cell >= 0)
            cells.currentSelect = cell
    }

    Component.onCompleted: refill()

    Connections {
        target: root.dialog
        function onKeyAssigmentLangChanged() { root.refill() }
    }

    ListModel {
        id: items
    }

    DropDownGrid {
        id: cells
        objectName: root.objectName + "Grid"
        width: 64
        mdItems: items
        onBtnClick: root.dialog.chooseBytes(root.grid.bytes[currentSelect])
    }
}
