#pragma once

#include <QObject>
#include <QVariant>

// One record of every call the screens make on the stand-ins, in order, and
// the values the stand-ins answer with.
class CallLog : public QObject
{
    Q_OBJECT

public:
    explicit CallLog(QObject* parent = nullptr);

    QVariant record(const QString& object, const QString& name, const QVariantList& args);

    // Every call as {object, name, args}, oldest first.
    Q_INVOKABLE QVariantList entries() const { return m_entries; }
    // "object.name" of every call, oldest first.
    Q_INVOKABLE QStringList names() const;
    // The argument lists of every call of `object.name`.
    Q_INVOKABLE QVariantList argsOf(const QString& qualifiedName) const;
    Q_INVOKABLE int count(const QString& qualifiedName) const;
    Q_INVOKABLE void clear();
    // What `name` answers; keyed answers, set with a first argument, win.
    Q_INVOKABLE void setReturn(const QString& name, const QVariant& value);
    Q_INVOKABLE void setKeyedReturn(const QString& name, const QVariant& firstArg, const QVariant& value);
    Q_INVOKABLE void clearReturns();

private:
    QVariantList m_entries;
    QVariantMap m_returns;
};
