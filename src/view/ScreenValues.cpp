#include "view/ScreenValues.h"

#include <QJSValue>
#include <QVariantMap>

namespace ScreenValues {

QVariant plain(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>()) {
        const QJSValue script = value.value<QJSValue>();
        return plain(script.isArray() ? QVariant(script.toVariant().toList()) : script.toVariant());
    }
    switch (value.metaType().id()) {
    case QMetaType::QVariantList:
        return plainList(value.toList());
    case QMetaType::QVariantMap: {
        QVariantMap map = value.toMap();
        for (QVariant& v : map)
            v = plain(v);
        return map;
    }
    default:
        return value;
    }
}

QVariantList plainList(const QVariantList& list)
{
    QVariantList result;
    result.reserve(list.size());
    for (const QVariant& v : list)
        result << plain(v);
    return result;
}

} // namespace ScreenValues
