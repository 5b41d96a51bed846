#include "store/ClubAddress.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A value as libpq reads it: quoted when it has a space, a quote or a backslash, or is empty.
QString Quoted(QString value)
{
    static const QRegularExpression plain(QStringLiteral("^[^\\s'\\\\]+$"));
    if (plain.match(value).hasMatch()) {
        return value;
    }
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

} // namespace

QString ClubConnectOptions(const QString& conninfo, QString& problem)
{
    const QString text = conninfo.trimmed();
    QStringList pairs;
    QStringList keys;
    if (text.startsWith(QLatin1String("postgresql://")) ||
        text.startsWith(QLatin1String("postgres://"))) {
        const QUrl url(text, QUrl::StrictMode);
        if (!url.isValid()) {
            problem = QStringLiteral("not a connection URI: %1").arg(text);
            return {};
        }
        const auto add = [&](const QString& key, const QString& value) {
            if (!value.isEmpty()) {
                pairs << key + QLatin1Char('=') + Quoted(value);
                keys << key;
            }
        };
        add(QStringLiteral("host"), url.host());
        add(QStringLiteral("port"), url.port() > 0 ? QString::number(url.port()) : QString());
        add(QStringLiteral("user"), url.userName());
        add(QStringLiteral("dbname"), url.path().mid(1));
        if (!url.password().isEmpty()) {
            keys << QStringLiteral("password");
        }
        for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
            add(key, value);
        }
    } else {
        // key = value pairs; a value may be quoted.
        static const QRegularExpression pair(
            QStringLiteral("\\s*([A-Za-z_]+)\\s*=\\s*('(?:[^'\\\\]|\\\\.)*'|[^\\s']*)"));
        qsizetype at = 0;
        while (at < text.size()) {
            const QRegularExpressionMatch found =
                pair.match(text, at, QRegularExpression::NormalMatch,
                           QRegularExpression::AnchorAtOffsetMatchOption);
            if (!found.hasMatch() || found.capturedLength() == 0) {
                problem = QStringLiteral("not a connection string: %1").arg(text.mid(at).trimmed());
                return {};
            }
            pairs << found.captured(1) + QLatin1Char('=') + found.captured(2);
            keys << found.captured(1);
            at = found.capturedEnd();
            while (at < text.size() && text[at].isSpace()) {
                ++at;
            }
        }
    }
    if (keys.contains(QStringLiteral("password"))) {
        problem = QStringLiteral("the club database's address holds a password; keep it in "
                                 "~/.pgpass instead, so that it is never in the settings file");
        return {};
    }
    if (pairs.isEmpty()) {
        problem = QStringLiteral("no club database is given");
        return {};
    }
    // A server or a network gone away is found within seconds, not at the system's TCP
    // timeout minutes later: the thread waiting on it has results to send.
    for (const char* option : {"connect_timeout=3", "keepalives_idle=5", "keepalives_interval=2",
                               "keepalives_count=2", "tcp_user_timeout=6000"}) {
        const QString pairText = QString::fromLatin1(option);
        if (!keys.contains(pairText.section(QLatin1Char('='), 0, 0))) {
            pairs << pairText;
        }
    }
    return pairs.join(QLatin1Char(' '));
}
