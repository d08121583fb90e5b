import QtQuick
import "../basic"
import "KeyTable.js" as KeyTable
import "KbTexts.js" as KbTexts

// The keyboard picture: the key caps, the function and colour views, and the
// key models whose functions and five colour pictures Save stores and sends.
Item {
    id: keyboardMain

    property int selectKey: 0
    property int selectModel: 0
    property bool isFunctionSave: false
    property bool isPictureSave: false
    property int selectPictureValue: 0
    property int keyboardMacroMax: 32
    property var keyboardPageLang: KbTexts.builtIn.slice()
    // Set by the main screen: the key name table, the key information box and
    // the key setting panel.
    property var keyNames: null
    property var keyInfoBox: null
    property var keySetting: null

    // Pictures painted since the last Save; Save sends them besides the selected one.
    property var editedPictures: []

    readonly property var models: [kdData0, kdData1, kdData2, kdData3, kdData4, kdData5]
    readonly property real unit: 31
    readonly property int capGap: 3

    width: 718
    height: 190

    ListModel { id: kdData0 }
    ListModel { id: kdData1 }
    ListModel { id: kdData2 }
    ListModel { id: kdData3 }
    ListModel { id: kdData4 }
    ListModel { id: kdData5 }

    // The models and their hundred-odd caps are most of this page's cost, and a
    // mouse never shows them: they are made on first use.
    property bool built: false
    onVisibleChanged: if (visible) ensureBuilt()

    function ensureBuilt() {
        if (built)
            return
        built = true
        for (var r = 0; r < KeyTable.rows.length; ++r) {
            var row = KeyTable.rows[r]
            for (var p = 0; p < row.length; ++p) {
                var e = row[p]
                models[r].append({ "fwIndex": e.fwIndex, "keyText": e.label,
                                   "keyCode0": e.fn[0], "keyCode1": e.fn[1],
                                   "keyCode2": e.fn[2], "keyCode3": e.fn[3],
                                   "keyColorStr0": KeyTable.dark, "keyColorStr1": KeyTable.dark,
                                   "keyColorStr2": KeyTable.dark, "keyColorStr3": KeyTable.dark,
                                   "keyColorStr4": KeyTable.dark })
            }
        }
        // The caps read the models, so they come after them.
        caps.model = KeyTable.caps()
    }

    function text(i) {
        var t = keyboardPageLang[i]
        return t === undefined ? KbTexts.builtIn[i] : String(t)
    }

    function entryModel(dataIndex) {
        ensureBuilt()
        return models[KeyTable.rowOf(dataIndex)]
    }

    function entryAt(dataIndex) {
        var model = entryModel(dataIndex)
        var pos = KeyTable.posOf(dataIndex)
        return model === undefined || pos >= model.count ? null : model.get(pos)
    }

    function forEachEntry(action) {
        ensureBuilt()
        for (var r = 0; r < models.length; ++r) {
            for (var p = 0; p < models[r].count; ++p)
                action(models[r], p, models[r].get(p))
        }
    }

    // A stored function is four numbers 0 … 255; anything else is not one.
    function validFunction(list) {
        if (list === undefined || list === null || list.length !== 4)
            return false
        for (var i = 0; i < 4; ++i) {
            var v = Number(list[i])
            if (!Number.isInteger(v) || v < 0 || v > 255)
                return false
        }
        return true
    }

    function colourOr(list, i) {
        var s = list !== undefined && list !== null && i < list.length ? String(list[i]) : ""
        return /^[0-9a-fA-F]{8}$/.test(s) ? s.toLowerCase() : KeyTable.dark
    }

    function setFunction(model, pos, fn) {
        model.setProperty(pos, "keyCode0", Number(fn[0]))
        model.setProperty(pos, "keyCode1", Number(fn[1]))
        model.setProperty(pos, "keyCode2", Number(fn[2]))
        model.setProperty(pos, "keyCode3", Number(fn[3]))
    }

    function init(isSendData, isRecovery, isStep) {
        var functions = isStep === 0 || isStep === 1
        var colours = isStep === 0 || isStep === 2
        forEachEntry(function (model, pos, e) {
            if (functions) {
                var fn = ui_View.getDataList("keyboardFunctionData/" + e.fwIndex, isRecovery)
                setFunction(model, pos, validFunction(fn) ? fn
                                                          : KeyTable.rows[models.indexOf(model)][pos].fn)
            }
            if (colours) {
                var pictures = ui_View.getDataList("keyboardLEDData/" + e.fwIndex, isRecovery)
                for (var i = 0; i < 5; ++i)
                    model.setProperty(pos, "keyColorStr" + i, colourOr(pictures, i))
            }
        })
        if (functions)
            isFunctionSave = false
        if (colours) {
            isPictureSave = false
            editedPictures = []
        }
        setAllKeyData(selectPictureValue)
        selectKeyProc(0)
        if (isSendData)
            saveData(true, 0)
    }

    function saveData(isSendData, isStep) {
        var functions = isStep === 0 || isStep === 1
        var colours = isStep === 0 || isStep === 2
        forEachEntry(function (model, pos, e) {
            if (functions)
                ui_View.setDataList("keyboardFunctionData/" + e.fwIndex,
                                    [e.keyCode0, e.keyCode1, e.keyCode2, e.keyCode3])
            if (colours)
                ui_View.setDataList("keyboardLEDData/" + e.fwIndex,
                                    [e.keyColorStr0, e.keyColorStr1, e.keyColorStr2,
                                     e.keyColorStr3, e.keyColorStr4])
        })
        if (functions)
            isFunctionSave = false
        if (colours)
            isPictureSave = false
        if (!isSendData)
            return
        if (functions)
            ui_View.keyboardSetKeyMatrix(false)
        if (colours) {
            // A picture painted and then left for another would otherwise never
            // reach the keyboard; the selected one goes last, as it always did.
            for (var i = 0; i < editedPictures.length; ++i) {
                if (editedPictures[i] !== selectPictureValue)
                    ui_View.keyboardLEDPicture(editedPictures[i], false)
            }
            ui_View.keyboardLEDPicture(selectPictureValue, false)
            editedPictures = []
        }
    }

    // The caps follow the models; this chooses the picture they show.
    function setAllKeyData(pictureNo) {
        var p = Number(pictureNo)
        selectPictureValue = p >= 0 && p < 5 ? p : 0
    }

    function setKeyData(selectKey, keyType, keyData, keyColor) {
        var model = entryModel(selectKey)
        var pos = KeyTable.posOf(selectKey)
        if (entryAt(selectKey) === null)
            return
        model.setProperty(pos, "keyCode0", Number(keyType))
        model.setProperty(pos, "keyCode2", Number(keyData))
        if (keyColor !== undefined)
            model.setProperty(pos, "keyColorStr" + selectPictureValue, String(keyColor))
    }

    function selectKeyProc(index) {
        if (entryAt(index) === null)
            return
        selectKey = index
        if (keySetting !== null)
            keySetting.clearChoices()
        refreshInfo()
    }

    // The key's colour in picture `index` as "#rrggbb", "" when it is dark there.
    function keyInfo(selectKey, index) {
        var e = entryAt(selectKey)
        return e === null ? "" : KeyTable.swatch(e["keyColorStr" + index])
    }

    function refreshInfo() {
        var e = entryAt(selectKey)
        if (keyInfoBox === null || e === null)
            return
        keyInfoBox.keyInfoSetting(e.keyText, keyFunctionDisplay(selectKey),
                                  keyInfo(selectKey, 0), keyInfo(selectKey, 1), keyInfo(selectKey, 2),
                                  keyInfo(selectKey, 3), keyInfo(selectKey, 4))
    }

    function keyFunctionDisplay(selectKey) {
        var e = entryAt(selectKey)
        if (e === null)
            return ""
        if (e.keyCode0 === 0)
            return keyNames === null ? "" : keyNames.keycodeTostr(e.keyCode2)
        if (e.keyCode0 !== 3)
            return text(KbTexts.macroFunction)
        var usage = e.keyCode2 | (e.keyCode3 << 8)
        var own = [0x018A, 0x0192, 0x0194].indexOf(usage)
        if (own >= 0)
            return text(KbTexts.mailKey + own)
        var i = KeyTable.mediaUsages.indexOf(usage)
        return i < 0 ? "" : text(KbTexts.media + i)
    }

    function keyFunctionSetting(selectKey, keyType, keyData0, keyData1, keyData2) {
        var e = entryAt(selectKey)
        if (e === null)
            return
        setFunction(entryModel(selectKey), KeyTable.posOf(selectKey), [keyType, keyData0, keyData1, keyData2])
        isFunctionSave = true
        refreshInfo()
    }

    function keyLEDSetting(selectKey, selectPictureValue, keyLEDType, keyLEDR, keyLEDG, keyLEDB) {
        if (entryAt(selectKey) === null || KeyTable.isLockKey(selectKey))
            return
        var picture = Number(selectPictureValue)
        entryModel(selectKey).setProperty(KeyTable.posOf(selectKey), "keyColorStr" + picture,
                                          KeyTable.colourString(keyLEDType, keyLEDR, keyLEDG, keyLEDB))
        if (editedPictures.indexOf(picture) < 0)
            editedPictures = editedPictures.concat([picture])
        isPictureSave = true
        refreshInfo()
    }

    // The smallest macro number no key uses; 0 when every one is taken.
    function getMacroIndex() {
        var used = []
        forEachEntry(function (model, pos, e) {
            if (e.keyCode0 === 4)
                used.push(e.keyCode2)
        })
        for (var n = 0; n < keyboardMacroMax; ++n) {
            if (used.indexOf(n) < 0)
                return n
        }
        return 0
    }

    function getDataIndex(selectKey) {
        var e = entryAt(selectKey)
        return e === null ? -1 : e.fwIndex
    }

    // Macro numbers some key runs.
    function macroNumbersInUse() {
        var used = []
        forEachEntry(function (model, pos, e) {
            if (e.keyCode0 === 4 && used.indexOf(e.keyCode2) < 0)
                used.push(e.keyCode2)
        })
        return used
    }

    // The back image of the key information box: the selected key's factory function.
    function restoreKey() {
        var e = entryAt(selectKey)
        if (e === null)
            return
        var fn = ui_View.getDataList("keyboardFunctionData/" + e.fwIndex, true)
        if (!validFunction(fn))
            fn = KeyTable.entry(selectKey).fn
        keyFunctionSetting(selectKey, Number(fn[0]), Number(fn[1]), Number(fn[2]), Number(fn[3]))
    }

    function restoreView() {
        init(true, true, selectModel === 1 ? 2 : 1)
    }

    Rectangle {
        anchors.fill: parent
        anchors.margins: -8
        radius: 4
        color: Theme.colorGray0
        border.color: Theme.colorGray1
    }

    KbViewTabs {
        objectName: "kbViewTabs"
        x: -8
        y: -31
        texts: [keyboardMain.text(KbTexts.functionView), keyboardMain.text(KbTexts.colourView)]
        current: keyboardMain.selectModel
        onChosen: (index) => keyboardMain.selectModel = index
    }

    ImageButton {
        objectName: "kbRestoreView"
        anchors.right: parent.right
        anchors.rightMargin: -8
        y: -30
        width: 20
        height: 20
        name: "back"
        onClicked: keyboardMain.restoreView()
    }

    Repeater {
        id: caps
        delegate: Key {
            required property var modelData
            readonly property var entry: keyboardMain.models[modelData.row].get(modelData.pos)

            objectName: "key" + modelData.dataIndex
            x: Math.round(modelData.x * keyboardMain.unit)
            y: modelData.drawnRow === 0 ? 0 : 39 + 31 * (modelData.drawnRow - 1)
            width: Math.round(modelData.w * keyboardMain.unit) - keyboardMain.capGap
            height: 27 + 31 * (modelData.h - 1)
            visible: !modelData.hidden
            page: keyboardMain
            keySetting: keyboardMain.keySetting
            dataIndex: modelData.dataIndex
            keyType: entry.keyCode0
            keyData: [entry.keyCode0, entry.keyCode1, entry.keyCode2, entry.keyCode3].join(",")
            keyDefaultData: KeyTable.entry(modelData.dataIndex).fn.join(",")
            keyColor: {
                var s = KeyTable.swatch(entry["keyColorStr" + keyboardMain.selectPictureValue])
                return s === "" ? "black" : s
            }
            keyTxtText: modelData.icon ? "" : entry.keyText
            icon: modelData.icon ? modelData.pos - 16 : -1
        }
    }
}
