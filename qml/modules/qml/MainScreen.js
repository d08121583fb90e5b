.import "basic/Values.js" as Values

// The main screen's flows: first start, save, reset, profile change and key
// routing. They run in main.qml's context and coordinate its pages by id.

// Each page's text array and the language section that replaces it.
function textSections() {
    return [
        [mainIten, "mainLang", "main"],
        [keyMatrix, "keyMatrixLang", "keyMatrix"],
        [keyAssigment, "keyAssigmentLang", "keyAssigment"],
        [dpiPage, "dpiSettingLang", "dpiSetting"],
        [lightPage, "lightControlLang", "lightControl"],
        [macroEditor, "macroEditorLang", "macroEditor"],
        [systemSetting, "systemSettingLang", "systemSetting"],
        [gunControl, "gunControlLang", "gunControl"],
        [profilePage, "profileLang", "profile"],
        [keyCodeString, "keyCodeStr", "keyCode"],
        [keyboardMain, "keyboardPageLang", "keyboardPage"]
    ]
}

function loadTexts() {
    var sections = textSections()
    for (var i = 0; i < sections.length; ++i) {
        var page = sections[i][0], property = sections[i][1]
        page[property] = Values.mergeTexts(page[property],
                                           ui_View.getLangStrings(sections[i][2], mainIten.language))
    }
    // The view keeps these for its DPI notices.
    ui_View.getLangStrings("other", mainIten.language)
}

function readGlobalFlags() {
    mainIten.isColorful = Values.boolOr(ui_View.getGlobalData("mouse/isColorful"), false)
    mainIten.icType = Values.textOr(ui_View.getGlobalData("mouse/icType"), "553")
    mainIten.is55328 = Values.boolOr(ui_View.getGlobalData("mouse/is55328"), false)
    mainIten.isGun = Values.boolOr(ui_View.getGlobalData("mouse/isGun"), true)
    mouseMain.keyCount = Values.intOr(ui_View.getGlobalData("mouse/keyCount"), 8)
    mainIten.language = Values.textOr(ui_View.getGlobalData("common/language"), mainIten.language)
    mainIten.url = Values.textOr(ui_View.getGlobalData("common/url"), mainIten.url)
}

function initUI() {
    mainIten.setProtectUI(1000)
    mainIten.visible = true
    if (!mainIten.isPownOn || mainIten.initialisedType !== mainIten.deviceType)
        firstStart()
    // A keyboard plugged in again starts with no capture or choice pending.
    kbKeySetting.clearChoices()
    var stage = Number(ui_View.mouseGetCurrentDPI())
    if (!isNaN(stage))
        dpiPage.currentDPI = stage - 1
}

// The device's 1-based stage report; 0 says nothing.
function showDpiStage(dpiValue) {
    var stage = Number(dpiValue)
    if (stage !== 0 && !isNaN(stage))
        dpiPage.currentDPI = stage - 1
}

