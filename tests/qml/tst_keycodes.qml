import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

TestCase {
    name: "KeyCodeString"

    KeyCodeString { id: table }

    function init() {
        failOnWarning(/.?/)
    }

    function test_codes_run_in_parallel_with_names_and_ascend() {
        compare(table.keyCode.length, table.keyCodeStr.length)
        for (var i = 1; i < table.keyCode.length; ++i)
            verify(table.keyCode[i] > table.keyCode[i - 1], "at " + i)
    }

    // Both backslashes are named alike; the name gives the first.
    function test_names_of_codes_data() {
        return [
            { tag: "A", code: 0x04, name: "A" }, { tag: "0", code: 0x27, name: "0" },
            { tag: "right", code: 0x4F, name: "►" }, { tag: "KP0", code: 0x62, name: "KP0" },
            { tag: "F24", code: 0x73, name: "F24" }, { tag: "Lang2", code: 0x91, name: "Lang2" },
            { tag: "RWin", code: 0xE7, name: "RWin" }, { tag: "MS-B5", code: 0xF4, name: "MS-B5" },
            { tag: "backslash", code: 0x31, name: "\\" }, { tag: "code as text", code: "4", name: "A", back: 4 },
            { tag: "other backslash", code: 0x32, name: "\\", back: 0x31 },
            { tag: "unknown code", code: 0x86, name: "", back: 0 }, { tag: "zero", code: 0, name: "", back: 0 },
            { tag: "beyond the mouse buttons", code: 0xF5, name: "", back: 0 }
        ]
    }

    function test_names_of_codes(row) {
        compare(table.keycodeTostr(row.code), row.name)
        compare(table.strTokeycode(row.name), row.back !== undefined ? row.back : row.code)
    }

    function test_unknown_name_gives_zero() {
        compare(table.strTokeycode("NoSuchKey"), 0)
    }
}
