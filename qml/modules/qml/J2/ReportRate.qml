import QtQuick
import "../basic"

// Report rate of the mouse: the list index is stored, the polling interval sent.
Panel {
    id: root

    property var rateValues: [8, 4, 2, 1]
    property alias rateList: list

    height: 64

    function init(isSendData) {
        var index = parseInt(ui_View.getData("mouse/reportRate", false), 10)
        if (isNaN(index) || index < 0 || index >= rateValues.length)
            index = rateValues.length - 1
        list.currentSelect = index
        if (isSendData)
            ui_View.mouseSetReportRate(rateValues[index])
    }

    function closeMenu() {
        list.closeMenu()
    }

    DropDownList {
        id: list
        objectName: "reportRateList"
        x: 12
        y: 32
        width: 208
        currentSelect: 3
        mdItems: ListModel {
            ListElement { textValue: "125Hz" }
            ListElement { textValue: "250Hz" }
            ListElement { textValue: "500Hz" }
            ListElement { textValue: "1000Hz" }
        }
        onValueChange: (index) => {
            ui_View.setData("mouse/reportRate", index)
            ui_View.mouseSetReportRate(root.rateValues[index])
        }
    }
}
