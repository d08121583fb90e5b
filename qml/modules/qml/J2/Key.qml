import QtQuick
import "../basic"

// One key cap of the keyboard picture.
Rectangle {
    id: root

    property int dataIndex: 0
    property int keyType: 0
    property var keyData: 0
    property var keyDefaultData: 0
    property color keyColor: "white"
    property string keyTxtText: ""
    property bool isSelect: page !== null && dataIndex === page.selectKey
    property bool isModify: String(keyData) !== String(keyDefaultData)
    // The keyboard page (`keyboardMain`) and the key setting panel.
    property var page: null
    property var keySetting: null
    // A drawn symbol instead of a label (KeyIcon's kinds), -1 for none.
    property int icon: -1

    readonly property bool colourView: page !== null && page.selectModel === 1

    width: 28
    height: 27
    radius: 2
    color: colourView ? keyColor : Theme.colorBlue
    border.color: hover.containsMouse || isSelect ? Theme.colorOrange
                                                  : (isModify ? "white" : Theme.colorBlue)

    ThemedText {
        anchors.centerIn: parent
        width: parent.width - 2
        horizontalAlignment: Text.AlignHCenter
        text: root.keyTxtText
        elide: Text.ElideRight
        style: root.colourView ? Text.Outline : Text.Normal
        styleColor: "black"
        font.pixelSize: Theme.fontMinSize
    }

    KeyIcon {
        anchors.centerIn: parent
        visible: root.icon >= 0
        kind: root.icon
    }

    MouseArea {
        id: hover
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.LeftButton | Qt.RightButton
        onClicked: (mouse) => {
            if (root.page === null)
                return
            root.page.selectKeyProc(root.dataIndex)
            if (root.colourView && root.keySetting !== null)
                root.keySetting.autoSettingLED(mouse.button === Qt.RightButton)
        }
    }
}
