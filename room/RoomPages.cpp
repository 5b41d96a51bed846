#include "room/RoomPages.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

namespace {

// Nothing the pages hold may be loaded from anywhere else, nor leave for another address.
constexpr const char* kPolicy =
    "default-src 'none'; script-src 'unsafe-inline'; style-src 'unsafe-inline'; "
    "connect-src 'self'; img-src data:; base-uri 'none'; form-action 'none'";

QByteArray Resource(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The pages' own words in the program's language, by their English text; everything else they
// show comes translated with the match.
QByteArray PageTexts()
{
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("RoomPages", "Vantorix Board"),
        QT_TRANSLATE_NOOP("RoomPages", "Vantorix Keypad"),
        QT_TRANSLATE_NOOP("RoomPages", "Not connected to Vantorix"),
        QT_TRANSLATE_NOOP("RoomPages", "Enter"),
        QT_TRANSLATE_NOOP("RoomPages", "Out 1"),
        QT_TRANSLATE_NOOP("RoomPages", "Out 2"),
        QT_TRANSLATE_NOOP("RoomPages", "Out 3"),
        QT_TRANSLATE_NOOP("RoomPages", "Left"),
        QT_TRANSLATE_NOOP("RoomPages", "Undo"),
        QT_TRANSLATE_NOOP("RoomPages", "Next leg"),
        QT_TRANSLATE_NOOP("RoomPages", "Double"),
        QT_TRANSLATE_NOOP("RoomPages", "Treble"),
        QT_TRANSLATE_NOOP("RoomPages", "Bull"),
        QT_TRANSLATE_NOOP("RoomPages", "Miss"),
        QT_TRANSLATE_NOOP("RoomPages", "Delete the last digit"),
        QT_TRANSLATE_NOOP("RoomPages", "Delete the last dart"),
        QT_TRANSLATE_NOOP("RoomPages", "Vantorix Standings"),
        QT_TRANSLATE_NOOP("RoomPages", "Next"),
        QT_TRANSLATE_NOOP("RoomPages", "Group"),
        QT_TRANSLATE_NOOP("RoomPages", "Player"),
        QT_TRANSLATE_NOOP("RoomPages", "P"),
        QT_TRANSLATE_NOOP("RoomPages", "W"),
        QT_TRANSLATE_NOOP("RoomPages", "D"),
        QT_TRANSLATE_NOOP("RoomPages", "L"),
        QT_TRANSLATE_NOOP("RoomPages", "Pts"),
        QT_TRANSLATE_NOOP("RoomPages", "Avg"),
    };
    QJsonObject texts;
    for (const char* text : kTexts) {
        texts.insert(QString::fromLatin1(text), QCoreApplication::translate("RoomPages", text));
    }
    return "vtx.language = \"" + QLocale().name().left(2).toLatin1() +
           "\";\nvtx.texts = " + QJsonDocument(texts).toJson(QJsonDocument::Compact) + ";";
}

QByteArray Answer(TRoomRole role)
{
    QByteArray page =
        Resource(role == TRoomRole::Board       ? QStringLiteral(":/room/board.html")
                 : role == TRoomRole::Overlay   ? QStringLiteral(":/room/overlay.html")
                 : role == TRoomRole::Standings ? QStringLiteral(":/room/standings.html")
                                                : QStringLiteral(":/room/keypad.html"));
    page.replace("/*ROOM_JS*/", Resource(QStringLiteral(":/room/room.js")) + PageTexts());
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
           "Cache-Control: no-store\r\nContent-Security-Policy: " +
           QByteArray(kPolicy) +
           "\r\nReferrer-Policy: no-referrer\r\nX-Content-Type-Options: nosniff\r\n"
           // The page's WebSocket is what stays: an idle connection kept for another page
           // would hold one of the room's places.
           "Connection: close\r\nContent-Length: " +
           QByteArray::number(page.size()) + "\r\n\r\n" + page;
}

} // namespace

const QByteArray& RoomPageAnswer(TRoomRole role)
{
    // Made once for each language the program has spoken.
    static QHash<QString, QByteArray> answers;
    const QString key = QLocale().name() + QChar(u'0' + static_cast<int>(role));
    auto found = answers.find(key);
    if (found == answers.end()) {
        found = answers.insert(key, Answer(role));
    }
    return *found;
}
