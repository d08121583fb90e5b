#pragma once

#include <QStringList>
#include <QVariant>

// The screens' name lists in "./modules/setting/name.bin" and the language
// strings in "./modules/i18n/" + code + ".ini".
namespace NameLists {

// Appended to a one-name list so that it keeps its list form in the file.
inline constexpr char kPadding[] = "loaderzephyx";

QString filePath();
// The key of a list type 0 … 3; empty for any other type.
QString keyForType(const QVariant& type);

bool update(const QVariant& type, QStringList nameList);
QVariantList get(const QVariant& type);

// Empty for a language code that is not a plain file name.
QString languagePath(const QString& langCode);
// A read of the "other" section also replaces the DPI notification texts with
// its first eight strings; texts it lacks stay as they were.
QStringList langStrings(const QString& typeStr, const QString& langCode);

} // namespace NameLists
