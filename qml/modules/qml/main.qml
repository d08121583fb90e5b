import QtQuick

// Root of the screens. The application side calls these functions by name.
Item {
    id: mainIten
    width: 1024
    height: 640
    visible: false

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int buttonCode, int x, int y)

    property bool isPownOn: false
    property bool busy: false

    function initUI() {
        setProtectUI(1000)
        visible = true
        isPownOn = true
    }

    function run() {
    }

    function setProtectUI(interval) {
        busy = true
        ui_View.setEnabled(false)
        lockTimer.interval = interval
        lockTimer.restart()
    }

    function setCurrentDPI(dpiValue) {
        if (dpiValue !== 0)
            currentStage.text = "DPI " + dpiValue
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
        msg_MS(isDown, buttonCode, x, y)
    }

    Timer {
        id: lockTimer
        interval: 1000
        onTriggered: {
            ui_View.setEnabled(true)
            mainIten.busy = false
        }
    }

    Rectangle {
        anchors.fill: parent
        radius: 6
        color: "#29292d"
        border.color: "#3b3b40"

        MouseArea {
            property point pressPos
            anchors.fill: parent
            onPressed: (mouse) => { pressPos = Qt.point(mouse.x, mouse.y) }
            onPositionChanged: (mouse) => {
                ui_Ctl.onXChanged(mouse.x - pressPos.x)
                ui_Ctl.onYChanged(mouse.y - pressPos.y)
            }
        }

        Text {
            anchors.centerIn: parent
            text: "Quorix"
            color: "#ffffff"
            font.pixelSize: 32
        }

        Text {
            id: currentStage
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 24
            color: "#969696"
            font.pixelSize: 14
        }

        Row {
            anchors.top: parent.top
            anchors.right: parent.right
            anchors.margins: 16
            spacing: 16

            Repeater {
                model: [ { label: "–", action: "min" }, { label: "×", action: "close" } ]
                delegate: Rectangle {
                    required property var modelData
                    width: 24
                    height: 24
                    radius: 4
                    color: hover.containsMouse ? "#fb637e" : "#3c3c3c"
                    Text {
                        anchors.centerIn: parent
                        text: modelData.label
                        color: "#ffffff"
                        font.pixelSize: 14
                    }
                    MouseArea {
                        id: hover
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: modelData.action === "min" ? ui_Ctl.onMinimize() : ui_Ctl.onClose()
                    }
                }
            }
        }

        Text {
            anchors.centerIn: parent
            anchors.verticalCenterOffset: 48
            visible: mainIten.busy
            text: "LOADING ......"
            color: "#fb637e"
            font.pixelSize: 16
        }
    }
}
