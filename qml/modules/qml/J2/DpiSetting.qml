import QtQuick
import "../basic"
import "DpiRules.js" as DpiRules

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
    // What the stages show, and so what is stored and sent.
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

    function slider(index) {
        var stage = stages.itemAt(index)
        return stage ? stage.slider : null
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
        // A stored count outside the supported stages would show or send none.
        currentDpiCount = Math.max(1, Math.min(Math.max(1, dpiCount), currentDpiCount))
        if (!isRecovery) {
            if (!trimmed) {
                while (stageModel.count > Math.max(1, dpiCount))
                    stageModel.remove(stageModel.count - 1)
                trimmed = true
            }
            stageList.currentSelect = currentDpiCount - 1
            stageList.closeMenu()
        }
        for (var i = 0; i < 8 && i < values.length; ++i) {
            var ratio = DpiRules.ratioOf(intOr(values[i], minDPI), minDPI, maxDPI)
            slider(i).setRatio(ratio)
            dpiValueProc(i, ratio, false)
        }
        if (isSendData)
            saveData(true)
    }

    // The value of stage `index` for a knob at `position` (0 low … 1 high);
    // `isSendData` marks a finished edit.
    function dpiValueProc(index, position, isSendData) {
        var list = dpiValueArray.slice()
        list[index] = DpiRules.valueAt(position, minDPI, maxDPI, dpiBase)
        dpiValueArray = list
        if (isSendData)
            isSave = true
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
        anchors.rightMargin: 36
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

    ImageButton {
        objectName: "dpiRestore"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 12
        name: "back"
        onClicked: {
            dpiMain.pressed()
            dpiMain.init(false, true)
            dpiMain.isSave = true
        }
    }

    Repeater {
        id: stages
        model: 8
        delegate: Item {
            id: stage
            required property int index
            property alias slider: stageSlider
            readonly property real columnWidth: 208 / Math.max(1, dpiMain.currentDpiCount)
            objectName: "dpiStage" + index
            visible: index < dpiMain.currentDpiCount
            x: 12 + index * columnWidth
            y: 44
            width: columnWidth
            height: 200

            DpiSlider {
                id: stageSlider
                objectName: "dpiSlider" + stage.index
                anchors.horizontalCenter: parent.horizontalCenter
                fillColor: stage.index === dpiMain.currentDPI ? Theme.colorOrange : Theme.colorBlue
                onPressed: dpiMain.pressed()
                onMoved: (ratio) => dpiMain.dpiValueProc(stage.index, ratio, false)
                onReleased: (ratio) => dpiMain.dpiValueProc(stage.index, ratio, true)
            }

            ThemedText {
                objectName: "dpiValue" + stage.index
                anchors.horizontalCenter: parent.horizontalCenter
                y: stageSlider.height + 6
                text: String(dpiMain.dpiValueArray[stage.index])
                color: stage.index === dpiMain.currentDPI ? Theme.colorOrange : Theme.fontColor
                font.pixelSize: Theme.fontMinSize
            }
        }
    }
}
