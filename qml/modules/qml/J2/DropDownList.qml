import QtQuick
import "../basic"

// A field with a list that slides open below it. Pages react to
// valueChange(index), which follows the closing slide, even for the current row.
Item {
    id: root

    property bool isDrop: false
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
    readonly property bool sliding: slide.running
    property int pendingIndex: -1

    width: 144
    height: rowHeight
    z: isDrop || sliding ? 100 : 0

    function refreshText() {
        textValue = (mdItems && currentSelect >= 0 && currentSelect < mdItems.count)
                ? String(mdItems.get(currentSelect).textValue) : ""
    }

    function openMenu() {
        isDrop = true
        slide.to = shownRows * rowHeight
        slide.restart()
    }

    function closeMenu() {
        if (isDrop && !sliding)
            shut()
    }

    function shut() {
        isDrop = false
        slide.to = 0
        slide.restart()
    }

    function choose(index) {
        currentSelect = index
        refreshText()
        pendingIndex = index
        shut()
    }

    onCurrentSelectChanged: refreshText()
    onCountChanged: refreshText()
    onMdItemsChanged: refreshText()
    Component.onCompleted: refreshText()

    Connections {
        target: root.mdItems
        function onDataChanged() { root.refreshText() }
    }

    Rectangle {
        id: field
        anchors.fill: parent
        color: root.bgColor
        border.color: root.isDrop ? Theme.colorOrange : root.borderColor
        radius: 2

        Text {
            anchors.left: parent.left
            anchors.leftMargin: 8
            anchors.right: arrow.left
            anchors.verticalCenter: parent.verticalCenter
            text: root.textValue
            elide: Text.ElideRight
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        Image {
            id: arrow
            anchors.right: parent.right
            anchors.rightMargin: 6
            anchors.verticalCenter: parent.verticalCenter
            source: Theme.img("index", root.isDrop ? "dropBtnU" : "dropBtn")
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                root.btnClick()
                if (root.sliding)
                    return
                if (root.isDrop)
                    root.shut()
                else
                    root.openMenu()
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

                Text {
                    anchors.left: parent.left
                    anchors.leftMargin: 8
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    text: parent.textValue
                    elide: Text.ElideRight
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
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

    NumberAnimation {
        id: slide
        target: box
        property: "height"
        duration: 100
        easing.type: Easing.OutQuad
        onFinished: {
            if (!root.isDrop && root.pendingIndex >= 0) {
                var index = root.pendingIndex
                root.pendingIndex = -1
                root.valueChange(index)
            }
        }
    }
}
