import QtQuick
import QtTest

// What every screen test shares: the call log reset, the main screen started
// on the stand-ins, children by name and screenshots.
TestCase {
    when: windowShown

    property Item stage: parent
    property var main
    readonly property var mainComponent: Qt.createComponent("qrc:/modules/qml/main.qml")
    readonly property Component spyComponent: Component { SignalSpy {} }

    function init() {
        failOnWarning(/.?/)
        callLog.clear()
        callLog.clearReturns()
        prepare()
    }

    // Answers every test of a case starts with.
    function prepare() {}

    function child(root, name) {
        var found = findChild(root, name)
        verify(found !== null, "no child " + name)
        return found
    }

    function make(component, props) {
        compare(component.status, Component.Ready, component.errorString())
        var item = createTemporaryObject(component, stage, props || {})
        verify(item !== null)
        return item
    }

    // The main screen after its first start and the start-up lock (1000 ms from the next frame).
    function start(type) {
        main = make(mainComponent, { "deviceType": type })
        main.initUI()
        animationClock.advanceBy(1040)
        verify(main.started)
        callLog.clear()
        return main
    }

    // Keyed answers of `getter`, first argument → value.
    function returns(getter, values) {
        for (var key in values)
            callLog.setKeyedReturn(getter, key, values[key])
    }

    // The arguments of every call of ui_View.`name`.
    function calls(name) {
        return callLog.argsOf("ui_View." + name)
    }

    function lastCall(name) {
        var all = calls(name)
        verify(all.length > 0, name + " was not called")
        return all[all.length - 1]
    }

    // `fn` of every entry of a list model.
    function entries(model, fn) {
        var out = []
        for (var i = 0; i < model.count; ++i)
            out.push(fn(model.get(i)))
        return out
    }

    function spy(target, signalName) {
        return createTemporaryObject(spyComponent, stage, { "target": target, "signalName": signalName })
    }

    function spied(signalSpy) {
        return signalSpy.signalArguments.map(function(a) { return Array.prototype.slice.call(a) })
    }

    // Opens a drop-down, waits out its slide and clicks row `row` (0-based) below it.
    function chooseRow(list, row) {
        mouseClick(list, list.width / 2, list.height / 2)
        animationClock.advanceBy(200)
        verify(list.isDrop)
        mouseClick(list, list.width / 2, list.height + 24 * row + 12)
        animationClock.advanceBy(200)
    }

    function shoot(item, file) {
        animationClock.advanceBy(0)
        grabImage(item).save(screenshotDir + "/" + file)
    }
}
