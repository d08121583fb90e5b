import QtQuick
import "../basic"

// A field with a six-column grid that slides open below it. Pages read
// currentSelect on btnClick(), which every cell click emits, even on an empty cell.
Item {
    id: root

    property bool isDrop: false
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
    readonly property bool sliding: slide.running

    width: 96
    height: rowHeight
    z: isDrop || sliding ? 100 : 0

    function refreshText() {
        textValue = (mdItems && currentSelect >= 0 && currentSelect < mdItems.count)
                ? String(mdItems.get(currentSelect).textValue) : ""
    }

    function openMenu() {
        isDrop = true
        slide.to = rows * rowHeight
        slide.restart()
    }

    function shut() {
        isDrop = false
        slide.to = 0
        slide.restart()
    }

    function closeMenu() {
        if (isDrop && !sliding)
            shut()
    }

    function choose(index) {
        if (String(mdItems.get(index).textValue) !== "") {
            currentSelect = index
            refreshText()
        }
        shut()
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

    Rectangle {
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
                root.focusControl()
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

                    Text {
                        anchors.centerIn: parent
                        width: parent.width - 4
                        horizontalAlignment: Text.AlignHCenter
                        text: parent.textValue
                        elide: Text.ElideRight
                        color: Theme.fontColor
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.fontNormalSize
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

    NumberAnimation {
        id: slide
        target: box
        property: "height"
        duration: 100
        easing.type: Easing.OutQuad
    }
}
