import QtQuick
import "../basic"

// The keyboard lighting box: effect, speed, brightness and colour choice.
Panel {
    id: kbLightMain

    property bool isSave: false
    property alias lightModel: effectList
    property alias rateSlider: speed
    property alias lightnessSlider: brightness
    property alias colorBlockRow: blocks
    property int colorIndex: 0
    property var colours: [[255, 0, 0], [0, 255, 0], [0, 0, 255], [255, 255, 0], [0, 255, 255],
        [255, 0, 255], [255, 255, 255]]

    title: "灯光"
    height: 230

    function init(isSendData, isRecovery) {
        var light = ui_View.getDataList("keyboard/lightValue", isRecovery)
        if (light.length === 4) {
            effectList.currentSelect = Number(light[0])
            speed.setIndexValue(Number(light[1]), false)
            brightness.setIndexValue(Number(light[2]), false)
            colorIndex = Number(light[3])
        }
        var rgb = ui_View.getDataList("keyboard/colorValue", isRecovery)
        if (rgb.length === 21) {
            var list = []
            for (var b = 0; b < 7; ++b)
                list.push([Number(rgb[3 * b]), Number(rgb[3 * b + 1]), Number(rgb[3 * b + 2])])
            colours = list
        }
        if (isSendData)
            saveData(true, 0)
    }

    function effectValues() {
        return [effectList.currentSelect, speed.segmentValue, brightness.segmentValue, colorIndex]
    }

    function sendEffect() {
        var v = effectValues()
        ui_View.keyboardSetRGBEffect(v[0], v[1], v[2], v[3])
    }

    function saveData(isSendData, isStep) {
        var rgb = []
        for (var b = 0; b < 7; ++b)
            rgb.push(colours[b][0], colours[b][1], colours[b][2])
        if (isStep === 0 || isStep === 1)
            ui_View.setDataList("keyboard/lightValue", effectValues())
        if (isStep === 0 || isStep === 2)
            ui_View.setDataList("keyboard/colorValue", rgb)
        if (isSendData) {
            sendEffect()
            ui_View.keyboardSetRGBColor(1, rgb)
        }
    }

    function kbLightControlFocus() {
        effectList.closeMenu()
    }

    DropDownList {
        id: effectList
        objectName: "kbEffectList"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 8
        width: 120
        z: 2
        currentSelect: 0
        mdItems: ListModel {
            ListElement { textValue: "常亮模式" }
            ListElement { textValue: "呼吸模式" }
            ListElement { textValue: "波浪模式" }
            ListElement { textValue: "即按即亮" }
            ListElement { textValue: "涟漪模式" }
            ListElement { textValue: "即按即灭" }
            ListElement { textValue: "霓虹模式" }
            ListElement { textValue: "跑马模式" }
            ListElement { textValue: "雨滴模式" }
            ListElement { textValue: "环形跑马" }
            ListElement { textValue: "对冲模式" }
            ListElement { textValue: "旋转模式" }
            ListElement { textValue: "用户模式1" }
            ListElement { textValue: "用户模式2" }
            ListElement { textValue: "用户模式3" }
            ListElement { textValue: "用户模式4" }
            ListElement { textValue: "用户模式5" }
        }
        onValueChange: {
            kbLightMain.rateSlider.setIndexValue(4, false)
            kbLightMain.lightnessSlider.setIndexValue(4, false)
            kbLightMain.isSave = true
        }
    }

    Column {
        x: 12
        y: 40
        spacing: 4

        Text {
            text: "速度"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        SliderButton {
            id: speed
            width: 208
            segment: 4
            isScale: true
            onValueChangeDelay: kbLightMain.isSave = true
        }

        Image {
            source: Theme.img("keyboard", "kbKeySpeedScale")
        }

        Text {
            text: "亮度"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        SliderButton {
            id: brightness
            width: 208
            segment: 4
            isScale: true
            onValueChangeDelay: kbLightMain.isSave = true
        }

        Image {
            source: Theme.img("keyboard", "kbKeySpeedScale")
        }

        Text {
            text: "颜色"
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        Row {
            id: blocks
            spacing: 4

            Repeater {
                model: 8
                delegate: Rectangle {
                    required property int index
                    width: 22
                    height: 22
                    radius: 2
                    border.color: index === kbLightMain.colorIndex ? Theme.colorOrange : Theme.colorGray2
                    color: index < 7 ? Qt.rgba(kbLightMain.colours[index][0] / 255,
                                               kbLightMain.colours[index][1] / 255,
                                               kbLightMain.colours[index][2] / 255, 1)
                                     : "transparent"
                    gradient: index === 7 ? blockGradient : null

                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            kbLightMain.colorIndex = parent.index
                            kbLightMain.isSave = true
                        }
                    }
                }
            }
        }
    }

    Gradient {
        id: blockGradient
        orientation: Gradient.Horizontal
        GradientStop { position: 0.0; color: "red" }
        GradientStop { position: 1.0; color: "green" }
    }
}
