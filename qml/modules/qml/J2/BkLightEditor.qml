import QtQuick
import "../basic"

// The backlight values of the keyboard. No control opens this dialog in the
// keyboard layout; its values still follow profile changes and resets.
Dialog {
    id: root

    property var lighting: null
    property var bkLightValue: [0, 0, 0]
    property bool isSave: false

    width: 416
    height: 312
    title: "BK Light Editor"

    function init(isSendData, isRecovery) {
        var stored = ui_View.getDataList("keyboard/bkLightValue", isRecovery)
        if (stored.length === 3)
            bkLightValue = stored.map(Number)
        if (!isRecovery)
            return
        ui_View.setDataList("keyboard/bkLightValue", bkLightValue)
        if (isSendData && lighting !== null)
            lighting.sendEffect()
    }

    function saveData(isSendData, isStep) {
        ui_View.setDataList("keyboard/bkLightValue", bkLightValue)
    }
}
