#include "RoomHttp.h"

#include <QCoreApplication>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
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
        QT_TRANSLATE_NOOP("RoomPages", "Undo"),
        QT_TRANSLATE_NOOP("RoomPages", "Next leg"),
        QT_TRANSLATE_NOOP("RoomPages", "Double"),
        QT_TRANSLATE_NOOP("RoomPages", "Treble"),
        QT_TRANSLATE_NOOP("RoomPages", "Bull"),
        QT_TRANSLATE_NOOP("RoomPages", "Miss"),
    };
    QJsonObject texts;
    for (const char* text : kTexts) {
        texts.insert(QString::fromLatin1(text), QCoreApplication::translate("RoomPages", text));
    }
    return "vtx.language = \"" + QLocale().name().left(2).toLatin1() +
           "\";\nvtx.texts = " + QJsonDocument(texts).toJson(QJsonDocument::Compact) + ";";
}

} // namespace

TRoomHttp::TRoomHttp(QObject* parent) : QAbstractHttpServer(parent) {}

TRoomHttp::~TRoomHttp() = default;

void TRoomHttp::SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken)
{
    m_BoardToken = boardToken;
    m_KeypadToken = keypadToken;
}

const QByteArray& TRoomHttp::Page(TRoomRole role)
{
    QByteArray& page = role == TRoomRole::Board ? m_BoardPage : m_KeypadPage;
    if (page.isEmpty()) {
        page = Resource(role == TRoomRole::Board ? QStringLiteral(":/room/board.html")
                                                 : QStringLiteral(":/room/keypad.html"));
        page.replace("/*ROOM_JS*/", Resource(QStringLiteral(":/room/room.js")) + PageTexts());
    }
    return page;
}

bool TRoomHttp::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    const QByteArray target = request.url().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority);
    const TRoomRole role = RoleOfTarget(target, m_BoardToken, m_KeypadToken);
    QHttpServerResponder responder = makeResponder(request, socket);
    if (role == TRoomRole::None || request.method() != QHttpServerRequest::Method::Get) {
        responder.write({{"Connection", "close"}}, QHttpServerResponder::StatusCode::Forbidden);
        return true;
    }
    if (request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0) {
        // Handed on to the WebSocket server as it is: its handshake is the whole answer.
        return true;
    }
    responder.write(Page(role), {{"Content-Type", "text/html; charset=utf-8"},
                                 {"Cache-Control", "no-store"},
                                 {"Content-Security-Policy", kPolicy},
                                 {"Referrer-Policy", "no-referrer"},
                                 {"X-Content-Type-Options", "nosniff"},
                                 // The page's WebSocket is what stays: an idle socket kept for
                                 // another page would hold one of the room's places.
                                 {"Connection", "close"}});
    return true;
}

void TRoomHttp::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    makeResponder(request, socket)
        .write({{"Connection", "close"}}, QHttpServerResponder::StatusCode::Forbidden);
}
