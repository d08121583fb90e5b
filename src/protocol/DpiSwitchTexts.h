#pragma once

#include <QString>
#include <QStringList>

// The eight process-wide texts of the DPI stage balloon. Read by the event
// reader's thread, replaced by the language loader on the GUI thread.
namespace dpitexts {

inline constexpr int kCount = 8;

QStringList dpiSwitchTexts();
// Replaces entry i with texts[i] for the first eight entries given.
void setDpiSwitchTexts(const QStringList& texts);
// Entry k - 1 for stage k of 1 to 7, the last entry for any other stage.
QString textForStage(int stage);

} // namespace dpitexts
