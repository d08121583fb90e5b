"""Screen texts of the language files, section by section, in index order."""

SECTIONS = ["main", "keyMatrix", "keyAssigment", "dpiSetting", "lightControl",
            "macroEditor", "systemSetting", "gunControl", "profile", "keyCode", "other",
            "keyboardPage"]


def padded(strings, count):
    assert len(strings) <= count
    return strings + [""] * (count - len(strings))


# Key names are the same in every language: macro files store actions by key name.
KEY_NAMES = (
    [chr(c) for c in range(ord("A"), ord("Z") + 1)]
    + [str(d) for d in range(1, 10)] + ["0"]
    + ["Enter", "Esc", "Back", "Tab", "Space", "-", "=", "[", "]", "\\", "\\", ";", "'", "`",
       ",", ".", "/", "Caps"]
    + ["F%d" % n for n in range(1, 13)]
    + ["Prt", "Scr", "Pau", "Ins", "Hom", "Pgu", "Del", "End", "PgD", "►", "◄", "▼", "▲",
       "Num", "KP/", "KP*", "KP-", "KP+", "KPEnter"]
    + ["KP%d" % n for n in range(1, 10)] + ["KP0", "KP.", "Eur2", "App", "Power", "KP="]
    + ["F%d" % n for n in range(13, 25)]
    + ["Keypad", "Intl1", "Intl2", "Intl3", "Intl4", "Intl5", "Lang1", "Lang2"]
    + ["LCtrl", "LShift", "LAlt", "LWin", "RCtrl", "RShift", "RAlt", "RWin"]
    + ["MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"]
)
assert len(KEY_NAMES) == 133

ENGLISH = {
    "main": padded(["Editor", "Macro Editor", "Gun Editor", "Report Rate", "Config", "Reset",
                    "Reset factory setting", "Cancel", "OK", "System setting", "Save",
                    "BK Light Editor"], 15),
    "keyMatrix": ["Key ", "Key Function"],
    "keyAssigment": padded([
        "Key ", "Mouse Function", "Left Key", "Middle Key", "Right Key", "Forward Key",
        "Back Key", "Double Fire", "Fire Function", "Key Value", "Click Input", "Rate", "Times",
        "Endness", "Group Function", "Media Function", "Macro Function", "Macro Editor",
        "Macro runs one-time after pressing the button",
        "Macro runs endless loop until any button is pressed",
        "Macro runs endless loop until button is released",
        "DPI Function", "DPI+", "DPI-", "DPI LOOP", "Windows Function", "Shortcut Function",
        "Player", "Next", "Privous", "Stop", "Mute", "Play/Pause", "Volumn+", "Volumn-",
        "My PC", "Index", "Search", "Max", "Min", "Desktop", "Run",
        "New", "Cut", "Copy", "Paste", "Save", "Print", "Find", "Redo", "Undo", "Select All",
        "Gun Function", "One Gun", "Two Gun", "Three Gun", "Sniper Key"], 60),
    "dpiSetting": padded(["DPI"], 5),
    "lightControl": padded(["Light", "Static", "Breath", "Neon", "OFF", "Speed", "Color",
                            "Brightness", "Twinkling", "Wave", "Gliding", "Finger Moving",
                            "Vertical Flipping", "YO-YO", "Spotlight", "Breath Loop"], 20),
    "macroEditor": padded(["Macro Editor", "Macro Name", "New", "Delete", "Action", "Stop Record",
                           "Times", "OK", "Start Record", "Delay", "Delete", "Import", "Export",
                           "Insert Delay", "Insert Key", "Insert Left Key", "Insert Middle Key",
                           "Insert Right Key"], 20),
    "systemSetting": padded(["System Setting", "Mouse Speed", "Double Click Speed", "Slow", "Fast",
                             "Scroll Speed", "Number of Rows", "Scroll one Screen"], 15),
    "gunControl": ["Gun editor", "Gun", "Select gun", "Cursor Adjust", "X Axis", "Y axis",
                   "Fire adjust", "Rate", "Times", "Endness"],
    "profile": padded(["config", "New", "Import", "Delete", "Export", "Standard"], 20),
    "keyCode": KEY_NAMES,
    # The DPI balloon: entry k - 1 for stage k = 1 ... 7, the last one for any other stage.
    "other": ["DPI switched to stage %d" % k for k in range(1, 8)] + ["DPI stage changed"],
    # The keyboard pages: key information, views, key setting panel, function
    # texts, lighting box and its effects by code.
    "keyboardPage": [
        "Key Info", "Function", "Color", "Key Value", "Click Input", "Macro Key", "Edit",
        "Multimedia", "Key Color"]
        + ["Picture %d" % n for n in range(1, 6)]
        + ["Player", "Next", "Previous", "Stop", "Mute", "Play/Pause", "Volume+", "Volume-",
           "E-mail", "Calculator", "My Computer", "Web Search", "Web Home", "Web Back",
           "Web Forward", "Web Stop", "Web Refresh", "Web Favorites",
           "Mail", "Calculator", "My Computer", "Macro",
           "Light", "Speed", "Brightness", "Color",
           "Static", "Breathing", "Wave", "Light on Press", "Ripple", "Dark on Press", "Neon",
           "Marquee", "Raindrop", "Circular Marquee", "Converging", "Swirl"]
        + ["User Mode %d" % n for n in range(1, 6)]
        + ["Key"],
}

