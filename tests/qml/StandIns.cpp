#include "StandIns.h"

QVariant CallLog::record(const QString& object, const QString& name, const QVariantList& args)
{
    m_names.append(object + QLatin1Char('.') + name);
    m_args.append(QVariant(args));
    if (!args.isEmpty()) {
        const auto keyed = m_returns.constFind(name + QLatin1Char(':') + args.first().toString());
        if (keyed != m_returns.constEnd())
            return keyed.value();
    }
    return m_returns.value(name);
}

QVariantList CallLog::argsOf(const QString& qualifiedName) const
{
    QVariantList out;
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i) == qualifiedName)
            out.append(m_args.at(i));
    }
    return out;
}
