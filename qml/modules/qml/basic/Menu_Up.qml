import QtQuick
import "../J2"

// Title bar: the profile selector, then ask, minimise and close.
Item {
    id: root

    property alias profileSelector: selector
    property alias profileModel: selector.mdItems
    property alias askMenuOpen: askMenu.visible
    property string url: ""
    readonly property string versionText: "verison:1.0"

    signal profileChosen(int index)

    width: row.width
    height: 24

    function closeMenus() {
        selector.closeMenu()
        askMenu.visible = false
    }

    Row {
        id: row
        spacing: 16

        DropDownList {
            id: selector
            objectName: "profileSelector"
            width: 144
            height: 24
            currentSelect: 0
            onValueChange: (index) => root.profileChosen(index)
        }

        ImageButton {
            objectName: "askButton"
            anchors.verticalCenter: parent.verticalCenter
            name: "ask"
            onClicked: askMenu.visible = !askMenu.visible
        }

        ImageButton {
            objectName: "minButton"
            anchors.verticalCenter: parent.verticalCenter
            name: "minBtn"
            onClicked: ui_Ctl.onMinimize()
        }

        ImageButton {
            objectName: "closeButton"
            anchors.verticalCenter: parent.verticalCenter
            name: "closeBtn"
            onClicked: ui_Ctl.onClose()
        }
    }

    Rectangle {
        id: askMenu
        objectName: "askMenu"
        x: root.width - width
        y: 32
        z: 100
        width: 200
        height: column.height
        visible: false
        color: Theme.colorGray0
        border.color: Theme.colorGray1

        Column {
            id: column

            Repeater {
                model: [root.url, root.versionText]
                delegate: Rectangle {
                    required property int index
                    required property string modelData
                    objectName: "askRow" + index
                    width: 200
                    height: 24
                    color: rowArea.containsMouse ? Theme.colorOrange : "transparent"

                    ThemedText {
                        anchors.left: parent.left
                        anchors.leftMargin: 8
                        anchors.right: parent.right
                        anchors.verticalCenter: parent.verticalCenter
                        text: parent.modelData
                        elide: Text.ElideRight
                    }

                    MouseArea {
                        id: rowArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: {
                            askMenu.visible = false
                            if (parent.index === 0 && root.url !== "")
                                Qt.openUrlExternally(root.url)
                        }
                    }
                }
            }
        }
    }
}
