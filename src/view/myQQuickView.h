#pragma once

#include <QQuickWidget>
#include <QVariant>

class Hid_Thread;
class SettingsStore;

// The view that shows the screens and the one object (`ui_View`) through which
// they reach settings, profiles, macros and the device. Slots stay thin: the
// logic lives in small classes the tests drive without a window.
class myQQuickView : public QQuickWidget
{
    Q_OBJECT

public:
    explicit myQQuickView(QWidget* parent = nullptr);
    ~myQQuickView() override;

    void setHid(Hid_Thread* hid) { m_hid = hid; }
    Hid_Thread* hid() const { return m_hid; }
    SettingsStore& settings() const { return *m_settings; }

    // Key and button events of the input capture, queued to the root item.
    void detectKeyboard(bool isDown, int usage);
    void detectMouse(bool isDown, int button, int x, int y);

public Q_SLOTS:
    void clearHidBusy();
    void initUI();
    void runUI();
    void resetApconfig();
    void setCurrentProfile(int profile);
    void openUpdateExe();
    QVariant getData(QVariant key, bool isRecovery);
    QVariant getGlobalData(QVariant key);
    QVariantList getDataList(QVariant key, bool isRecovery);
    void setData(QVariant key, QVariant data);
    void setGlobalData(QVariant key, QVariant tmpdata);
    void setDataList(QVariant key, QVariantList datalist);
    void setBusy(int busyTime);
    void setCurrentDPI(int dpiValue);

private:
    void invokeRoot(const char* function, Qt::ConnectionType type,
                    const QVariantList& args = {});

    Hid_Thread* m_hid = nullptr;
    SettingsStore* m_settings = nullptr;
};
