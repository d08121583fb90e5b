import QtQuick
import "basic"
import "J2"
import "MainScreen.js" as Screen

// Root of the screens: composes the pages and dialogs. The application side calls
// initUI, run, setProtectUI, setCurrentDPI, detectKeyboard and detectMouse by name.
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
    // The title bar shows the active profile, also when a deletion moves it up a row.
    onProfileNoChanged: menuUp.profileSelector.currentSelect = profileNo
    property alias busy: inputLock.busy
    property alias started: inputLock.started
    // The layout the one-time initialisation last ran for.
    property string initialisedType: ""
    readonly property bool isMouse: deviceType === "mouse"
    readonly property bool anyDirty: Screen.anyDirty()

    Binding { target: Theme; property: "skinNo"; value: mainIten.skin_No }
    Binding { target: Theme; property: "deviceType"; value: mainIten.deviceType }

    onMsg_KB: (isDown, usbCode) => Screen.routeKey(isDown, usbCode)

    function initUI() { Screen.initUI() }
    function run() {}
    function setProtectUI(interval) { inputLock.lockFor(interval) }
    function controlUIEnable(isEnable) { inputLock.setHeld(!isEnable) }
    function setCurrentDPI(dpiValue) { Screen.showDpiStage(dpiValue) }
    function detectKeyboard(isDown, usbCode) { msg_KB(isDown, usbCode) }
    function detectMouse(isDown, buttonCode, x, y) { msg_MS(isDown, buttonCode, x, y) }
    function mainFocus() { Screen.closeMenus() }
    function save() { Screen.save() }
    function resetFactory() { Screen.resetFactory() }
    function changeProfile(tmpProfileNo) { Screen.changeProfile(tmpProfileNo) }
    function openDialog(dialog) { dialogHost.open(dialog) }
    function closeDialog(dialog) { dialogHost.close(dialog) }
    function openKeyAssigment(index) { Screen.openKeyAssigment(index) }

    InputLock { id: inputLock }
    KeyCodeString { id: keyCodeString }
    Environment { visible: mainIten.started }
    WindowDragArea { objectName: "dragArea"; anchors.fill: parent; onGrabbed: mainIten.mainFocus() }
    Image { objectName: "powerOn"; anchors.centerIn: parent; visible: !mainIten.started; source: Theme.img("index", "powerOn") }

    MouseMain {
        id: mouseMain
        objectName: "mouseMain"
        visible: mainIten.started && mainIten.isMouse
        onLabelClicked: (index) => mainIten.openKeyAssigment(index)
    }

    Keyboard {
        id: keyboardMain
        objectName: "keyboardMain"
        x: 278
        y: 88
        visible: mainIten.started && !mainIten.isMouse
        keyboardMacroMax: mainIten.keyboardMacroMax
        keyNames: keyCodeString
        keyInfoBox: kbKeyInfo
        keySetting: kbKeySetting
    }

    KbKeySetting {
        id: kbKeySetting
        objectName: "kbKeySetting"
        x: 278
        y: 288
        visible: mainIten.started && !mainIten.isMouse
        keyNames: keyCodeString
        keyboard: keyboardMain
        // Only the layout in use hears the editor: macro numbers are per device.
        macroEditor: mainIten.isMouse ? null : macroEditor
        lang: keyboardMain.keyboardPageLang
        onOpenMacroEditor: mainIten.openDialog(macroEditor)
    }

    Column {
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
            macroEditor: macroEditor
            hearsMacroEditor: mainIten.isMouse
            onClickBtn: (index) => mainIten.openKeyAssigment(index)
            onEnterBtn: (index) => mouseMain.hoverKey = index
            onLeaveBtn: (index) => { if (!keyAssigment.visible) mouseMain.hoverKey = -1 }
        }

        KbKeyInfo {
            id: kbKeyInfo
            objectName: "kbKeyInfo"
            visible: !mainIten.isMouse
            lang: keyboardMain.keyboardPageLang
            onRestoreClicked: keyboardMain.restoreKey()
        }

        EditorBox {
            objectName: "editorBox"
            texts: mainIten.mainLang
            gunShown: mainIten.isMouse && mainIten.isGun
            onOpenMacroEditor: mainIten.openDialog(macroEditor)
            onOpenGunEditor: mainIten.openDialog(gunControl)
        }

        ReportRate { id: reportRate; objectName: "reportRate"; visible: mainIten.isMouse; title: mainIten.mainLang[3]; z: 1 }

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
            lang: keyboardMain.keyboardPageLang
        }
    }

    Column {
        objectName: "rightPanel"
        x: 768
        y: 56
        spacing: 8
        visible: mainIten.started && mainIten.isMouse

        DpiSetting { id: dpiPage; objectName: "dpiPage"; z: 1; onPressed: mainIten.mainFocus() }

        LightControl {
            id: lightPage
            objectName: "lightPage"
            colourful: mainIten.isColorful
            variant55328: mainIten.is55328
            dpiCount: dpiPage.dpiCount
            firstLoad: !mainIten.isPownOn
        }
    }

    BottomBar {
        objectName: "bottomBar"
        visible: mainIten.started
        texts: mainIten.mainLang
        dirty: mainIten.anyDirty
        onConfigClicked: mainIten.openDialog(profilePage)
        onResetClicked: mainIten.openDialog(resetDialog)
        onSaveClicked: mainIten.save()
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

    DialogHost {
        id: dialogHost
        z: 10
        onLayerPressed: Screen.closeDialogMenus()
        onClosed: (dialog) => Screen.dialogClosed(dialog)

        KeyAssigment {
            id: keyAssigment
            objectName: "keyAssigment"
            keyNames: keyCodeString
            matrix: keyMatrix
            gunShown: mainIten.isGun
            onOpenMacroEditor: mainIten.openDialog(macroEditor)
        }

        MacroEditor {
            id: macroEditor
            objectName: "macroEditor"
            keyNames: keyCodeString
            macroTarget: mainIten.isMouse ? keyAssigment.macroList : kbKeySetting.macroList
            onModifyMacroName: (oldMacroName, newMacroName) => Screen.macroRenamed(oldMacroName, newMacroName)
        }

        GunControl { id: gunControl; objectName: "gunControl" }

        ProfileSetting {
            id: profilePage
            objectName: "profilePage"
            onChangeProfile: (tmpProfileNo) => mainIten.changeProfile(tmpProfileNo)
            onActiveProfileReplaced: Screen.reloadActiveProfile()
        }

        SystemSetting { id: systemSetting; objectName: "systemSetting"; onInputFocused: mainIten.mainFocus() }

        BkLightEditor { id: bkLightEditor; objectName: "bkLightEditor"; lighting: kbLightControl }

        ResetDialog {
            id: resetDialog
            objectName: "resetDialog"
            texts: mainIten.mainLang
            onAccepted: mainIten.resetFactory()
        }
    }

    BusyIndicator { objectName: "busyIndicator"; z: 1000; running: mainIten.busy }
}
