#pragma once

#include <QStringList>
#include <QVariant>

// The screens' name lists in "./modules/setting/name.bin" and the language
// strings in "./modules/i18n/" + code + ".ini".
namespace NameLists {

// Appended to a one-name list so that it keeps its list form in the file.
inline constexpr char kPadding[] = "loaderzephyx";
inline constexpr int kDpiSwitchTexts = 8;

QString filePath();
// The key of a list type 0 … 3; empty for any other type.
QString keyForType(const QVariant& type);

bool update(const QVariant& type, QStringList nameList);
QVariantList get(const QVariant& type);

// Empty for a language code that is not a plain file name.
QString languagePath(const QString& langCode);
QStringList langStrings(const QString& typeStr, const QString& langCode);
// The DPI notification texts after a read of the "other" section: its first
// eight strings replace the current ones; texts it lacks stay as they were.
QStringList dpiSwitchTextsAfter(const QStringList& current, const QStringList& other);

} // namespace NameLists
