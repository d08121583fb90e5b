import QtQuick
import "../basic"

// The lighting box of the mouse layout: effect, speed, brightness and eight colours.
Panel {
    id: lightMain

    property var lightControlLang: ["Light", "Static", "Breath", "Neon", "OFF", "Speed", "Color",
        "Brightness", "Twinkling", "Wave", "Gliding", "Finger Moving", "Vertical Flipping", "YO-YO",
        "Spotlight", "Breath Loop", "", "", "", ""]
    property bool colourful: false
    property bool variant55328: false
    // True while the main screen runs its one-time initialisation.
    property bool firstLoad: false
    property bool isSave: false
    property alias lightModel: effectList
    property var colours: ["#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff", "#ff00ff", "#ffffff", "#ff8000"]

    width: 232
    height: 264
    title: lightControlLang[0]

    function hex2(v) {
        var s = Number(v).toString(16)
        return s.length < 2 ? "0" + s : s
    }

    function init(isSendData, isRecovery) {
        var m = effectList.mdItems
        if (!isSendData && !isRecovery && firstLoad) {
            m.clear()
            for (var k = 0; k < 4; ++k)
                m.append({ "textValue": "" })
            if (colourful) {
                for (var c = 8; c <= 14; ++c)
                    m.append({ "textValue": lightControlLang[c] })
            }
            if (variant55328)
                m.append({ "textValue": lightControlLang[15] })
        }
        for (var i = 0; i < 4 && i < m.count; ++i)
            m.setProperty(i, "textValue", lightControlLang[i + 1])
        var light = ui_View.getDataList("mouse/lightValue", isRecovery)
        if (light.length === 3) {
            effectList.currentSelect = Number(light[0])
            speed.setIndexValue(Number(light[1]), false)
            brightness.setIndexValue(Number(light[2]), false)
        }
        var rgb = ui_View.getDataList("mouse/colorValue", isRecovery)
        if (rgb.length === 24) {
            var list = []
            for (var b = 0; b < 8; ++b)
                list.push("#" + hex2(rgb[3 * b]) + hex2(rgb[3 * b + 1]) + hex2(rgb[3 * b + 2]))
            colours = list
        }
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        var effect = [effectList.currentSelect, speed.segmentValue, brightness.segmentValue]
        var rgb = []
        for (var b = 0; b < 8; ++b) {
            var c = Qt.color(colours[b])
            rgb.push(Math.round(c.r * 255), Math.round(c.g * 255), Math.round(c.b * 255))
        }
        if (isStep === 0 || isStep === 1)
            ui_View.setDataList("mouse/lightValue", effect)
        if (isStep === 0 || isStep === 2)
            ui_View.setDataList("mouse/colorValue", rgb)
        if (!isSendData)
            return
        if (isStep === 0 || isStep === 1)
            ui_View.mouseSetRGBEffect(effect[0], effect[1], effect[2])
        if (isStep === 0 || isStep === 2)
            ui_View.mouseSetRGBColor(colourful ? 0 : 1, rgb)
    }

    function lightControlFocus() {
        effectList.closeMenu()
    }

    DropDownList {
        id: effectList
        objectName: "lightEffectList"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 8
        width: 120
        z: 2
        currentSelect: 0
        mdItems: ListModel {
            ListElement { textValue: "Static" }
            ListElement { textValue: "Breath" }
            ListElement { textValue: "Neon" }
            ListElement { textValue: "OFF" }
        }
        onValueChange: lightMain.isSave = true
    }

    Column {
        x: 12
        y: 40
        spacing: 2

        Text {
            text: lightMain.lightControlLang[5]
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        SliderButton {
            id: speed
            width: 208
            segment: 4
            isScale: true
            onValueChangeDelay: lightMain.isSave = true
        }

        Image {
            source: Theme.img("lightControl", "speedScale")
        }

        Item { width: 1; height: 6 }

        Text {
            text: lightMain.lightControlLang[7]
            color: Theme.fontColor
            font.family: Theme.fontFamily
            font.pixelSize: Theme.fontNormalSize
        }

        SliderButton {
            id: brightness
            width: 208
            segment: 4
            isScale: true
            onValueChangeDelay: lightMain.isSave = true
        }

        Image {
            source: Theme.img("lightControl", "speedScale")
        }
    }

    Text {
        x: 12
        y: 150
        text: lightMain.lightControlLang[6]
        color: Theme.fontColor
        font.family: Theme.fontFamily
        font.pixelSize: Theme.fontNormalSize
    }

    Row {
        x: 12
        y: 172
        spacing: 4

        Repeater {
            model: 8
            delegate: Rectangle {
                required property int index
                width: 22
                height: 22
                radius: 2
                color: lightMain.colours[index]
                border.color: Theme.colorGray2

                Text {
                    anchors.centerIn: parent
                    text: String(parent.index + 1)
                    color: "black"
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontMinSize
                }
            }
        }
    }

    Image {
        x: 12
        y: 208
        source: Theme.img("lightControl", "colorBar")
    }
}
