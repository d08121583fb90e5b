// Writes INI setting files through QSettings, so that values and lists come out
// exactly as the program itself would write them.
//
// Input (standard input): JSON {"files": [{"path": P, "entries": [[KEY, VALUE], ...]}]}
// VALUE: number -> int, bool -> bool, string -> string, array -> list (of ints when
// every element is a number, of strings otherwise).
//
// Build: g++ -std=c++17 -fPIC ini_writer.cpp $(pkg-config --cflags --libs Qt6Core) -o ini_writer

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

static QVariant toSettingValue(const QJsonValue& value)
{
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toInt();
    if (value.isString())
        return value.toString();
    const QJsonArray array = value.toArray();
    bool allNumbers = true;
    for (const QJsonValue& element : array)
        allNumbers = allNumbers && element.isDouble();
    if (allNumbers) {
        QVariantList list;
        for (const QJsonValue& element : array)
            list << element.toInt();
        return list;
    }
    QStringList list;
    for (const QJsonValue& element : array)
        list << element.toString();
    return list;
}

int main()
{
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return 1;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(input.readAll(), &error);
    if (doc.isNull()) {
        std::fprintf(stderr, "ini_writer: %s\n", qPrintable(error.errorString()));
        return 1;
    }
    for (const QJsonValue& fileValue : doc.object().value("files").toArray()) {
        const QJsonObject file = fileValue.toObject();
        const QString path = file.value("path").toString();
        QFile::remove(path);
        QSettings settings(path, QSettings::IniFormat);
        for (const QJsonValue& entryValue : file.value("entries").toArray()) {
            const QJsonArray entry = entryValue.toArray();
            settings.setValue(entry.at(0).toString(), toSettingValue(entry.at(1)));
        }
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            std::fprintf(stderr, "ini_writer: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
