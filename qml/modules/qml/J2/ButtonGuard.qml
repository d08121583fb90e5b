import QtQuick

// Laid under a dialog's content: takes the presses of every button but the
// left one, which the dialog itself uses for its controls and for dragging,
// so nothing below the dialog sees them.
MouseArea {
    acceptedButtons: Qt.RightButton | Qt.MiddleButton | Qt.BackButton | Qt.ForwardButton
}
