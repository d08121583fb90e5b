import QtQuick

Rectangle {
    width: 1024
    height: 640
    color: "#1a1a1a"
}
