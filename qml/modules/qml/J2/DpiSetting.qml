import QtQuick
import "../basic"

// The DPI box of the mouse layout: stages in use, their resolutions, and
// which stage the mouse is on now.
Panel {
    id: dpiMain

    property int dpiCount: 4
    property int currentDpiCount: 4
    property int currentDPI: 0
    property int minDPI: 200
    property int maxDPI: 6000
    property string sensorType: "3360"
    property int dpiBase: 50
    property var dpiValueArray: [500, 1000, 1500, 2000, 3000, 4000, 5000, 6000]
    property bool isSave: false
    property var dpiSettingLang: ["DPI", "", "", "", ""]
    property alias dpiSegment: stageList
    property bool trimmed: false

    signal pressed()

    width: 232
    height: 256
    title: dpiSettingLang[0]

    function intOr(value, fallback) {
        var n = parseInt(value, 10)
        return isNaN(n) ? fallback : n
    }

    function init(isSendData, isRecovery) {
        if (!isRecovery) {
            dpiCount = intOr(ui_View.getData("mouse/dpiCount", false), dpiCount)
            currentDpiCount = intOr(ui_View.getData("mouse/currentDpiCount", false), currentDpiCount)
            minDPI = intOr(ui_View.getGlobalData("mouse/minDPI"), minDPI)
            maxDPI = intOr(ui_View.getGlobalData("mouse/maxDPI"), maxDPI)
            sensorType = String(ui_View.getGlobalData("mouse/sensorType") || sensorType)
            dpiBase = intOr(ui_View.getGlobalData("mouse/dpiBase"), dpiBase)
        }
        var values = ui_View.getDataList("mouse/dpiValueArray", isRecovery)
        if (dpiCount > 8)
            return
        if (values.length === 8)
            dpiValueArray = values.map(function(v) { return intOr(v, 0) })
        if (!isRecovery) {
            if (!trimmed) {
                while (stageModel.count > dpiCount)
                    stageModel.remove(stageModel.count - 1)
                trimmed = true
            }
            stageList.currentSelect = currentDpiCount - 1
            stageList.closeMenu()
        }
        if (isSendData)
            saveData(true)
    }

    function saveData(isSendData) {
        var values = dpiValueArray.slice()
        ui_View.setDataList("mouse/dpiValueArray", values)
        ui_View.setData("mouse/currentDpiCount", currentDpiCount)
        if (isSendData)
            ui_View.mouseSetDpi(currentDpiCount, sensorType, values)
    }

    DropDownList {
        id: stageList
        objectName: "dpiStageList"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 8
        width: 64
        z: 2
        currentSelect: 3
        mdItems: ListModel {
            id: stageModel
            ListElement { textValue: "1" }
            ListElement { textValue: "2" }
            ListElement { textValue: "3" }
            ListElement { textValue: "4" }
            ListElement { textValue: "5" }
            ListElement { textValue: "6" }
            ListElement { textValue: "7" }
            ListElement { textValue: "8" }
        }
        onBtnClick: dpiMain.pressed()
        onValueChange: (index) => {
            dpiMain.currentDpiCount = index + 1
            dpiMain.isSave = true
        }
    }

    Row {
        x: 12
        y: 44
        spacing: Math.floor((208 - 18 * dpiMain.currentDpiCount) / Math.max(1, dpiMain.currentDpiCount))

        Repeater {
            model: 8
            delegate: Column {
                id: stage
                required property int index
                visible: index < dpiMain.currentDpiCount
                spacing: 8

                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 4
                    height: 176
                    radius: 3
                    color: Theme.colorGray1

                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        radius: 3
                        height: parent.height * (dpiMain.dpiValueArray[stage.index] - dpiMain.minDPI)
                                / Math.max(1, dpiMain.maxDPI - dpiMain.minDPI)
                        color: stage.index === dpiMain.currentDPI ? Theme.colorOrange : Theme.colorGray2
                    }
                }

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: String(dpiMain.dpiValueArray[stage.index])
                    color: stage.index === dpiMain.currentDPI ? Theme.colorOrange : Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                }
            }
        }
    }
}
