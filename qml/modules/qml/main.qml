import QtQuick
import "basic"
import "J2"

// Root of the screens. The application side calls initUI, run, setProtectUI,
// setCurrentDPI, detectKeyboard and detectMouse on it by name.
Item {
    id: mainIten
    width: 1024
    height: 640
    visible: false

    signal msg_KB(bool isDown, int usbCode)
    signal msg_MS(bool isDown, int buttonCode, int x, int y)

    // Set by the application side before initUI from the served device's type.
    property string deviceType: "keyboard"
    property bool isPownOn: false
    property bool isColorful: false
    property string icType: "553"
    property bool is55328: false
    property bool isGun: true
    property string language: "ChineseSimplified"
    property string url: "https://www.quorix.example/support"
    property int keyboardMacroMax: 32
    property int skin_No: 1
    property var mainLang: ["Editor", "Macro Editor", "Gun Editor", "Report Rate", "Config", "Reset",
        "Reset factory setting", "Cancel", "OK", "System setting", "Save", "BK Light Editor", "", "", ""]

    property alias profileNo: profilePage.profileNo
    property bool busy: false
    // The layout the one-time initialisation last ran for.
    property string initialisedType: ""
    // False until the first lock has run out; the start-up image shows meanwhile.
    property bool started: false
    readonly property bool isMouse: deviceType === "mouse"
    readonly property bool anyDirty: keyMatrix.isSave || dpiPage.isSave || lightPage.isSave
        || kbLightControl.isSave || bkLightEditor.isSave
        || keyboardMain.isFunctionSave || keyboardMain.isPictureSave

    // Sent to the mouse for each entry of the report rate list: the polling interval in ms.
    readonly property var reportRateValues: [8, 4, 2, 1]

    Binding { target: Theme; property: "skinNo"; value: mainIten.skin_No }
    Binding { target: Theme; property: "deviceType"; value: mainIten.deviceType }

    onMsg_KB: (isDown, usbCode) => routeKey(isDown, usbCode)

    function initUI() {
        setProtectUI(1000)
        visible = true
        if (!isPownOn || initialisedType !== deviceType)
            firstStart()
        var stage = Number(ui_View.mouseGetCurrentDPI())
        if (!isNaN(stage))
            dpiPage.currentDPI = stage - 1
    }

    function run() {
    }

    function setProtectUI(interval) {
        busy = true
        ui_View.setEnabled(false)
        lockTimer.interval = Number(interval)
        lockTimer.restart()
    }

    function endProtect() {
        ui_View.setEnabled(true)
        busy = false
        started = true
    }

    function controlUIEnable(isEnable) {
        if (isEnable) {
            ui_View.setEnabled(true)
            busy = false
        } else {
            busy = true
            ui_View.setEnabled(false)
        }
    }

    function setCurrentDPI(dpiValue) {
        var stage = Number(dpiValue)
        if (stage !== 0 && !isNaN(stage))
            dpiPage.currentDPI = stage - 1
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
        msg_MS(isDown, buttonCode, x, y)
    }

    // Key events reach only the screens waiting for one; the rest are dropped.
    function routeKey(isDown, usbCode) {
        if (keyAssigment.isFireInput)
            keyAssigment.detectKeyboard(isDown, usbCode, 0)
        if (keyAssigment.isComboInput)
            keyAssigment.detectKeyboard(isDown, usbCode, 1)
        var macroSelected = macroEditor.macroNumber_lv.currentIndex >= 0
        if (macroEditor.isInputting && macroSelected)
            macroEditor.detectKeyboard(isDown, usbCode)
        if (macroEditor.isInsertting && macroSelected)
            macroEditor.detectInput(isDown, usbCode)
        if (kbKeySetting.isKeyInput)
            kbKeySetting.detectKeyboard(isDown, usbCode, 0)
    }

    // A flag missing from the settings keeps its built-in value.
    function boolOr(value, fallback) {
        if (value === undefined || value === null || String(value) === "")
            return fallback
        return value === true || value === 1 || value === "1" || String(value).toLowerCase() === "true"
    }

    function textOr(value, fallback) {
        return value === undefined || value === null || String(value) === "" ? fallback : String(value)
    }

    // Texts the language file leaves out keep their built-in value.
    function mergeTexts(builtIn, loaded) {
        var result = builtIn.slice()
        for (var i = 0; i < loaded.length; ++i)
            result[i] = String(loaded[i])
        return result
    }

    function loadTexts(section, builtIn) {
        return mergeTexts(builtIn, ui_View.getLangStrings(section, language))
    }

    function firstStart() {
        // Pages look at isPownOn to tell the one-time load from later ones.
        isPownOn = false
        ui_View.mouseReadKeyboardType()

        isColorful = boolOr(ui_View.getGlobalData("mouse/isColorful"), false)
        icType = textOr(ui_View.getGlobalData("mouse/icType"), "553")
        is55328 = boolOr(ui_View.getGlobalData("mouse/is55328"), false)
        isGun = boolOr(ui_View.getGlobalData("mouse/isGun"), true)
        var keyCount = parseInt(ui_View.getGlobalData("mouse/keyCount"), 10)
        mouseMain.keyCount = isNaN(keyCount) ? 8 : keyCount
        language = textOr(ui_View.getGlobalData("common/language"), language)
        url = textOr(ui_View.getGlobalData("common/url"), url)

        if (icType === "560" && Number(ui_View.mouseReadCurrentProfile()) !== 1)
            hid.hid560_02H_SetCurrentProfile(1)

        mainLang = loadTexts("main", mainLang)
        keyMatrix.keyMatrixLang = loadTexts("keyMatrix", keyMatrix.keyMatrixLang)
        keyAssigment.keyAssigmentLang = loadTexts("keyAssigment", keyAssigment.keyAssigmentLang)
        dpiPage.dpiSettingLang = loadTexts("dpiSetting", dpiPage.dpiSettingLang)
        lightPage.lightControlLang = loadTexts("lightControl", lightPage.lightControlLang)
        macroEditor.macroEditorLang = loadTexts("macroEditor", macroEditor.macroEditorLang)
        systemSetting.systemSettingLang = loadTexts("systemSetting", systemSetting.systemSettingLang)
        gunControl.gunControlLang = loadTexts("gunControl", gunControl.gunControlLang)
        profilePage.profileLang = loadTexts("profile", profilePage.profileLang)
        keyCodeString.keyCodeStr = loadTexts("keyCode", keyCodeString.keyCodeStr)
        ui_View.getLangStrings("other", language)

        reportRate.init(false)

        profilePage.init()
        var stored = parseInt(ui_View.getGlobalData(isMouse ? "mouse/profileNo" : "keyboard/profileNo"), 10)
        profileNo = isNaN(stored) ? 0 : stored
        menuUp.profileSelector.currentSelect = profileNo
        ui_View.setCurrentProfile(profileNo)

        macroEditor.init()
        gunControl.init()
        keyAssigment.init()
        keyMatrix.init(false, false)
        dpiPage.init(false, false)
        lightPage.init(false, false)
        systemSetting.init(false, false)
        keyboardMain.init(false, false, 0)
        kbLightControl.init(false, false)
        bkLightEditor.init(false, false)

        initialisedType = deviceType
        isPownOn = true
    }

    function mainFocus() {
        reportRate.closeMenu()
        dpiPage.dpiSegment.closeMenu()
        menuUp.closeMenus()
        lightPage.lightModel.closeMenu()
        kbLightControl.lightModel.closeMenu()
        kbKeySetting.mediaControl.closeMenu()
        kbKeySetting.macroList.closeMenu()
    }

    function save() {
        mainFocus()
        hid.hidARM_09H_SetKeyboardMode(1)
        var dirty = anyDirty
        if (dirty)
            controlUIEnable(false)
        if (keyMatrix.isSave) {
            keyMatrix.isSave = false
            keyMatrix.modKeys.saveData()
        }
        if (dpiPage.isSave) {
            dpiPage.isSave = false
            dpiPage.saveData(true)
        }
        if (lightPage.isSave) {
            lightPage.isSave = false
            lightPage.saveData(true, 0)
        }
        if (kbLightControl.isSave) {
            kbLightControl.isSave = false
            kbLightControl.saveData(true, 0)
        }
        if (bkLightEditor.isSave) {
            bkLightEditor.isSave = false
            bkLightEditor.saveData(true, 0)
        }
        if (keyboardMain.isFunctionSave) {
            keyboardMain.isFunctionSave = false
            keyboardMain.saveData(true, 1)
        }
        if (keyboardMain.isPictureSave) {
            keyboardMain.isPictureSave = false
            keyboardMain.saveData(true, 2)
        }
        kbLightControl.saveData(true, 0)
        // Nothing locked the screens when nothing was dirty; a running lock stays.
        if (dirty)
            controlUIEnable(true)
    }

    function resetFactory() {
        controlUIEnable(false)
        closeDialog(resetDialog)
        if (isMouse) {
            keyMatrix.isSave = false
            dpiPage.isSave = false
            lightPage.isSave = false
            ui_View.resetProfile(profileNo)
            keyMatrix.init(true, false)
            reportRate.init(true)
            dpiPage.init(true, false)
            lightPage.init(true, false)
            systemSetting.init(true, false)
            if (isGun) {
                ui_View.mouseSwitchKeyMatrix(1)
                ui_View.mouseResetKeyMatrix()
            }
            ui_View.mouseSetCurrentDPI(2)
            dpiPage.currentDPI = 1
            gunControl.resetData()
        } else {
            keyboardMain.init(true, true, 0)
            kbLightControl.init(true, true)
            bkLightEditor.init(true, true)
        }
        controlUIEnable(true)
    }

    function changeProfile(tmpProfileNo) {
        var chosen = Number(tmpProfileNo)
        if (chosen === profileNo)
            return
        controlUIEnable(false)
        profileNo = chosen
        if (isMouse) {
            ui_View.setGlobalData("mouse/profileNo", profileNo)
            ui_View.setCurrentProfile(profileNo)
            keyMatrix.init(true, false)
            reportRate.init(true)
            dpiPage.init(true, false)
            lightPage.init(true, false)
            systemSetting.init(true, false)
            if (isGun) {
                ui_View.mouseSwitchKeyMatrix(1)
                ui_View.mouseResetKeyMatrix()
            }
        } else {
            ui_View.setGlobalData("keyboard/profileNo", profileNo)
            ui_View.setCurrentProfile(profileNo)
            keyboardMain.init(true, false, 0)
            kbLightControl.init(true, false)
            bkLightEditor.init(true, false)
        }
        controlUIEnable(true)
    }

    readonly property var dialogs: [keyAssigment, macroEditor, gunControl, profilePage, systemSetting,
        bkLightEditor, resetDialog]
    property int topDialogZ: 10

    function openDialog(dialog) {
        mainMask.visible = true
        dialog.z = ++topDialogZ
        dialog.open()
    }

    function closeDialog(dialog) {
        dialog.visible = false
        for (var i = 0; i < dialogs.length; ++i) {
            if (dialogs[i].visible)
                return
        }
        mainMask.visible = false
    }

    // Closes the open drop-downs of every open dialog.
    function dialogFocus() {
        if (macroEditor.visible)
            macroEditor.macroEditorFocus()
        if (profilePage.visible)
            profilePage.profileFocus()
        if (gunControl.visible)
            gunControl.gunControlFocus()
        if (lightPage.visible)
            lightPage.lightControlFocus()
        if (systemSetting.visible)
            systemSetting.systemSettingFocus()
    }

    function openKeyAssigment(index) {
        mouseMain.selectKey = index
        if (keyMatrix.modKeys.checkOneLeftKey(index))
            return
        mainFocus()
        keyAssigment.show(index)
        openDialog(keyAssigment)
    }

    Timer {
        id: lockTimer
        objectName: "lockTimer"
        interval: 1000
        onTriggered: mainIten.endProtect()
    }

    KeyCodeString {
        id: keyCodeString
    }

    Environment {
        id: environment
        visible: mainIten.started
    }

    // The whole background drags the window.
    MouseArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        property point pressPos
        onPressed: (mouse) => {
            pressPos = Qt.point(mouse.x, mouse.y)
            mainIten.mainFocus()
        }
        onPositionChanged: (mouse) => {
            ui_Ctl.onXChanged(mouse.x - pressPos.x)
            ui_Ctl.onYChanged(mouse.y - pressPos.y)
        }
    }

    Image {
        objectName: "powerOn"
        anchors.centerIn: parent
        visible: !mainIten.started
        source: Theme.img("index", "powerOn")
    }

    MouseMain {
        id: mouseMain
        objectName: "mouseMain"
        visible: mainIten.started && mainIten.isMouse
        onLabelClicked: (index) => mainIten.openKeyAssigment(index)
    }

    Item {
        id: keyboardRegion
        anchors.fill: parent
        visible: mainIten.started && !mainIten.isMouse

        Keyboard {
            id: keyboardMain
            objectName: "keyboardMain"
            x: 278
            y: 88
        }

        KbKeySetting {
            id: kbKeySetting
            objectName: "kbKeySetting"
            x: 278
            y: 288
            keyNames: keyCodeString
            onOpenMacroEditor: mainIten.openDialog(macroEditor)
        }
    }

    Column {
        id: leftPanel
        objectName: "leftPanel"
        x: 24
        y: 88
        width: 232
        spacing: 8
        visible: mainIten.started

        KeyMatrix {
            id: keyMatrix
            objectName: "keyMatrix"
            visible: mainIten.isMouse
            keyCount: mouseMain.keyCount
            textSource: keyAssigment
            gunPage: gunControl
            onClickBtn: (index) => mainIten.openKeyAssigment(index)
            onEnterBtn: (index) => mouseMain.hoverKey = index
            onLeaveBtn: (index) => { if (!keyAssigment.visible) mouseMain.hoverKey = -1 }
        }

        KbKeyInfo {
            id: kbKeyInfo
            objectName: "kbKeyInfo"
            visible: !mainIten.isMouse
        }

        Panel {
            id: editorBox
            objectName: "editorBox"
            title: mainIten.mainLang[0]
            height: mainIten.isMouse && mainIten.isGun ? 100 : 76

            TextButton {
                objectName: "macroEditorButton"
                x: 12
                y: 40
                width: 208
                textValue: mainIten.mainLang[1]
                onClicked: mainIten.openDialog(macroEditor)
            }

            TextButton {
                objectName: "gunEditorButton"
                x: 12
                y: 68
                width: 208
                visible: mainIten.isMouse && mainIten.isGun
                textValue: mainIten.mainLang[2]
                onClicked: mainIten.openDialog(gunControl)
            }
        }

        ReportRate {
            id: reportRate
            objectName: "reportRate"
            visible: mainIten.isMouse
            title: mainIten.mainLang[3]
            rateValues: mainIten.reportRateValues
            z: 1
        }

        TextButton {
            objectName: "systemSettingButton"
            width: 232
            height: 32
            visible: mainIten.isMouse
            textValue: mainIten.mainLang[9]
            onClicked: mainIten.openDialog(systemSetting)
        }

        KbLightControl {
            id: kbLightControl
            objectName: "kbLightControl"
            visible: !mainIten.isMouse
        }
    }

    Column {
        id: rightPanel
        objectName: "rightPanel"
        x: 768
        y: 56
        spacing: 8
        visible: mainIten.started && mainIten.isMouse

        DpiSetting {
            id: dpiPage
            objectName: "dpiPage"
            z: 1
            onPressed: mainIten.mainFocus()
        }

        LightControl {
            id: lightPage
            objectName: "lightPage"
            colourful: mainIten.isColorful
            variant55328: mainIten.is55328
            firstLoad: !mainIten.isPownOn
        }
    }

    Row {
        id: bottomBar
        objectName: "bottomBar"
        anchors.right: parent.right
        anchors.rightMargin: 24
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8
        spacing: 16
        visible: mainIten.started

        TextButton {
            objectName: "configButton"
            textValue: mainIten.mainLang[4]
            onClicked: mainIten.openDialog(profilePage)
        }

        TextButton {
            objectName: "resetButton"
            textValue: mainIten.mainLang[5]
            onClicked: mainIten.openDialog(resetDialog)
        }

        TextButton {
            objectName: "saveButton"
            textValue: mainIten.mainLang[10]
            baseColor: mainIten.anyDirty ? Theme.colorUnsaved : Theme.colorBlue
            onClicked: mainIten.save()
        }
    }

    Menu_Up {
        id: menuUp
        objectName: "menuUp"
        x: 920 - profileSelector.width - 16
        y: 16
        z: 5
        visible: mainIten.started
        url: mainIten.url
        profileModel: profilePage.profileDataModel0
        onProfileChosen: (index) => profilePage.changeProfile(index)
    }

    Connections {
        target: profilePage
        function onChangeProfile(tmpProfileNo) { mainIten.changeProfile(tmpProfileNo) }
    }

    Rectangle {
        id: mainMask
        objectName: "mainMask"
        anchors.fill: parent
        z: 10
        visible: false
        color: Theme.colorMask

        MouseArea {
            anchors.fill: parent
            property point pressPos
            onPressed: (mouse) => {
                pressPos = Qt.point(mouse.x, mouse.y)
                mainIten.dialogFocus()
            }
            onPositionChanged: (mouse) => {
                ui_Ctl.onXChanged(mouse.x - pressPos.x)
                ui_Ctl.onYChanged(mouse.y - pressPos.y)
            }
        }
    }

    KeyAssigment {
        id: keyAssigment
        objectName: "keyAssigment"
        keyNames: keyCodeString
        matrix: keyMatrix
        gunShown: mainIten.isGun
        onCloseClicked: {
            mainIten.closeDialog(keyAssigment)
            if (keyMatrix.applyAssignment(mouseMain.selectKey, keyAssigment))
                keyMatrix.isSave = true
            mouseMain.selectKey = -1
            mouseMain.hoverKey = -1
        }
        onOpenMacroEditor: mainIten.openDialog(macroEditor)
    }

    MacroEditor {
        id: macroEditor
        objectName: "macroEditor"
        keyNames: keyCodeString
        macroTarget: mainIten.isMouse ? keyAssigment.macroList : kbKeySetting.macroList
        onCloseClicked: mainIten.closeDialog(macroEditor)
    }

    GunControl {
        id: gunControl
        objectName: "gunControl"
        onCloseClicked: {
            mainIten.closeDialog(gunControl)
            if (gunControl.sendIfChanged())
                keyMatrix.modKeys.saveData()
        }
    }

    ProfileSetting {
        id: profilePage
        objectName: "profilePage"
        onCloseClicked: {
            mainIten.closeDialog(profilePage)
            menuUp.profileSelector.closeMenu()
        }
    }

    SystemSetting {
        id: systemSetting
        objectName: "systemSetting"
        onCloseClicked: mainIten.closeDialog(systemSetting)
    }

    BkLightEditor {
        id: bkLightEditor
        objectName: "bkLightEditor"
        lighting: kbLightControl
        onCloseClicked: mainIten.closeDialog(bkLightEditor)
    }

    ResetDialog {
        id: resetDialog
        objectName: "resetDialog"
        title: mainIten.mainLang[5]
        question: mainIten.mainLang[6]
        cancelText: mainIten.mainLang[7]
        okText: mainIten.mainLang[8]
        onCloseClicked: mainIten.closeDialog(resetDialog)
        onAccepted: mainIten.resetFactory()
    }

    BusyIndicator {
        objectName: "busyIndicator"
        z: 1000
        running: mainIten.busy
    }
}
