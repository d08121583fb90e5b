#include "SlotCall.h"

#include <QJsonDocument>
#include <QMetaObject>
#include <QObject>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

// Buffers are named after their size (src64, src128, …); the 8-byte blocks are not.
std::size_t bufferSize(const QByteArray& paramName)
{
    static const QRegularExpression digits(QStringLiteral("(\\d+)$"));
    const QRegularExpressionMatch m = digits.match(QString::fromLatin1(paramName));
    return m.hasMatch() ? m.captured(1).toUInt() : 8;
}

bool integral(const QJsonValue& v, qint64 min, qint64 max, qint64* out)
{
    if (v.isBool()) {
        *out = v.toBool() ? 1 : 0;
        return true;
    }
    if (!v.isDouble())
        return false;
    const double d = v.toDouble();
    if (std::floor(d) != d || d < double(min) || d > double(max))
        return false;
    *out = static_cast<qint64>(d);
    return true;
}

QString describe(const QJsonValue& v)
{
    if (v.isString())
        return QLatin1Char('"') + v.toString() + QLatin1Char('"');
    const QJsonDocument doc(QJsonArray{v});
    QByteArray text = doc.toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

QString scalarText(const QJsonValue& v)
{
    if (v.isString())
        return v.toString();
    if (v.isBool())
        return v.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (v.isDouble())
        return QString::number(v.toDouble(), 'g', 17);
    return QString();
}

QJsonValue toJson(const QVariant& v)
{
    if (!v.isValid())
        return QJsonValue::Null;
    switch (v.typeId()) {
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
        return int(v.toUInt() & 0xff);
    default:
        return QJsonValue::fromVariant(v);
    }
}

} // namespace

bool SlotCall::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool SlotCall::prepare(QObject* object, const QString& objectName, const QString& slot, const QJsonArray& args)
{
    m_object = object;
    m_label = objectName + QLatin1Char('.') + slot;
    const QMetaObject* mo = object->metaObject();
    QList<int> counts;
    int found = -1;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod m = mo->method(i);
        if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Public
            || QString::fromLatin1(m.name()) != slot)
            continue;
        counts << m.parameterCount();
        if (m.parameterCount() == args.size())
            found = i;
    }
    if (counts.isEmpty())
        return fail(QStringLiteral("unknown slot %1").arg(m_label));
    if (found < 0) {
        QStringList c;
        for (int n : counts)
            c << QString::number(n);
        return fail(QStringLiteral("%1 takes %2 argument(s), %3 given").arg(m_label, c.join(QStringLiteral(" or ")))
                        .arg(args.size()));
    }
    m_method = mo->method(found);
    m_args.clear();
    const QList<QByteArray> types = m_method.parameterTypes();
    const QList<QByteArray> names = m_method.parameterNames();
    for (int i = 0; i < args.size(); ++i)
        if (!convert(i, types[i], names[i], args[i]))
            return false;
    return true;
}

bool SlotCall::convert(int index, const QByteArray& typeName, const QByteArray& paramName, const QJsonValue& json)
{
    Arg a;
    a.typeName = typeName;
    const QString where = QStringLiteral("%1 argument %2 (%3 %4)")
                              .arg(m_label)
                              .arg(index + 1)
                              .arg(QString::fromLatin1(typeName), QString::fromLatin1(paramName));
    qint64 n = 0;
    if (typeName == "uchar&") {
        if (!integral(json, 0, 255, &n))
            return fail(QStringLiteral("%1: %2 is not a byte value 0 … 255").arg(where, describe(json)));
        a.kind = Arg::ByteRef;
        a.byte = static_cast<uchar>(n);
    } else if (typeName == "uchar*") {
        const std::size_t size = bufferSize(paramName);
        if (!json.isArray())
            return fail(QStringLiteral("%1: expects an array of byte values").arg(where));
        const QJsonArray bytes = json.toArray();
        if (std::size_t(bytes.size()) > size)
            return fail(QStringLiteral("%1: %2 bytes given, the buffer holds %3").arg(where).arg(bytes.size()).arg(size));
        a.kind = Arg::Buffer;
        a.buffer.assign(size, 0);
        for (int i = 0; i < bytes.size(); ++i) {
            if (!integral(bytes[i], 0, 255, &n))
                return fail(QStringLiteral("%1: element %2 (%3) is not a byte value 0 … 255")
                                .arg(where).arg(i).arg(describe(bytes[i])));
            a.buffer[std::size_t(i)] = static_cast<uchar>(n);
        }
    } else if (typeName == "uchar") {
        if (!integral(json, 0, 255, &n))
            return fail(QStringLiteral("%1: %2 is not a byte value 0 … 255").arg(where, describe(json)));
        a.value = QVariant::fromValue(static_cast<uchar>(n));
    } else if (typeName == "int") {
        if (!integral(json, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), &n))
            return fail(QStringLiteral("%1: %2 is not an integer").arg(where, describe(json)));
        a.value = QVariant::fromValue(static_cast<int>(n));
    } else if (typeName == "uint") {
        if (!integral(json, 0, std::numeric_limits<uint>::max(), &n))
            return fail(QStringLiteral("%1: %2 is not an unsigned integer").arg(where, describe(json)));
        a.value = QVariant::fromValue(static_cast<uint>(n));
    } else if (typeName == "bool") {
        if (!json.isBool() && !json.isDouble())
            return fail(QStringLiteral("%1: %2 is not a boolean").arg(where, describe(json)));
        a.value = json.isBool() ? json.toBool() : json.toDouble() != 0;
    } else if (typeName == "QString") {
        if (json.isArray() || json.isObject() || json.isNull())
            return fail(QStringLiteral("%1: expects a string").arg(where));
        a.value = scalarText(json);
    } else if (typeName == "QStringList") {
        if (!json.isArray())
            return fail(QStringLiteral("%1: expects an array").arg(where));
        QStringList list;
        for (const QJsonValue& e : json.toArray()) {
            if (e.isArray() || e.isObject())
                return fail(QStringLiteral("%1: expects an array of strings").arg(where));
            list << scalarText(e);
        }
        a.value = list;
    } else if (typeName == "QVariantList") {
        if (!json.isArray())
            return fail(QStringLiteral("%1: expects an array").arg(where));
        a.value = json.toArray().toVariantList();
    } else if (typeName == "QVariant") {
        a.value = json.toVariant();
    } else {
        return fail(QStringLiteral("%1: arguments of type %2 cannot be given from the command line")
                        .arg(where, QString::fromLatin1(typeName)));
    }
    m_args.append(std::move(a));
    return true;
}

