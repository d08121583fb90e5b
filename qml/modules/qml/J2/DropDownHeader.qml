import QtQuick
import "../basic"

// The field of every drop-down: its text and the arrow. It also slides the
// drop-down's box open and shut, so the three drop-downs behave alike; a
// click emits clicked() and the drop-down decides what to do with it.
Rectangle {
    id: header

    property string text: ""
    property bool isDrop: false
    property color borderColor: Theme.colorGray1
    property color bgColor: Theme.colorGray0
    // The part below the field whose height slides.
    property Item box
    property real openHeight: 0
    property int duration: 100
    readonly property bool sliding: slide.running

    signal clicked()
    // The closing slide has ended.
    signal shutDone()

    anchors.fill: parent
    color: bgColor
    border.color: isDrop ? Theme.colorOrange : borderColor
    radius: 2

    function open() {
        isDrop = true
        slide.to = openHeight
        slide.restart()
    }

    function shut() {
        isDrop = false
        slide.to = 0
        slide.restart()
    }

    // Opens or shuts, unless a slide is still running.
    function toggle() {
        if (sliding)
            return
        if (isDrop)
            shut()
        else
            open()
    }

    // Only a fully open box closes.
    function closeMenu() {
        if (isDrop && !sliding)
            shut()
    }

    ThemedText {
        anchors.left: parent.left
        anchors.leftMargin: 8
        anchors.right: arrow.left
        anchors.verticalCenter: parent.verticalCenter
        text: header.text
        elide: Text.ElideRight
    }

    Image {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: 6
        anchors.verticalCenter: parent.verticalCenter
        source: Theme.img("index", header.isDrop ? "dropBtnU" : "dropBtn")
    }

    MouseArea {
        anchors.fill: parent
        onClicked: header.clicked()
    }

    NumberAnimation {
        id: slide
        target: header.box
        property: "height"
        duration: header.duration
        easing.type: Easing.OutQuad
        onFinished: {
            if (!header.isDrop)
                header.shutDone()
        }
    }
}
