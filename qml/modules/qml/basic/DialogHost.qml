import QtQuick

// Holds the dialogs over the dimming layer. A dialog opens centred and above
// the ones already open; the layer stays while any dialog is open and
// swallows every press meant for the pages below.
Item {
    id: host

    default property alias dialogs: stack.data
    property int topZ: 0

    // A left press on the layer: the open dialogs close their drop-downs.
    signal layerPressed()
    // A dialog's own close button closed it.
    signal closed(Item dialog)

    anchors.fill: parent

    function open(dialog) {
        mask.visible = true
        dialog.z = ++topZ
        dialog.open()
    }

    function close(dialog) {
        dialog.visible = false
        mask.visible = anyOpen()
    }

    function anyOpen() {
        for (var i = 0; i < stack.children.length; ++i) {
            if (stack.children[i].visible)
                return true
        }
        return false
    }

    Component.onCompleted: {
        for (var i = 0; i < stack.children.length; ++i) {
            let dialog = stack.children[i]
            dialog.closeClicked.connect(function() {
                host.close(dialog)
                host.closed(dialog)
            })
        }
    }

    Rectangle {
        id: mask
        objectName: "mainMask"
        anchors.fill: parent
        visible: false
        color: Theme.colorMask

        WindowDragArea {
            anchors.fill: parent
            onGrabbed: host.layerPressed()
        }
    }

    Item {
        id: stack
        anchors.fill: parent
    }
}
