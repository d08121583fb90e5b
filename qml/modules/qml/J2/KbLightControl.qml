import QtQuick
import "../basic"
import "LightRules.js" as LightRules
import "KbTexts.js" as KbTexts

// The keyboard lighting box: effect, speed, brightness, seven colours and the
// choice among them (block 8: the effect's own colours).
Panel {
    id: kbLightMain

    property var lang: KbTexts.builtIn
    property bool isSave: false
    property alias lightModel: effectList
    property alias rateSlider: speed
    property alias lightnessSlider: brightness
    property alias colorBlockRow: blocks
    property int colorIndex: 0
    property var colours: [[255, 0, 0], [0, 255, 0], [0, 0, 255], [255, 255, 0], [0, 255, 255],
        [255, 0, 255], [255, 255, 255]]

    readonly property int effect: effectList.currentSelect
    readonly property bool isUserMode: effect >= 12 && effect <= 16
    readonly property bool speedShown: effect !== 0 && !isUserMode
    // Static and dark-on-press have no colours of their own.
    readonly property bool ownColoursOffered: effect !== 0 && effect !== 5
    readonly property bool coloursCovered: effect === 2 || effect === 6 || isUserMode

    title: text(KbTexts.lightTitle)
    height: body.y + body.height + 12

    function text(i) {
        var t = lang[i]
        return t === undefined ? KbTexts.builtIn[i] : String(t)
    }

    function stepOr(value, last, fallback) {
        var v = Number(value)
        return Number.isInteger(v) && v >= 0 && v <= last ? v : fallback
    }

    function init(isSendData, isRecovery) {
        var light = ui_View.getDataList("keyboard/lightValue", isRecovery)
        if (light.length === 4) {
            effectList.currentSelect = stepOr(light[0], 16, 0)
            speed.setIndexValue(stepOr(light[1], 4, 4), false)
            brightness.setIndexValue(stepOr(light[2], 4, 4), false)
            colorIndex = stepOr(light[3], 7, 0)
        }
        var rgb = ui_View.getDataList("keyboard/colorValue", isRecovery)
        if (rgb.length === 21) {
            var list = []
            for (var b = 0; b < 7; ++b)
                list.push([stepOr(rgb[3 * b], 255, 0), stepOr(rgb[3 * b + 1], 255, 0),
                           stepOr(rgb[3 * b + 2], 255, 0)])
            colours = list
        }
        placeKnob()
        if (isSendData)
            saveData(true, 0)
    }

    function placeKnob() {
        if (colorIndex < 7)
            hueBar.placeFor(blockColour(colorIndex))
    }

    function blockColour(index) {
        return LightRules.colourText(colours[index][0], colours[index][1], colours[index][2])
    }

    function effectValues() {
        return [effectList.currentSelect, speed.segmentValue, brightness.segmentValue, colorIndex]
    }

    function colourValues() {
        var rgb = []
        for (var b = 0; b < 7; ++b)
            rgb.push(colours[b][0], colours[b][1], colours[b][2])
        return rgb
    }

    // Kept for the backlight values, which send the effect once more.
    function sendEffect() {
        var v = effectValues()
        ui_View.keyboardSetRGBEffect(v[0], v[1], v[2], v[3])
    }

    function saveData(isSendData, isStep) {
        var effectPart = isStep === 0 || isStep === 1
        var colourPart = isStep === 0 || isStep === 2
        if (effectPart)
            ui_View.setDataList("keyboard/lightValue", effectValues())
        if (colourPart)
            ui_View.setDataList("keyboard/colorValue", colourValues())
        if (!isSendData)
            return
        if (effectPart)
            sendEffect()
        if (colourPart)
            ui_View.keyboardSetRGBColor(1, colourValues())
    }

    function chooseEffect(index) {
        speed.setIndexValue(4, false)
        brightness.setIndexValue(4, false)
        // Block 8 disappears for these effects; a choice left on it would name nothing shown.
        if (!ownColoursOffered && colorIndex === 7) {
            colorIndex = 0
            placeKnob()
        }
        isSave = true
    }

    function chooseBlock(index) {
        colorIndex = index
        placeKnob()
        isSave = true
    }

    function recolourBlock(colour) {
        if (colorIndex >= 7)
            return
        var list = colours.slice()
        list[colorIndex] = LightRules.components(colour)
        colours = list
    }

    function restore() {
        init(false, true)
        isSave = true
    }

    function kbLightControlFocus() {
        effectList.closeMenu()
    }

    ImageButton {
        objectName: "kbLightRestore"
        anchors.right: parent.right
        anchors.rightMargin: 12
        y: 10
        width: 20
        height: 20
        name: "back"
        onClicked: kbLightMain.restore()
    }

    Column {
        id: body
        x: 12
        y: 38
        spacing: 6

        DropDownList {
            id: effectList
            objectName: "kbEffectList"
            width: 208
            z: 2
            currentSelect: 0
            mdItems: ListModel { id: effects }
            onValueChange: (index) => kbLightMain.chooseEffect(index)
        }

        Column {
            objectName: "kbSpeed"
            visible: kbLightMain.speedShown
            spacing: 2

            ThemedText { text: kbLightMain.text(KbTexts.speed) }
            SliderButton {
                id: speed
                objectName: "kbSpeedSlider"
                width: 208
                segment: 4
                isScale: true
                onBtnClick: kbLightMain.kbLightControlFocus()
                onValueChangeDelay: kbLightMain.isSave = true
            }
            Image { source: Theme.img("keyboard", "kbKeySpeedScale") }
        }

        Column {
            spacing: 2

            ThemedText { text: kbLightMain.text(KbTexts.brightness) }
            SliderButton {
                id: brightness
                objectName: "kbBrightnessSlider"
                width: 208
                segment: 4
                isScale: true
                onBtnClick: kbLightMain.kbLightControlFocus()
                onValueChangeDelay: kbLightMain.isSave = true
            }
            Image { source: Theme.img("keyboard", "kbKeySpeedScale") }
        }

        Item {
            width: 208
            height: colourArea.height

            Column {
                id: colourArea
                spacing: 8

                ThemedText { text: kbLightMain.text(KbTexts.colour) }

                Row {
                    id: blocks
                    spacing: 4

                    Repeater {
                        model: 8
                        delegate: ColorBlock {
                            required property int index
                            objectName: "kbBlock" + index
                            blockIndex: index
                            visible: index < 7 || kbLightMain.ownColoursOffered
                            isSelect: index === kbLightMain.colorIndex
                            color: index < 7 ? kbLightMain.blockColour(index) : "transparent"
                            gradient: index === 7 ? ownColours : null
                            onClicked: (i) => kbLightMain.chooseBlock(i)
                        }
                    }
                }

                HueBar {
                    id: hueBar
                    objectName: "kbLightHueBar"
                    enabled: kbLightMain.colorIndex < 7
                    opacity: enabled ? 1 : 0.3
                    onKnobPressed: (colour) => {
                        kbLightMain.kbLightControlFocus()
                        kbLightMain.recolourBlock(colour)
                    }
                    onKnobMoved: (colour) => kbLightMain.recolourBlock(colour)
                    onKnobReleased: kbLightMain.isSave = true
                }
            }

            // Effects that choose their own colours: the colour area takes no clicks.
            Rectangle {
                objectName: "kbColourCover"
                anchors.fill: parent
                anchors.margins: -4
                visible: kbLightMain.coloursCovered
                color: Theme.colorCover

                MouseArea {
                    anchors.fill: parent
                }
            }
        }
    }

    Gradient {
        id: ownColours
        orientation: Gradient.Horizontal
        GradientStop { position: 0.0; color: "red" }
        GradientStop { position: 1.0; color: "green" }
    }

    function fillEffects() {
        var current = effectList.currentSelect
        effects.clear()
        for (var i = 0; i < 17; ++i)
            effects.append({ "textValue": text(KbTexts.effects + i) })
        effectList.currentSelect = current
        effectList.refreshText()
    }

    onLangChanged: fillEffects()
    Component.onCompleted: fillEffects()
}
