#include "ToolOptions.h"

#include <QFileInfo>

namespace ToolOptions {

Reader::Reader(const QStringList& arguments, int first)
    : m_args(arguments)
    , m_index(first)
{
}

bool Reader::next()
{
    if (m_started)
        ++m_index;
    m_started = true;
    if (m_index >= m_args.size() || !m_args[m_index].startsWith(QLatin1String("--"))) {
        m_name.clear();
        m_inline = QString();
        return false;
    }
    const QString a = m_args[m_index];
    const int eq = a.indexOf(QLatin1Char('='));
    m_name = eq < 0 ? a : a.left(eq);
    m_inline = eq < 0 ? QString() : a.mid(eq + 1);
    return true;
}

QString Reader::value()
{
    if (!m_inline.isNull())
        return m_inline;
    if (m_index + 1 >= m_args.size())
        throw Error{QStringLiteral("%1 needs a value").arg(m_name)};
    return m_args[++m_index];
}

bool take(Reader& reader, Shared& o)
{
    const QString name = reader.name();
    if (name == QLatin1String("--data")) {
        o.data = reader.value();
    } else if (name == QLatin1String("--simulate")) {
        o.simulate = true;
        o.keyboard = o.mouse = true;
        if (reader.hasInlineValue()) {
            o.keyboard = o.mouse = false;
            for (const QString& d : reader.value().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
                if (d == QLatin1String("keyboard"))
                    o.keyboard = true;
                else if (d == QLatin1String("mouse"))
                    o.mouse = true;
                else
                    throw Error{QStringLiteral("--simulate takes keyboard and/or mouse, not \"%1\"").arg(d)};
            }
        }
    } else if (name == QLatin1String("--mouse-family")) {
        o.family = reader.value();
        if (o.family != QLatin1String("553") && o.family != QLatin1String("560"))
            throw Error{QStringLiteral("--mouse-family is 553 or 560, not \"%1\"").arg(o.family)};
    } else if (name == QLatin1String("--trace")) {
        o.trace = reader.value();
        if (o.trace.isEmpty())
            throw Error{QStringLiteral("--trace needs a file name")};
    } else {
        return false;
    }
    return true;
}

void finish(Shared& o)
{
    if (!o.data.isEmpty()) {
        const QFileInfo info(o.data);
        if (!info.isDir() || !info.isReadable() || !QFileInfo(o.data + QStringLiteral("/modules/setting")).isDir())
            throw Error{QStringLiteral("%1 is not a readable data root (a folder holding modules/setting)").arg(o.data)};
        o.data = info.absoluteFilePath();
    }
    if (!o.trace.isEmpty())
        o.trace = QFileInfo(o.trace).absoluteFilePath();
}

} // namespace ToolOptions
