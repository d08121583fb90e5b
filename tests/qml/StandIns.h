#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>

// One record of every call the screens make on the stand-ins, in order, and
// the values the stand-ins answer with.
class CallLog : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    QVariant record(const QString& object, const QString& name, const QVariantList& args);

    // "object.name" of every call, oldest first.
    Q_INVOKABLE QStringList names() const { return m_names; }
    // The argument lists of every call of `object.name`.
    Q_INVOKABLE QVariantList argsOf(const QString& qualifiedName) const;
    Q_INVOKABLE int count(const QString& qualifiedName) const { return int(m_names.count(qualifiedName)); }
    Q_INVOKABLE void clear() { m_names.clear(); m_args.clear(); }
    // What `name` answers; keyed answers, set with a first argument, win.
    Q_INVOKABLE void setReturn(const QString& name, const QVariant& value) { m_returns.insert(name, value); }
    Q_INVOKABLE void setKeyedReturn(const QString& name, const QVariant& firstArg, const QVariant& value)
    {
        m_returns.insert(name + QLatin1Char(':') + firstArg.toString(), value);
    }
    Q_INVOKABLE void clearReturns() { m_returns.clear(); }

private:
    QStringList m_names;
    QVariantList m_args;
    QVariantMap m_returns;
};

// Records every call under the name the application publishes the object as.
class StandIn : public QObject
{
    Q_OBJECT

public:
    StandIn(CallLog* log, const char* object, QObject* parent)
        : QObject(parent), m_log(log), m_object(QLatin1String(object)) {}

protected:
    QVariant rec(const char* name, const QVariantList& args = {}) const
    {
        return m_log->record(m_object, QLatin1String(name), args);
    }

private:
    CallLog* m_log;
    QString m_object;
};

#define QUORIX_REC(...) rec(__func__, {__VA_ARGS__})

// `ui_View`: settings, names, texts and device calls.
class ViewStandIn : public StandIn
{
    Q_OBJECT

public:
    ViewStandIn(CallLog* log, QObject* parent) : StandIn(log, "ui_View", parent) {}

public Q_SLOTS:
    QVariant getData(QVariant key, bool isRecovery) { return QUORIX_REC(key, isRecovery); }
    QVariant getGlobalData(QVariant key) { return QUORIX_REC(key); }
    QVariantList getDataList(QVariant key, bool isRecovery) { return QUORIX_REC(key, isRecovery).toList(); }
    void setData(QVariant key, QVariant data) { QUORIX_REC(key, data); }
    void setGlobalData(QVariant key, QVariant data) { QUORIX_REC(key, data); }
    void setDataList(QVariant key, QVariantList list) { QUORIX_REC(key, list); }
    QStringList getLangStrings(QString type, QString lang) { return QUORIX_REC(type, lang).toStringList(); }
    int mouseReadKeyboardType() { return QUORIX_REC().toInt(); }
    QVariant mouseReadCurrentProfile() { return QUORIX_REC(); }
    QVariant mouseGetCurrentDPI() { return QUORIX_REC(); }
    void setCurrentProfile(int profile) { QUORIX_REC(profile); }
    void resetProfile(int profile) { QUORIX_REC(profile); }
    void mouseSetReportRate(int rate) { QUORIX_REC(rate); }
    void mouseSwitchKeyMatrix(int index) { QUORIX_REC(index); }
    void mouseResetKeyMatrix() { QUORIX_REC(); }
    void mouseSetCurrentDPI(int dpi) { QUORIX_REC(dpi); }
    QVariantList getNameList(QVariant type) { return QUORIX_REC(type).toList(); }
    QVariant updataNameList(QVariant type, QStringList names) { return QUORIX_REC(type, names); }
    QVariantList mouseGetKeydefine(QVariant index, bool isRecovery) { return QUORIX_REC(index, isRecovery).toList(); }
    void mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList other) { QUORIX_REC(src64, isSendData, other); }
    void mouseSetDpi(int count, QString sensor, QVariantList values) { QUORIX_REC(count, sensor, values); }
    void mouseSetRGBEffect(int effect, int option1, int option2) { QUORIX_REC(effect, option1, option2); }
    void mouseSetRGBColor(int type, QVariantList src24) { QUORIX_REC(type, src24); }
    void mouseSetCursorSpeed(int speed) { QUORIX_REC(speed); }
    void mouseSetDoubleClickSpeed(int speed) { QUORIX_REC(speed); }
    void mouseSetVerticalScrollLines(int lines) { QUORIX_REC(lines); }
    void mouseSaveGundata(QVariant index, QVariantList src6) { QUORIX_REC(index, src6); }
    void mouseSendGundata(int slot, QVariantList data) { QUORIX_REC(slot, data); }
    QVariantList getGunData(QVariant name) { return QUORIX_REC(name).toList(); }
    void keyboardSetKeyMatrix(bool isRecovery) { QUORIX_REC(isRecovery); }
    void keyboardLEDPicture(int picture, bool isRecovery) { QUORIX_REC(picture, isRecovery); }
    void keyboardSetRGBEffect(int effect, int speed, int brightness, int color) { QUORIX_REC(effect, speed, brightness, color); }
    void keyboardSetRGBColor(int type, QVariantList src24) { QUORIX_REC(type, src24); }
    QStringList loadMacroIni(QVariant name) { return QUORIX_REC(name).toStringList(); }
    QVariant keyboardSendMacroData(QVariantList data, QVariant index) { return QUORIX_REC(data, index); }
    void setEnabled(bool enabled) { QUORIX_REC(enabled); }
    QVariant createMacroIni(QVariant name, QVariant index) { return QUORIX_REC(name, index); }
    QVariant saveMacroIni(QVariant name, QStringList macros, QVariant repeat) { return QUORIX_REC(name, macros, repeat); }
    QVariant deleteMacroIni(QVariant name) { return QUORIX_REC(name); }
    QVariant modifyMacroNameUpdateProfile(QVariant oldName, QVariant newName) { return QUORIX_REC(oldName, newName); }
    bool loadMacroFile(QVariant name) { return QUORIX_REC(name).toBool(); }
    void saveMacroFile(QVariant name) { QUORIX_REC(name); }
    QVariant mouseSendMacroData(QVariantList data, QVariant index) { return QUORIX_REC(data, index); }
    bool loadProfile(int profile) { return QUORIX_REC(profile).toBool(); }
    void saveProfile(int profile) { QUORIX_REC(profile); }
    void copyProfile(int dest, int src) { QUORIX_REC(dest, src); }
};

// `hid`: the protocol object's two calls the screens make directly.
class HidStandIn : public StandIn
{
    Q_OBJECT

public:
    HidStandIn(CallLog* log, QObject* parent) : StandIn(log, "hid", parent) {}

public Q_SLOTS:
    void hid560_02H_SetCurrentProfile(int profile) { QUORIX_REC(profile); }
    void hidARM_09H_SetKeyboardMode(int mode) { QUORIX_REC(mode); }
};

// `ui_Ctl`: the window controller.
class ControllerStandIn : public StandIn
{
    Q_OBJECT

public:
    ControllerStandIn(CallLog* log, QObject* parent) : StandIn(log, "ui_Ctl", parent) {}

public Q_SLOTS:
    void onMinimize() { QUORIX_REC(); }
    void onClose() { QUORIX_REC(); }
    void onXChanged(int x) { QUORIX_REC(x); }
    void onYChanged(int y) { QUORIX_REC(y); }
};
