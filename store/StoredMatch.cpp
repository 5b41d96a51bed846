#include "store/StoredMatch.h"

QString CleanName(const QString& name)
{
    QString clean;
    clean.reserve(name.size());
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069)) {
            continue;
        }
        clean += (u == u'\r' || u == u'\n' || u == u'\t') ? QChar(u' ') : c;
    }
    return clean;
}

QString CutName(const QString& name)
{
    QString cut = CleanName(name.size() > kNameLength * 4 ? name.left(kNameLength * 4) : name);
    if (cut.size() > kNameLength) {
        cut.truncate(kNameLength);
    }
    if (!cut.isEmpty() && cut.back().isHighSurrogate()) {
        cut.chop(1);
    }
    return cut;
}

std::string CleanName(const std::string& name)
{
    return CleanName(QString::fromStdString(name)).toStdString();
}
