import QtQuick
import "../basic"

// A field with a list that slides open below it. Pages react to
// valueChange(index), which follows the closing slide, even for the current row.
Item {
    id: root

    property alias isDrop: header.isDrop
    property ListModel mdItems: ListModel {}
    property int count: mdItems ? mdItems.count : 0
    property int currentSelect: 2
    property string textValue: ""
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    property real horizontalOffset: 0

    signal btnClick()
    signal valueChange(int index)
    signal dragSignal(bool isDrag)

    readonly property int rowHeight: 24
    readonly property int maxRows: Theme.deviceType === "mouse" ? 10 : 6
    readonly property int shownRows: Math.min(count, maxRows)
    readonly property bool sliding: header.sliding
    property int pendingIndex: -1

    width: 144
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
        currentSelect = index
        refreshText()
        pendingIndex = index
        header.shut()
    }

    onCurrentSelectChanged: refreshText()
    onCountChanged: refreshText()
    onMdItemsChanged: refreshText()
    Component.onCompleted: refreshText()

    Connections {
        target: root.mdItems
        function onDataChanged() { root.refreshText() }
    }

    DropDownHeader {
        id: header
        text: root.textValue
        borderColor: root.borderColor
        bgColor: root.bgColor
        box: box
        openHeight: root.shownRows * root.rowHeight
        onClicked: {
            root.btnClick()
            header.toggle()
        }
        onShutDone: {
            if (root.pendingIndex >= 0) {
                var index = root.pendingIndex
                root.pendingIndex = -1
                root.valueChange(index)
            }
        }
    }
    Rectangle {
        id: box
        x: root.horizontalOffset
        y: root.height
        width: root.width
        height: 0
        visible: height > 0
        clip: true
        color: root.bgColor
        border.color: root.borderColor

        ListView {
            id: list
            anchors.fill: parent
            anchors.rightMargin: dragBar.visible ? dragBar.width : 0
            model: root.mdItems
            boundsBehavior: Flickable.StopAtBounds
            delegate: Rectangle {
                required property int index
                required property string textValue
                width: list.width
                height: root.rowHeight
                color: rowArea.containsMouse || index === root.currentSelect ? Theme.colorOrange : "transparent"

                ThemedText {
                    anchors.left: parent.left
                    anchors.leftMargin: 8
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: parent.textValue
                    elide: Text.ElideRight
                }

                MouseArea {
                    id: rowArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: root.choose(parent.index)
                }
            }
        }

        Rectangle {
            id: dragBar
            readonly property real travel: box.height - height
            anchors.right: parent.right
            width: 12
            height: Math.max(24, box.height * root.shownRows / Math.max(1, root.count))
            y: list.contentHeight > list.height
               ? travel * list.contentY / (list.contentHeight - list.height) : 0
            visible: root.count > root.maxRows
            color: "white"
            radius: 3

            MouseArea {
                anchors.fill: parent
                property real pressY
                onPressed: (mouse) => { pressY = mouse.y; root.dragSignal(true) }
                onReleased: root.dragSignal(false)
                onPositionChanged: (mouse) => {
                    var y = Math.max(0, Math.min(dragBar.travel, dragBar.y + mouse.y - pressY))
                    list.contentY = dragBar.travel > 0
                            ? y / dragBar.travel * (list.contentHeight - list.height) : 0
                }
            }
        }
    }
}
