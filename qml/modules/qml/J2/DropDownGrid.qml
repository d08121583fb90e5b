import QtQuick
import "../basic"

// A field with a six-column grid that slides open below it. Pages read
// currentSelect on btnClick(), which every cell click emits, even on an empty cell.
Item {
    id: root

    property alias isDrop: header.isDrop
    property ListModel mdItems: ListModel {}
    property int currentSelect: 0
    property string textValue: ""
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    property real horizontalOffset: 0

    signal btnClick()
    signal focusControl()
    // Kept for the pages' sake; the grid reports choices through btnClick().
    signal valueChange(int index)

    readonly property int columns: 6
    readonly property int rowHeight: 24
    readonly property int rows: Math.ceil((mdItems ? mdItems.count : 0) / columns)
    readonly property bool sliding: header.sliding

    width: 96
    height: rowHeight
    z: isDrop || sliding ? 100 : 0

    function refreshText() {
        textValue = (mdItems && currentSelect >= 0 && currentSelect < mdItems.count)
                ? String(mdItems.get(currentSelect).textValue) : ""
    }

    function closeMenu() {
        header.closeMenu()
    }

    function choose(index) {
        if (String(mdItems.get(index).textValue) !== "") {
            currentSelect = index
            refreshText()
        }
        header.shut()
        btnClick()
    }

    onCurrentSelectChanged: refreshText()
    onMdItemsChanged: refreshText()
    Component.onCompleted: refreshText()

    Connections {
        target: root.mdItems
        function onDataChanged() { root.refreshText() }
        function onCountChanged() { root.refreshText() }
    }

    DropDownHeader {
        id: header
        text: root.textValue
        borderColor: root.borderColor
        bgColor: root.bgColor
        box: box
        openHeight: root.rows * root.rowHeight
        onClicked: {
            root.focusControl()
            header.toggle()
        }
    }
    Rectangle {
        id: box
        x: root.horizontalOffset
        y: root.height
        width: root.width * root.columns
        height: 0
        visible: height > 0
        clip: true
        color: root.bgColor
        border.color: root.borderColor

        Grid {
            columns: root.columns

            Repeater {
                model: root.mdItems
                delegate: Rectangle {
                    required property int index
                    required property string textValue
                    width: root.width
                    height: root.rowHeight
                    color: textValue !== "" && (cellArea.containsMouse || index === root.currentSelect)
                           ? Theme.colorOrange : "transparent"

                    ThemedText {
                        anchors.centerIn: parent
                        width: parent.width - 4
                        horizontalAlignment: Text.AlignHCenter
                        text: parent.textValue
                        elide: Text.ElideRight
                    }

                    MouseArea {
                        id: cellArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: root.choose(parent.index)
                    }
                }
            }
        }
    }
}