function firstStart() {
    // Pages look at isPownOn to tell the one-time load from later ones.
    mainIten.isPownOn = false
    ui_View.mouseReadKeyboardType()
    readGlobalFlags()
    if (mainIten.icType === "560" && Number(ui_View.mouseReadCurrentProfile()) !== 1)
        hid.hid560_02H_SetCurrentProfile(1)
    loadTexts()

    reportRate.init(false)
    profilePage.init()
    mainIten.profileNo = Values.intOr(
        ui_View.getGlobalData(mainIten.isMouse ? "mouse/profileNo" : "keyboard/profileNo"), 0)
    menuUp.profileSelector.currentSelect = mainIten.profileNo
    ui_View.setCurrentProfile(mainIten.profileNo)

    macroEditor.init()
    gunControl.init()
    keyAssigment.init()
    keyMatrix.init(false, false)
    dpiPage.init(false, false)
    lightPage.init(false, false)
    systemSetting.init(false, false)
    // The key models are made on first use; a mouse never uses them, and a
    // keyboard served later runs this first start again.
    if (!mainIten.isMouse)
        keyboardMain.init(false, false, 0)
    kbLightControl.init(false, false)
    bkLightEditor.init(false, false)

    mainIten.initialisedType = mainIten.deviceType
    mainIten.isPownOn = true
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

function closeMenus() {
    reportRate.closeMenu()
    dpiPage.dpiSegment.closeMenu()
    menuUp.closeMenus()
    lightPage.lightModel.closeMenu()
    kbLightControl.lightModel.closeMenu()
    kbKeySetting.mediaControl.closeMenu()
    kbKeySetting.macroList.closeMenu()
}

// The open dialogs close their drop-downs.
function closeDialogMenus() {
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

// Dirty pages in the order they are saved, each with its flag and its save.
function dirtyPages() {
    return [
        [keyMatrix, "isSave", function() { keyMatrix.modKeys.saveData() }],
        [dpiPage, "isSave", function() { dpiPage.saveData(true) }],
        [lightPage, "isSave", function() { lightPage.saveData(true, 0) }],
        [kbLightControl, "isSave", function() { kbLightControl.saveData(true, 0) }],
        [bkLightEditor, "isSave", function() { bkLightEditor.saveData(true, 0) }],
        [keyboardMain, "isFunctionSave", function() { keyboardMain.saveData(true, 1) }],
        [keyboardMain, "isPictureSave", function() { keyboardMain.saveData(true, 2) }]
    ]
}

function anyDirty() {
    var pages = dirtyPages()
    for (var i = 0; i < pages.length; ++i) {
        if (pages[i][0][pages[i][1]])
            return true
    }
    return false
}

function save() {
    mainIten.mainFocus()
    hid.hidARM_09H_SetKeyboardMode(1)
    var dirty = mainIten.anyDirty
    // Nothing locks the screens when nothing is dirty, so a running lock stays.
    if (dirty)
        mainIten.controlUIEnable(false)
    var pages = dirtyPages()
    for (var i = 0; i < pages.length; ++i) {
        var page = pages[i][0], flag = pages[i][1]
        if (page[flag]) {
            page[flag] = false
            pages[i][2]()
        }
    }
    kbLightControl.saveData(true, 0)
    if (dirty)
        mainIten.controlUIEnable(true)
}

// Loads and sends the mouse pages of the current profile slot.
function reloadMousePages() {
    keyMatrix.init(true, false)
    reportRate.init(true)
    dpiPage.init(true, false)
    lightPage.init(true, false)
    systemSetting.init(true, false)
    if (mainIten.isGun) {
        ui_View.mouseSwitchKeyMatrix(1)
        ui_View.mouseResetKeyMatrix()
    }
}

function reloadKeyboardPages(fromFactory) {
    keyboardMain.init(true, fromFactory, 0)
    kbLightControl.init(true, fromFactory)
    bkLightEditor.init(true, fromFactory)
}

function resetFactory() {
    mainIten.controlUIEnable(false)
    dialogHost.close(resetDialog)
    if (mainIten.isMouse) {
        keyMatrix.isSave = false
        dpiPage.isSave = false
        lightPage.isSave = false
        ui_View.resetProfile(mainIten.profileNo)
        reloadMousePages()
        ui_View.mouseSetCurrentDPI(2)
        dpiPage.currentDPI = 1
        gunControl.resetData()
    } else {
        reloadKeyboardPages(true)
    }
    mainIten.controlUIEnable(true)
}

function changeProfile(tmpProfileNo) {
    var chosen = Number(tmpProfileNo)
    if (chosen === mainIten.profileNo)
        return
    mainIten.controlUIEnable(false)
    mainIten.profileNo = chosen
    ui_View.setGlobalData(mainIten.isMouse ? "mouse/profileNo" : "keyboard/profileNo", mainIten.profileNo)
    ui_View.setCurrentProfile(mainIten.profileNo)
    loadActiveProfile()
    mainIten.controlUIEnable(true)
}

function loadActiveProfile() {
    if (mainIten.isMouse)
        reloadMousePages()
    else
        reloadKeyboardPages(false)
}

// An import replaced the active profile's file: the pages show and send it.
function reloadActiveProfile() {
    mainIten.controlUIEnable(false)
    loadActiveProfile()
    mainIten.controlUIEnable(true)
}

// In the mouse layout the button list renames a macro's file together with
// its bindings. The keyboard layout's pages keep only their own bindings, so
// the file, and the mouse bindings in every profile, are renamed here.
function macroRenamed(oldMacroName, newMacroName) {
    if (!mainIten.isMouse)
        ui_View.modifyMacroNameUpdateProfile(oldMacroName, newMacroName)
}

function openKeyAssigment(index) {
    mouseMain.selectKey = index
    if (keyMatrix.modKeys.checkOneLeftKey(index))
        return
    mainIten.mainFocus()
    keyAssigment.show(index)
    dialogHost.open(keyAssigment)
}

// What closing a dialog means beyond hiding it.
function dialogClosed(dialog) {
    if (dialog === keyAssigment) {
        // The assignment dialog hands over what it holds for the chosen button.
        if (keyMatrix.applyAssignment(mouseMain.selectKey, keyAssigment))
            keyMatrix.isSave = true
        mouseMain.selectKey = -1
        mouseMain.hoverKey = -1
    } else if (dialog === gunControl) {
        if (gunControl.sendIfChanged())
            keyMatrix.modKeys.saveData()
    } else if (dialog === profilePage) {
        menuUp.profileSelector.closeMenu()
    }
}
