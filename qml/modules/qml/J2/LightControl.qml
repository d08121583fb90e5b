import QtQuick
import "../basic"
import "LightRules.js" as LightRules

// The lighting box of the mouse layout: effect, speed, brightness and eight
// colours (one per DPI stage on a single-colour mouse, a palette otherwise).
Panel {
    id: lightMain

    property var lightControlLang: ["Light", "Static", "Breath", "Neon", "OFF", "Speed", "Color",
        "Brightness", "Twinkling", "Wave", "Gliding", "Finger Moving", "Vertical Flipping", "YO-YO",
        "Spotlight", "Breath Loop", "", "", "", ""]
    property bool colourful: false
    property bool variant55328: false
    // Stages the mouse supports, from the DPI page: a single-colour mouse has a colour per stage.
    property int dpiCount: 4
    // True while the main screen runs its one-time initialisation.
    property bool firstLoad: false
    property bool isSave: false
    property alias lightModel: effectList
    readonly property int effect: effectList.currentSelect
    property var colours: ["#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff", "#ff00ff", "#ffffff", "#ff8000"]
    property int selectColorBlock: 0
    // Each block's own knob place on the hue bar.
    property var knobPlaces: [-8, -8, -8, -8, -8, -8, -8, -8]

    width: 232
    height: LightRules.pageHeight((speedRow.visible ? 1 : 0) + (brightnessRow.visible ? 1 : 0))
    title: lightControlLang[0]

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
            if (variant55328) {
                m.append({ "textValue": lightControlLang[15] })
                effectList.closeMenu()
            }
        }
        for (var i = 0; i < 4 && i < m.count; ++i)
            m.setProperty(i, "textValue", lightControlLang[i + 1])

        var light = ui_View.getDataList("mouse/lightValue", isRecovery)
        if (light.length >= 3) {
            effectList.currentSelect = Number(light[0])
            speedRow.setStep(Number(light[1]))
            brightnessRow.setStep(Number(light[2]))
            showSliders(LightRules.effectRule(effect, variant55328))
        }

        var rgb = ui_View.getDataList("mouse/colorValue", isRecovery)
        if (rgb.length >= 24) {
            var list = []
            for (var b = 0; b < 8; ++b)
                list.push(LightRules.colourText(rgb[3 * b], rgb[3 * b + 1], rgb[3 * b + 2]))
            colours = list
        }
        selectBlock(0)
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        var triple = [effect, speedRow.step, brightnessRow.step]
        var rgb = []
        for (var b = 0; b < 8; ++b)
            rgb = rgb.concat(LightRules.components(colours[b]))
        // The variant's eighth colour belongs to "Breath Loop" alone.
        if (variant55328 && effect !== 4)
            rgb[21] = rgb[22] = rgb[23] = 0
        if (isStep === 0 || isStep === 1)
            ui_View.setDataList("mouse/lightValue", triple)
        if (isStep === 0 || isStep === 2)
            ui_View.setDataList("mouse/colorValue", rgb)
        if (!isSendData)
            return
        if (isStep === 0 || isStep === 1)
            ui_View.mouseSetRGBEffect(triple[0], triple[1], triple[2])
        if (isStep === 0 || isStep === 2)
            ui_View.mouseSetRGBColor(colourful ? 0 : 1, rgb)
    }

    function lightControlFocus() {
        effectList.closeMenu()
        redField.closeFocus()
        greenField.closeFocus()
        blueField.closeFocus()
    }

    function showSliders(rule) {
        if (rule.speed !== "keep")
            speedRow.visible = rule.speed === "shown"
        if (rule.brightness !== "keep")
            brightnessRow.visible = rule.brightness === "shown"
    }

    function chooseEffect(index) {
        var rule = LightRules.effectRule(index, variant55328)
        showSliders(rule)
        if (rule.setSpeed >= 0)
            speedRow.setStep(rule.setSpeed)
        if (rule.setBrightness >= 0)
            brightnessRow.setStep(rule.setBrightness)
        selectBlock(0)
        isSave = true
    }

    // The block's knob stays where it picked the block's colour; a colour
    // from elsewhere puts it at the colour's approximate place.
    function selectBlock(index) {
        selectColorBlock = index
        hueBar.knobX = knobPlaces[index]
        if (hueBar.colour !== colours[index])
            hueBar.placeFor(colours[index])
        showInFields(colours[index])
    }

    function showInFields(colour) {
        var rgb = LightRules.components(colour)
        redField.textValue = String(rgb[0])
        greenField.textValue = String(rgb[1])
        blueField.textValue = String(rgb[2])
    }

    function setSelectedColour(colour, knobX) {
        var list = colours.slice()
        list[selectColorBlock] = colour
        colours = list
        var places = knobPlaces.slice()
        places[selectColorBlock] = knobX
        knobPlaces = places
    }

    function applyHue(colour) {
        setSelectedColour(colour, hueBar.knobX)
        showInFields(colour)
    }

    // Leaving an R, G or B field: the block keeps the exact colour, the knob goes near it.
    function applyTypedColour() {
        var colour = LightRules.colourText(parseInt(redField.textValue, 10),
                                           parseInt(greenField.textValue, 10),
                                           parseInt(blueField.textValue, 10))
        hueBar.placeFor(colour)
        setSelectedColour(colour, hueBar.knobX)
        isSave = true
    }

    DropDownList {
        id: effectList
        objectName: "lightEffectList"
        anchors.right: parent.right
        anchors.rightMargin: 36
        y: 8
        width: 120
        z: 3
        currentSelect: 0
        mdItems: ListModel {
            ListElement { textValue: "Static" }
            ListElement { textValue: "Breath" }
            ListElement { textValue: "Neon" }
            ListElement { textValue: "OFF" }
        }
        onValueChange: (index) => lightMain.chooseEffect(index)
    }

    ImageButton {
        objectName: "lightRestore"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 12
        name: "back"
        onClicked: {
            lightMain.init(false, true)
            lightMain.isSave = true
        }
    }

    Column {
        y: 40
        spacing: 4

        StepSlider {
            id: speedRow
            objectName: "speedRow"
            label: lightMain.lightControlLang[5]
            onPressed: lightMain.lightControlFocus()
            onStepChosen: lightMain.isSave = true
        }

        StepSlider {
            id: brightnessRow
            objectName: "brightnessRow"
            label: lightMain.lightControlLang[7]
            onPressed: lightMain.lightControlFocus()
            onStepChosen: lightMain.isSave = true
        }
    }

    Item {
        id: colourArea
        objectName: "colourArea"
        anchors.bottom: parent.bottom
        width: parent.width
        height: 136

        ThemedText {
            x: 12
            y: 0
            text: lightMain.lightControlLang[6]
        }

        Row {
            x: 12
            y: 22
            spacing: 4

            Repeater {
                model: 8
                delegate: ColorBlock {
                    required property int index
                    objectName: "colorBlock" + index
                    blockIndex: index
                    visible: LightRules.blockShown(index, lightMain.colourful, lightMain.variant55328,
                                                   lightMain.dpiCount, lightMain.effect)
                    color: lightMain.colours[index]
                    isSelect: index === lightMain.selectColorBlock
                    onClicked: (i) => {
                        lightMain.lightControlFocus()
                        lightMain.selectBlock(i)
                    }
                }
            }
        }

        HueBar {
            id: hueBar
            objectName: "hueBar"
            x: 20
            y: 56
            onKnobPressed: (colour) => {
                lightMain.lightControlFocus()
                lightMain.applyHue(colour)
            }
            onKnobMoved: (colour) => lightMain.applyHue(colour)
            onKnobReleased: lightMain.isSave = true
        }

        Row {
            x: 12
            y: 86
            spacing: 4

            ThemedText {
                width: 12
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "R"
            }

            RectInput {
                id: redField
                objectName: "redField"
                textValue: "255"
                onInputSignal: lightMain.lightModel.closeMenu()
                onEndInputSignal: lightMain.applyTypedColour()
            }

            ThemedText {
                width: 12
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "G"
            }

            RectInput {
                id: greenField
                objectName: "greenField"
                textValue: "255"
                onInputSignal: lightMain.lightModel.closeMenu()
                onEndInputSignal: lightMain.applyTypedColour()
            }

            ThemedText {
                width: 12
                height: 20
                verticalAlignment: Text.AlignVCenter
                text: "B"
            }

            RectInput {
                id: blueField
                objectName: "blueField"
                textValue: "255"
                onInputSignal: lightMain.lightModel.closeMenu()
                onEndInputSignal: lightMain.applyTypedColour()
            }
        }

        // Effects that show no colour leave the colours out of reach.
        Rectangle {
            objectName: "colourCover"
            anchors.fill: parent
            visible: LightRules.coverShown(lightMain.effect)
            radius: lightMain.radius
            color: Theme.colorCover

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.AllButtons
                onWheel: (wheel) => { wheel.accepted = true }
            }
        }
    }
}
