import QtQuick
import "../basic"

// The gun editor: six guns with their recoil data and the three gun slots.
Dialog {
    id: gunControlMain

    property var gunControlLang: ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis",
        "Y axis", "Fire adjust", "Rate", "Times", "Endness"]
    property alias gunNumberModel: guns
    property int selectGun1: 0
    property int selectGun2: 1
    property int selectGun3: 2
    property int shownGun: 0
    property bool isSave: false

    width: 640
    height: 448
    title: gunControlLang[0]

    function init() {
        var stored = ui_View.getGlobalData("mouse/selectGun")
        if (stored !== undefined && stored !== null && stored.length === 3) {
            selectGun1 = Number(stored[0])
            selectGun2 = Number(stored[1])
            selectGun3 = Number(stored[2])
        }
        shownGun = selectGun1
    }

    function slotGun(slot) {
        return [selectGun1, selectGun2, selectGun3][slot]
    }

    // Fire periods of the guns bound to the three slots, sent with the key matrix.
    function slotPeriods() {
        return [0, 1, 2].map(function(slot) { return parseInt(guns.get(slotGun(slot)).gunPeriod, 10) })
    }

    function saveData(index, isAllSave) {
        isSave = true
        var g = guns.get(index)
        ui_View.mouseSaveGundata(index, [g.gunName, g.gunKey, g.gunPeriod, g.gunX, g.gunY, g.gunTimes])
    }

    function sendData(slot) {
        var g = guns.get(slotGun(slot))
        ui_View.mouseSendGundata(slot + 1, [parseInt(g.gunTimes, 10), parseInt(g.gunX, 10), parseInt(g.gunY, 10)])
    }

    // On close: sends the slots when something changed; true when it did.
    function sendIfChanged() {
        if (!isSave)
            return false
        isSave = false
        sendData(0)
        sendData(1)
        sendData(2)
        return true
    }

    function resetData() {
        selectGun1 = 0
        selectGun2 = 1
        selectGun3 = 2
        ui_View.setGlobalData("mouse/selectGun", [0, 1, 2])
        guns.setProperty(0, "gunY", "5")
        guns.setProperty(1, "gunY", "7")
        guns.setProperty(2, "gunY", "8")
        for (var i = 0; i < 3; ++i) {
            guns.setProperty(i, "gunPeriod", "9")
            saveData(i, false)
        }
        sendData(0)
        sendData(1)
        sendData(2)
        shownGun = 0
    }

    function gunControlFocus() {
    }

    ListModel {
        id: guns
        ListElement { gunName: "M416"; gunImage: "M416"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "AKM"; gunImage: "AKM"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "M16A4"; gunImage: "M16A4"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "SCAR-L"; gunImage: "SCAR-L"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "UNP9"; gunImage: "UNP9"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
        ListElement { gunName: "Thomson"; gunImage: "Thomson"; gunKey: "L-Click"; gunPeriod: "10"; gunX: "0"; gunY: "10"; gunTimes: "0" }
    }

    Grid {
        x: 16
        y: 8
        columns: 2
        spacing: 8

        Repeater {
            model: guns
            delegate: Rectangle {
                required property int index
                required property string gunName
                required property string gunImage
                width: 180
                height: 112
                radius: 3
                color: index === gunControlMain.shownGun ? Theme.colorGray1 : Theme.colorBlue
                border.color: index === gunControlMain.shownGun ? Theme.colorOrange : "transparent"

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 8
                    source: Theme.img("gun", parent.gunImage)
                }

                Text {
                    anchors.horizontalCenter: parent.horizontalCenter
                    anchors.bottom: parent.bottom
                    anchors.bottomMargin: 6
                    text: parent.gunName
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }

                MouseArea {
                    anchors.fill: parent
                    onClicked: gunControlMain.shownGun = parent.index
                }
            }
        }
    }

    Image {
        x: 420
        y: 40
        source: Theme.img("gun", "target")

        Rectangle {
            x: 91
            y: 89 + 94 * parseInt(guns.get(gunControlMain.shownGun).gunY, 10) / 64
            width: 8
            height: 8
            radius: 4
            color: "red"
        }
    }
}
