import QtQuick
import QtTest
import "qrc:/modules/qml/basic"

TestCase {
    name: "KeyCodeString"

    KeyCodeString { id: table }

    function init() {
        failOnWarning(/.?/)
    }

    function test_codes_and_names_run_in_parallel() {
        compare(table.keyCode.length, table.keyCodeStr.length)
    }

    function test_codes_are_unique_and_ascending() {
        for (var i = 1; i < table.keyCode.length; ++i)
            verify(table.keyCode[i] > table.keyCode[i - 1], "at " + i)
    }

    function test_names_of_codes_data() {
        return [
            { tag: "A", code: 0x04, name: "A" },
            { tag: "Z", code: 0x1D, name: "Z" },
            { tag: "1", code: 0x1E, name: "1" },
            { tag: "0", code: 0x27, name: "0" },
            { tag: "Enter", code: 0x28, name: "Enter" },
            { tag: "F12", code: 0x45, name: "F12" },
            { tag: "PgD", code: 0x4E, name: "PgD" },
            { tag: "right", code: 0x4F, name: "►" },
            { tag: "KPEnter", code: 0x58, name: "KPEnter" },
            { tag: "KP9", code: 0x61, name: "KP9" },
            { tag: "KP0", code: 0x62, name: "KP0" },
            { tag: "F13", code: 0x68, name: "F13" },
            { tag: "F24", code: 0x73, name: "F24" },
            { tag: "Keypad", code: 0x85, name: "Keypad" },
            { tag: "Lang2", code: 0x91, name: "Lang2" },
            { tag: "RWin", code: 0xE7, name: "RWin" },
            { tag: "MS-L", code: 0xF0, name: "MS-L" },
            { tag: "MS-B5", code: 0xF4, name: "MS-B5" }
        ]
    }

    function test_names_of_codes(row) {
        compare(table.keycodeTostr(row.code), row.name)
        compare(table.strTokeycode(row.name), row.code)
    }

    function test_unknown_code_has_no_name() {
        compare(table.keycodeTostr(0x86), "")
        compare(table.keycodeTostr(0), "")
        compare(table.keycodeTostr(0xF5), "")
    }

    function test_unknown_name_gives_zero() {
        compare(table.strTokeycode("NoSuchKey"), 0)
        compare(table.strTokeycode(""), 0)
    }

    function test_both_backslashes_name_the_first_code() {
        compare(table.keycodeTostr(0x31), "\\")
        compare(table.keycodeTostr(0x32), "\\")
        compare(table.strTokeycode("\\"), 0x31)
    }

    function test_codes_arriving_as_text_still_resolve() {
        compare(table.keycodeTostr("4"), "A")
    }
}
