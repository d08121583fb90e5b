.pragma library

// Built-in texts of the keyboard pages, by index; the language file's section
// "keyboardPage" replaces them at first start, entry by entry.
var builtIn = [
    "按键信息", "功能", "颜色", "键值", "单击输入", "宏键功能", "编辑", "多媒体", "按键颜色",
    "图一", "图二", "图三", "图四", "图五",
    "播放器", "下一首", "上一首", "停止", "静音", "播放/暂停", "音量+", "音量-", "电子邮件",
    "小算盘", "我的电脑", "Web搜索", "Web主页", "Web上一页", "Web下一页", "Web停止", "Web刷新",
    "Web收藏",
    "邮件", "计算器", "我的电脑", "Macro",
    "灯光", "速度", "亮度", "颜色",
    "常亮模式", "呼吸模式", "波浪模式", "即按即亮", "涟漪模式", "即按即灭", "霓虹模式", "跑马模式",
    "雨滴模式", "环形跑马", "对冲模式", "旋转模式", "用户模式1", "用户模式2", "用户模式3",
    "用户模式4", "用户模式5",
    "按键"
]

// Where each group starts.
var keyInfoTitle = 0
var functionView = 1
var colourView = 2
var keyValue = 3
var clickInput = 4
var macroKey = 5
var edit = 6
var multimedia = 7
var keyColour = 8
var pictures = 9        // five
var media = 14          // eighteen, in the grid's order
var mailKey = 32
var calculatorKey = 33
var computerKey = 34
var macroFunction = 35
var lightTitle = 36
var speed = 37
var brightness = 38
var colour = 39
var effects = 40        // seventeen, by effect code
var keyCaption = 57

function slice(lang, from, count) {
    return lang.slice(from, from + count)
}
