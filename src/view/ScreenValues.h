#pragma once

#include <QVariant>
#include <QVariantList>

// The screens' JavaScript hands arrays and objects to a QVariant parameter as a
// wrapped script value; stored as it is, QSettings writes an opaque blob nothing
// can read back. Every value passes through here on its way in, so it reaches the
// files and the device as the same value from C++ would.
namespace ScreenValues {

QVariant plain(const QVariant& value);
QVariantList plainList(const QVariantList& list);

} // namespace ScreenValues