void SlotCall::invoke()
{
    void* argv[11] = {};
    QVariant ret;
    const QMetaType retType = m_method.returnMetaType();
    if (retType.id() == QMetaType::QVariant) {
        argv[0] = &ret;
    } else if (retType.isValid() && retType.id() != QMetaType::Void) {
        ret = QVariant(retType);
        argv[0] = ret.data();
    }
    for (int i = 0; i < m_args.size() && i < 10; ++i) {
        Arg& a = m_args[i];
        switch (a.kind) {
        case Arg::ByteRef:
            argv[i + 1] = &a.byte;
            break;
        case Arg::Buffer:
            a.bufferPtr = a.buffer.data();
            argv[i + 1] = &a.bufferPtr;
            break;
        case Arg::Value:
            argv[i + 1] = a.value.data();
            break;
        }
    }
    m_object->qt_metacall(QMetaObject::InvokeMetaMethod, m_method.methodIndex(), argv);
    m_result = argv[0] ? toJson(ret) : QJsonValue(QJsonValue::Null);
}

bool SlotCall::hasOutputs() const
{
    for (const Arg& a : m_args)
        if (a.kind != Arg::Value)
            return true;
    return false;
}

QJsonArray SlotCall::outputs() const
{
    QJsonArray out;
    for (const Arg& a : m_args) {
        if (a.kind == Arg::ByteRef) {
            out.append(int(a.byte));
        } else if (a.kind == Arg::Buffer) {
            QJsonArray bytes;
            for (uchar b : a.buffer)
                bytes.append(int(b));
            out.append(bytes);
        }
    }
    return out;
}

QStringList SlotCall::signatures(const QMetaObject& mo, const QString& objectName)
{
    QStringList lines;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        const QMetaMethod m = mo.method(i);
        if (m.methodType() != QMetaMethod::Slot || m.access() != QMetaMethod::Public)
            continue;
        QStringList params;
        const QList<QByteArray> types = m.parameterTypes();
        const QList<QByteArray> names = m.parameterNames();
        for (int p = 0; p < types.size(); ++p)
            params << (QString::fromLatin1(types[p]) + (names[p].isEmpty() ? QString() : QLatin1Char(' ') + QString::fromLatin1(names[p])));
        lines << QStringLiteral("%1 %2.%3(%4)")
                     .arg(QString::fromLatin1(m.typeName()), objectName, QString::fromLatin1(m.name()),
                          params.join(QStringLiteral(", ")));
    }
    return lines;
}

bool parseJsonValues(const QString& text, QJsonArray* out, QString* error)
{
    // Wrapping in brackets with commas between top-level values reuses the JSON
    // parser; the scan only needs to know where one value ends and the next starts.
    QString joined;
    int depth = 0;
    bool inString = false;
    bool escape = false;
    bool pendingSeparator = false;
    for (const QChar c : text) {
        if (inString) {
            joined += c;
            if (escape)
                escape = false;
            else if (c == QLatin1Char('\\'))
                escape = true;
            else if (c == QLatin1Char('"'))
                inString = false;
            continue;
        }
        if (c.isSpace()) {
            if (depth == 0)
                pendingSeparator = !joined.isEmpty();
            else
                joined += c;
            continue;
        }
        if (pendingSeparator && depth == 0) {
            joined += QLatin1Char(',');
            pendingSeparator = false;
        }
        if (c == QLatin1Char('"'))
            inString = true;
        else if (c == QLatin1Char('[') || c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char(']') || c == QLatin1Char('}'))
            --depth;
        joined += c;
    }
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray("[") + joined.toUtf8() + "]", &err);
    if (err.error != QJsonParseError::NoError || !doc.isArray()) {
        *error = QStringLiteral("malformed JSON: %1").arg(text.trimmed());
        return false;
    }
    *out = doc.array();
    return true;
}
