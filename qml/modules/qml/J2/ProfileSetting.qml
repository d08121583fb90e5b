import QtQuick
import "../basic"

// The profile dialog and the list of profiles it shares with the title bar selector.
Dialog {
    id: profileMain

    property var profileLang: ["config", "New", "Import", "Delete", "Export", "Standard",
        "", "", "", "", "", "", "", "", "", "", "", "", "", ""]
    property alias profileDataModel0: rows
    property int profileNo: -1

    signal changeProfile(int tmpProfileNo)
    signal listViewFocus()
    signal doubleClick()

    width: 415
    height: 288
    title: profileLang[0]

    function storedTexts() {
        var texts = []
        for (var i = 0; i < rows.count; ++i)
            texts.push(rows.get(i).textValue + rows.get(i).profileNo)
        return texts
    }

    function init() {
        rows.clear()
        var stored = ui_View.getNameList(2)
        if (stored.length === 2 && String(stored[1]) === "loaderzephyx")
            stored = [stored[0]]
        for (var i = 0; i < stored.length; ++i) {
            var text = String(stored[i])
            var number = parseInt(text.charAt(text.length - 1), 10)
            rows.append({ "textValue": text.slice(0, -1), "profileNo": isNaN(number) ? i : number })
        }
        if (rows.count === 0)
            rows.append({ "textValue": "", "profileNo": 0 })
        rows.setProperty(0, "textValue", profileLang[5])
        ui_View.updataNameList(2, storedTexts())
    }

    function profileFocus() {
        listViewFocus()
    }

    ListModel { id: rows }

    Column {
        x: 16
        y: 8
        spacing: 2

        Repeater {
            model: rows
            delegate: Rectangle {
                required property int index
                required property string textValue
                width: 383
                height: 24
                color: index === profileMain.profileNo ? Theme.colorOrange : Theme.colorBlue

                Text {
                    x: 8
                    anchors.verticalCenter: parent.verticalCenter
                    text: parent.textValue
                    color: Theme.fontColor
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.fontNormalSize
                }
            }
        }
    }
}
