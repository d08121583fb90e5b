#pragma once

#include "hooks/CopyData.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <optional>

class QMessageBox;
class QWidget;

// Shows the warning another process of the same user sends us (`quorixctl warn`):
// a box under the main window's title with the text as plain text and one OK
// button. One box at a time: a warning that arrives while a box is open is
// dropped, so a looping sender cannot bury the desktop under boxes; the sender has
// its answer either way.
class WarningBox : public QObject
{
    Q_OBJECT

public:
    static constexpr quintptr kTag = 0x250F;

    // Puts a box on screen and returns at once; the box calls boxClosed() when the
    // user has closed it. Tests substitute one that only records.
    using Presenter = std::function<void(const QString& caption, const QString& text)>;

    // The caption is `captionSource`'s window title when the box is shown.
    explicit WarningBox(QWidget* captionSource, QObject* parent = nullptr);
    ~WarningBox() override;

    void setPresenter(Presenter presenter) { m_presenter = std::move(presenter); }

    // The text of a warning message: tag 0x250F and exactly `cbData` bytes of valid
    // UTF-8 with no zero byte among them. Empty otherwise.
    static std::optional<QString> warningText(const CopyData& data);

    // Copy-data callback; `context` is the WarningBox.
    static void copyDataCallback(const CopyData* data, void* context);
    // True when a box was put up.
    bool handle(const CopyData* data);

    bool isOpen() const { return m_open; }
    int droppedCount() const { return m_dropped; }

public Q_SLOTS:
    void boxClosed();

private:
    void showMessageBox(const QString& caption, const QString& text);

    QPointer<QWidget> m_captionSource;
    Presenter m_presenter;
    QPointer<QMessageBox> m_box;
    bool m_open = false;
    int m_dropped = 0;
};
