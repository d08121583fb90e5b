import QtQuick

// The gap between two key caps of a row.
Item {
    width: 6
    height: 27
}
