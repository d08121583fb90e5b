import QtQuick
import "../basic"
import "LightRules.js" as LightRules

// A labelled five-step slider of the lighting page with its percentage beside it.
Item {
    id: root

    property string label: ""
    readonly property int step: slider.segmentValue
    property alias slider: slider

    signal pressed()
    // A step chosen by the user: after a drag's release or a click's glide.
    signal stepChosen(int step)

    width: 232
    height: 40

    // Shows `step` without telling anyone.
    function setStep(step) {
        slider.setIndexValue(Math.max(0, Math.min(4, step)), false)
        field.text = LightRules.percentText(slider.segmentValue)
    }

    ThemedText {
        x: 12
        text: root.label
    }

    SliderButton {
        id: slider
        objectName: "stepSlider"
        x: 12
        y: 18
        width: 156
        segment: 4
        isScale: true
        onBtnClick: root.pressed()
        onValueChangeDelay: {
            field.text = LightRules.percentText(segmentValue)
            root.stepChosen(segmentValue)
        }
    }

    Rectangle {
        x: 172
        y: 16
        width: 48
        height: 20
        color: Theme.colorField

        ThemedText {
            id: field
            objectName: "percent"
            anchors.centerIn: parent
            text: "0%"
        }
    }
}
