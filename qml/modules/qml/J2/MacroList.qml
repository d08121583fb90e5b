import QtQuick

// A drop-down of the macro names, refilled by the macro editor.
DropDownList {
    currentSelect: -1

    function addData(names, isInit) {
        var current = textValue
        mdItems.clear()
        for (var i = 0; i < names.length; ++i)
            mdItems.append({ "textValue": String(names[i]) })
        var kept = isInit ? -1 : names.indexOf(current)
        currentSelect = kept
        refreshText()
    }
}
