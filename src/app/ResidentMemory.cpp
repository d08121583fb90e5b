#include "app/ResidentMemory.h"

#include <QFile>

#include <sys/mman.h>

#include <cerrno>

#ifndef MADV_PAGEOUT
#define MADV_PAGEOUT 21
#endif

namespace ResidentMemory {

namespace {

struct Mapping
{
    quintptr start = 0;
    quintptr end = 0;
    QByteArray perms;
    QByteArray inode;
    QByteArray path;
};

bool parse(const QByteArray& line, Mapping* out)
{
    // start-end perms offset dev inode [path]; the path may hold spaces.
    const QList<QByteArray> words = line.simplified().split(' ');
    if (words.size() < 5)
        return false;
    const int dash = words[0].indexOf('-');
    bool okStart = false, okEnd = false;
    out->start = static_cast<quintptr>(words[0].left(dash).toULongLong(&okStart, 16));
    out->end = static_cast<quintptr>(words[0].mid(dash + 1).toULongLong(&okEnd, 16));
    out->perms = words[1];
    out->inode = words[4];
    const int pathAt = line.indexOf('/');
    out->path = pathAt < 0 ? QByteArray() : line.mid(pathAt).trimmed();
    return dash > 0 && okStart && okEnd && out->end > out->start && out->perms.size() == 4;
}

bool releasable(const Mapping& m)
{
    if (m.inode == "0" || !m.path.startsWith('/'))
        return false;
    // A memfd (the JavaScript heap) is memory, not a file; without swap it stays.
    if (m.path.startsWith("/memfd:") || m.path.startsWith("/dev/") || m.path.endsWith("(deleted)"))
        return false;
    if (m.perms[0] != 'r')
        return false;
    // Dropping a shared writable page would write it back first; not ours to force.
    return !(m.perms[1] == 'w' && m.perms[3] == 's');
}

} // namespace

bool isReleasable(const QByteArray& mapsLine)
{
    Mapping m;
    return parse(mapsLine, &m) && releasable(m);
}

qint64 releaseFilePages(const QString& mapsPath)
{
    QFile maps(mapsPath);
    if (!maps.open(QIODevice::ReadOnly))
        return 0;
    // Read whole first: advising changes nothing in the list, but reading it while
    // the kernel walks it would.
    const QList<QByteArray> lines = maps.readAll().split('\n');
    qint64 advised = 0;
    bool unknownAdvice = false;
    for (const QByteArray& line : lines) {
        Mapping m;
        if (!parse(line, &m) || !releasable(m))
            continue;
        const size_t length = m.end - m.start;
        if (madvise(reinterpret_cast<void*>(m.start), length, MADV_PAGEOUT) == 0)
            advised += static_cast<qint64>(length);
        else if (errno == EINVAL)
            unknownAdvice = true;
    }
    // An older kernel refuses the advice for every mapping alike.
    return advised == 0 && unknownAdvice ? -1 : advised;
}

} // namespace ResidentMemory