CHINESE = {
    "main": padded(["编辑器", "宏编辑器", "压枪编辑器", "回报率", "配置", "重置", "恢复出厂设置",
                    "取消", "确定", "系统设置", "保存", "背光编辑器"], 15),
    "keyMatrix": ["按键 ", "按键功能"],
    "keyAssigment": padded([
        "按键 ", "鼠标功能", "左键", "中键", "右键", "前进键", "后退键", "双击", "连发功能",
        "键值", "单击输入", "速率", "次数", "无限", "组合键功能", "多媒体功能", "宏功能",
        "宏编辑器", "按下按键后宏运行一次", "宏循环运行，按下任意按键停止",
        "宏循环运行，松开按键停止", "DPI功能", "DPI+", "DPI-", "DPI循环", "Windows功能",
        "快捷键功能",
        "播放器", "下一首", "上一首", "停止", "静音", "播放/暂停", "音量+", "音量-",
        "我的电脑", "主页", "搜索", "最大化", "最小化", "桌面", "运行",
        "新建", "剪切", "复制", "粘贴", "保存", "打印", "查找", "重做", "撤销", "全选",
        "压枪功能", "一号枪", "二号枪", "三号枪", "狙击键"], 60),
    "dpiSetting": padded(["DPI"], 5),
    "lightControl": padded(["灯光", "常亮", "呼吸", "霓虹", "关闭", "速度", "颜色", "亮度",
                            "闪烁", "波浪", "滑行", "手指拨动", "垂直翻转", "悠悠球", "聚光灯",
                            "呼吸循环"], 20),
    "macroEditor": padded(["宏编辑器", "宏名称", "新建", "删除", "动作", "停止录制", "次数",
                           "确定", "开始录制", "延时", "删除", "导入", "导出", "插入延时",
                           "插入按键", "插入左键", "插入中键", "插入右键"], 20),
    "systemSetting": padded(["系统设置", "鼠标速度", "双击速度", "慢", "快", "滚轮速度", "行数",
                             "滚动一屏"], 15),
    "gunControl": ["压枪编辑器", "枪", "选择枪械", "准星调整", "X轴", "Y轴", "射击调整", "速率",
                   "次数", "无限"],
    "profile": padded(["配置", "新建", "导入", "删除", "导出", "标准"], 20),
    "keyCode": KEY_NAMES,
    "other": ["DPI 已切换到第 %d 档" % k for k in range(1, 8)] + ["DPI 档位已改变"],
    # The keyboard pages' own texts, as the pages carry them built in.
    "keyboardPage": [
        "按键信息", "功能", "颜色", "键值", "单击输入", "宏键功能", "编辑", "多媒体", "按键颜色",
        "图一", "图二", "图三", "图四", "图五",
        "播放器", "下一首", "上一首", "停止", "静音", "播放/暂停", "音量+", "音量-", "电子邮件",
        "小算盘", "我的电脑", "Web搜索", "Web主页", "Web上一页", "Web下一页", "Web停止", "Web刷新",
        "Web收藏",
        "邮件", "计算器", "我的电脑", "Macro",
        "灯光", "速度", "亮度", "颜色",
        "常亮模式", "呼吸模式", "波浪模式", "即按即亮", "涟漪模式", "即按即灭", "霓虹模式", "跑马模式",
        "雨滴模式", "环形跑马", "对冲模式", "旋转模式"]
        + ["用户模式%d" % n for n in range(1, 6)]
        + ["按键"],
}

for table in (ENGLISH, CHINESE):
    assert list(table) == SECTIONS
    for section in SECTIONS:
        assert len(table[section]) == len(ENGLISH[section]), section
