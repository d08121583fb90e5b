#include "protocol/DpiSwitchTexts.h"

#include <QMutex>

namespace dpitexts {
namespace {

QMutex& textsMutex()
{
    static QMutex mutex;
    return mutex;
}

QStringList& texts()
{
    static QStringList list(kCount, QStringLiteral("DPI Switch to"));
    return list;
}

} // namespace

QStringList dpiSwitchTexts()
{
    QMutexLocker lock(&textsMutex());
    return texts();
}

void setDpiSwitchTexts(const QStringList& replacement)
{
    QMutexLocker lock(&textsMutex());
    const int n = qMin<int>(kCount, replacement.size());
    for (int i = 0; i < n; ++i)
        texts()[i] = replacement.at(i);
}

QString textForStage(int stage)
{
    QMutexLocker lock(&textsMutex());
    const int k = (stage >= 1 && stage <= kCount - 1) ? stage - 1 : kCount - 1;
    return texts().at(k);
}

} // namespace dpitexts
