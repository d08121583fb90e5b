pragma Singleton
import QtQuick

// The shared look of every screen: colours, fonts and image addresses.
QtObject {
    id: theme

    // Set by the main screen; image addresses and list heights follow them.
    property int skinNo: 1
    property string deviceType: "keyboard"

    readonly property color colorGray0: "#1a1a1a"
    readonly property color colorGray1: "#3c3c3c"
    readonly property color colorGray2: "#969696"
    readonly property color colorGray3: "#d1d1d1"
    readonly property color colorBlue: "#29292d"
    readonly property color colorOrange: "#fb637e"
    readonly property color colorBlack: "#3b3b40"
    readonly property color fontColor: "#ffffff"
    readonly property color colorUnsaved: "#ff3030"
    readonly property color colorField: "#2c2d30"
    readonly property color colorMask: "#90000000"
    readonly property color colorCover: "#b0000000"

    readonly property int fontMinSize: 10
    readonly property int fontNormalSize: 12
    readonly property int fontMiddleSize: 14
    readonly property int fontMaxSize: 16

    // The screens were drawn for "微软雅黑"; where it is missing the first
    // installed CJK family takes its place so Chinese labels still render.
    readonly property var fontCandidates: ["微软雅黑", "Microsoft YaHei", "WenQuanYi Micro Hei",
        "Noto Sans CJK SC", "Source Han Sans SC", "Droid Sans Fallback"]
    readonly property string fontFamily: pickFamily(fontCandidates)

    function pickFamily(candidates) {
        var installed = Qt.fontFamilies()
        for (var i = 0; i < candidates.length; ++i) {
            if (installed.indexOf(candidates[i]) >= 0)
                return candidates[i]
        }
        return "sans-serif"
    }

    readonly property string imageExt: ".svg"

    // Skinned image of a group, e.g. img("index", "minBtn").
    function img(group, name) {
        var skin = group === "gun" ? 1 : skinNo
        return "qrc:/index/modules/img/skin" + skin + "/" + group + "/" + name + imageExt
    }

    // Image shared by every skin.
    function plainImg(name) {
        return "qrc:/modules/img/" + name + imageExt
    }

    // Every image the screens address, by group; "" names the unskinned ones.
    readonly property var imageCatalogue: ({
        "": ["background", "titleBar", "titleLogo"],
        "index": ["minBtn", "minBtnH", "closeBtn", "closeBtnH", "ask", "askH", "sureBtn", "sureBtnH",
                  "back", "backH", "powerOn", "slide", "scale", "radioBtn", "radioBtnS", "checkBtn",
                  "dropBtn", "dropBtnU", "keySettingBk", "M1", "M2", "M3", "M4"],
        "mouse": ["MouseFront", "MouseSide",
                  "Mouse0", "Mouse1", "Mouse2", "Mouse3", "Mouse4", "Mouse5", "Mouse6", "Mouse7",
                  "Mouse0S", "Mouse1S", "Mouse2S", "Mouse3S", "Mouse4S", "Mouse5S", "Mouse6S", "Mouse7S",
                  "MouseSide0", "MouseSide1", "MouseSide2", "MouseSide3",
                  "MouseSide4", "MouseSide5", "MouseSide6", "MouseSide7",
                  "MouseSide0S", "MouseSide1S", "MouseSide2S", "MouseSide3S",
                  "MouseSide4S", "MouseSide5S", "MouseSide6S", "MouseSide7S",
                  "mouseSidebtnN", "mouseSidebtnS"],
        "lightControl": ["lightControlBtn", "lightControlBtn0", "lightControlBtn1",
                         "lightControlTxt0", "lightControlTxt1", "lightControlTxt2",
                         "colorBar", "speedScale"],
        "macros": ["macroKeyDelay", "macroKeyPress", "macroKeyRelease", "macroMousePress",
                   "macroMouseRelease", "macroMenuBG"],
        "gun": ["M416", "AKM", "M16A4", "SCAR-L", "Thomson", "UNP9", "target"],
        "keyboard": ["kbKeySpeedScale"]
    })
}
