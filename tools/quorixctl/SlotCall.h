#pragma once

#include <QJsonArray>
#include <QJsonValue>
#include <QList>
#include <QMetaMethod>
#include <QString>
#include <QVariant>

#include <vector>

class QObject;

// Calls a public slot through the meta-object system with JSON arguments,
// converting them as the screens' engine would: numbers to the slot's integer
// types, arrays to lists, strings and booleans as they are. Buffer (pointer)
// parameters take arrays of byte values, zero-padded to the buffer's size;
// reference parameters take their input values and come back as outputs.
class SlotCall
{
public:
    // Finds `slot` on `object` taking as many arguments as `args` holds and
    // converts them. On failure `error()` says what is wrong in one line.
    bool prepare(QObject* object, const QString& objectName, const QString& slot, const QJsonArray& args);
    QString error() const { return m_error; }
    // OBJECT.SLOT as prepared.
    QString target() const { return m_label; }

    // Invokes the prepared slot. `result()` is its return value as JSON (null for
    // none or an invalid value); `outputs()` lists reference and buffer parameters
    // after the call; `hasOutputs()` tells whether the slot has any.
    void invoke();
    QJsonValue result() const { return m_result; }
    QJsonArray outputs() const;
    bool hasOutputs() const;

    // One line per public slot declared by the object's own class.
    static QStringList signatures(const QMetaObject& mo, const QString& objectName);

private:
    struct Arg
    {
        QMetaType type;
        QByteArray typeName;
        enum Kind { Value, ByteRef, Buffer } kind = Value;
        QVariant value;            // Value
        uchar byte = 0;            // ByteRef
        std::vector<uchar> buffer; // Buffer
        uchar* bufferPtr = nullptr;
    };

    bool convert(int index, const QByteArray& typeName, const QByteArray& paramName, const QJsonValue& json);
    bool fail(const QString& message);

    QObject* m_object = nullptr;
    QMetaMethod m_method;
    QString m_label;
    QList<Arg> m_args;
    QJsonValue m_result;
    QString m_error;
};

// Parses JSON values separated by white space, as a script line gives them.
bool parseJsonValues(const QString& text, QJsonArray* out, QString* error);
