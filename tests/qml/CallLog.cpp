#include "CallLog.h"

CallLog::CallLog(QObject* parent)
    : QObject(parent)
{
}

QVariant CallLog::record(const QString& object, const QString& name, const QVariantList& args)
{
    m_entries.append(QVariantMap{{QStringLiteral("object"), object},
                                 {QStringLiteral("name"), name},
                                 {QStringLiteral("args"), args}});
    if (!args.isEmpty()) {
        const QString keyed = name + QLatin1Char(':') + args.first().toString();
        if (m_returns.contains(keyed))
            return m_returns.value(keyed);
    }
    return m_returns.value(name);
}

QStringList CallLog::names() const
{
    QStringList out;
    for (const QVariant& e : m_entries) {
        const QVariantMap m = e.toMap();
        out.append(m.value(QStringLiteral("object")).toString() + QLatin1Char('.')
                   + m.value(QStringLiteral("name")).toString());
    }
    return out;
}

QVariantList CallLog::argsOf(const QString& qualifiedName) const
{
    QVariantList out;
    const QStringList all = names();
    for (int i = 0; i < all.size(); ++i) {
        if (all.at(i) == qualifiedName)
            out.append(m_entries.at(i).toMap().value(QStringLiteral("args")));
    }
    return out;
}

int CallLog::count(const QString& qualifiedName) const
{
    return static_cast<int>(names().count(qualifiedName));
}

void CallLog::clear()
{
    m_entries.clear();
}

void CallLog::setReturn(const QString& name, const QVariant& value)
{
    m_returns.insert(name, value);
}

void CallLog::setKeyedReturn(const QString& name, const QVariant& firstArg, const QVariant& value)
{
    m_returns.insert(name + QLatin1Char(':') + firstArg.toString(), value);
}

void CallLog::clearReturns()
{
    m_returns.clear();
}
