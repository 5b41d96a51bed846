#include "RoomServer.h"

#include "RoomHttp.h"
#include "RoomWindow.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QWebSocket>
#include <algorithm>

namespace {

// Qt closes a socket whose message passes this; between it and kMaxMessageBytes a message is
// answered with the reason and dropped.
constexpr qint64 kLargestFrame = 4 * kMaxMessageBytes;

QByteArray Reply(int64_t id, const char* key, const QJsonValue& value)
{
    QJsonObject reply;
    reply.insert(QStringLiteral("type"), QStringLiteral("reply"));
    if (id >= 0) {
        reply.insert(QStringLiteral("id"), static_cast<qint64>(id));
    }
    reply.insert(QLatin1String(key), value);
    return QJsonDocument(reply).toJson(QJsonDocument::Compact);
}

} // namespace

TRoomServer::TRoomServer(const TRoomCalls& calls) : m_Calls(calls)
{
    m_Clock.start();
}

TRoomServer::~TRoomServer()
{
    Close();
    delete m_Window;
}

bool TRoomServer::Listen(quint16 port, const QByteArray& boardToken, const QByteArray& keypadToken,
                         QString& error)
{
    const bool newCodes =
        !m_BoardToken.isEmpty() && (boardToken != m_BoardToken || keypadToken != m_KeypadToken);
    m_BoardToken = boardToken;
    m_KeypadToken = keypadToken;
    if (m_Gate != nullptr && port == m_Port) {
        m_Gate->SetTokens(boardToken, keypadToken);
        m_Http->SetTokens(boardToken, keypadToken);
        if (newCodes) {
            // Pages opened with the old codes are shut out at once.
            m_Gate->DropAll();
            for (const std::unique_ptr<TPage>& page : m_Pages) {
                page->Socket->abort();
                page->Socket->deleteLater();
            }
            m_Pages.clear();
            Counted();
        }
        UpdateWindow();
        return true;
    }
    Close();
    auto gate = std::make_unique<TRoomGate>(kMaxConnections);
    gate->SetTokens(boardToken, keypadToken);
    if (!gate->listen(QHostAddress::Any, port)) {
        error = gate->errorString();
        return false;
    }
    m_Http = std::make_unique<TRoomHttp>();
    m_Http->SetTokens(boardToken, keypadToken);
    connect(m_Http.get(), &TRoomHttp::newWebSocketConnection, this, &TRoomServer::TakeSockets);
    m_Gate = gate.release();
    m_Gate->setParent(m_Http.get());
    m_Http->bind(m_Gate);
    m_Port = m_Gate->serverPort();
    UpdateWindow();
    return true;
}

void TRoomServer::Close()
{
    for (const std::unique_ptr<TPage>& page : m_Pages) {
        page->Socket->disconnect(this);
        page->Socket->abort();
        page->Socket->deleteLater();
    }
    const bool counted = !m_Pages.empty();
    m_Pages.clear();
    if (m_Gate != nullptr) {
        m_Gate->DropAll();
        m_Gate->close();
    }
    m_Http.reset();
    m_Port = 0;
    if (counted) {
        Counted();
    }
}

void TRoomServer::Publish(const QByteArray& stateJson)
{
    m_State = stateJson;
    const QString text = QString::fromUtf8(stateJson);
    for (const std::unique_ptr<TPage>& page : m_Pages) {
        page->Socket->sendTextMessage(text);
    }
}

int TRoomServer::Boards() const
{
    return static_cast<int>(std::count_if(m_Pages.begin(), m_Pages.end(), [](const auto& page) {
        return page->Role == TRoomRole::Board;
    }));
}

int TRoomServer::Keypads() const
{
    return static_cast<int>(m_Pages.size()) - Boards();
}

void TRoomServer::TakeSockets()
{
    while (m_Http != nullptr && m_Http->hasPendingWebSocketConnections()) {
        QWebSocket* socket = m_Http->nextPendingWebSocketConnection().release();
        socket->setParent(this);
        const TRoomRole role =
            RoleOfTarget(socket->requestUrl().toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority),
                         m_BoardToken, m_KeypadToken);
        if (role == TRoomRole::None) {
            socket->close(QWebSocketProtocol::CloseCodePolicyViolated);
            socket->deleteLater();
            continue;
        }
        socket->setMaxAllowedIncomingMessageSize(kLargestFrame);
        socket->setMaxAllowedIncomingFrameSize(kLargestFrame);
        auto page = std::make_unique<TPage>();
        page->Socket = socket;
        page->Role = role;
        std::fill(page->Times.begin(), page->Times.end(), -1000000);
        m_Pages.push_back(std::move(page));
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString& message) { Received(socket, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, this, [socket] {
            socket->sendTextMessage(QString::fromUtf8(
                Reply(-1, "error", QStringLiteral("Send text, not binary messages"))));
        });
        connect(socket, &QWebSocket::disconnected, this, [this, socket] { Forget(socket); });
        if (!m_State.isEmpty()) {
            socket->sendTextMessage(QString::fromUtf8(m_State));
        }
        Counted();
    }
}

void TRoomServer::Received(QWebSocket* socket, const QString& message)
{
    const auto found = std::find_if(m_Pages.begin(), m_Pages.end(),
                                    [socket](const auto& page) { return page->Socket == socket; });
    if (found == m_Pages.end()) {
        return;
    }
    TPage& page = **found;
    const qint64 now = m_Clock.elapsed();
    if (now - page.Times[page.Next] < 1000) {
        socket->sendTextMessage(QString::fromUtf8(
            Reply(-1, "error",
                  QCoreApplication::translate(
                      "RoomServer", "Too many messages: at most %1 a second; this one was dropped")
                      .arg(kMaxMessagesPerSecond))));
        return;
    }
    page.Times[page.Next] = now;
    page.Next = (page.Next + 1) % page.Times.size();
    if (page.Role != TRoomRole::Keypad) {
        socket->sendTextMessage(QString::fromUtf8(Reply(
            -1, "error", QCoreApplication::translate("RoomServer", "The board takes no turns"))));
        return;
    }
    const QByteArray bytes = message.toUtf8();
    if (bytes.size() > kMaxMessageBytes) {
        socket->sendTextMessage(QString::fromUtf8(
            Reply(-1, "error",
                  QStringLiteral("A message may be at most %1 bytes").arg(kMaxMessageBytes))));
        return;
    }
    const TRoomReply reply = m_Calls.Submit ? m_Calls.Submit(bytes) : TRoomReply{};
    socket->sendTextMessage(QString::fromUtf8(reply.Applied ? Reply(reply.Id, "ok", true)
                                              : reply.Refusal.isEmpty()
                                                  ? Reply(reply.Id, "error", reply.Error)
                                                  : Reply(reply.Id, "refused", reply.Refusal)));
}

void TRoomServer::Forget(QWebSocket* socket)
{
    const auto found = std::find_if(m_Pages.begin(), m_Pages.end(),
                                    [socket](const auto& page) { return page->Socket == socket; });
    if (found != m_Pages.end()) {
        m_Pages.erase(found);
        socket->deleteLater();
        Counted();
    }
}

void TRoomServer::Counted()
{
    UpdateWindow();
    if (m_Calls.ConnectionsChanged) {
        m_Calls.ConnectionsChanged(Boards(), Keypads());
    }
}

namespace {

// This computer's IPv4 addresses on its networks, else this computer alone.
QStringList Hosts()
{
    QStringList hosts;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() &&
            !address.isLinkLocal()) {
            hosts << address.toString();
        }
    }
    if (hosts.isEmpty()) {
        hosts << QStringLiteral("127.0.0.1");
    }
    return hosts;
}

} // namespace

QStringList TRoomServer::PageAddresses(TRoomRole page) const
{
    const bool keypad = page == TRoomRole::Keypad;
    QStringList addresses;
    for (const QString& host : Hosts()) {
        addresses << QStringLiteral("http://%1:%2/%3?t=%4")
                         .arg(host)
                         .arg(m_Port)
                         .arg(keypad ? QStringLiteral("keypad") : QStringLiteral("board"),
                              QString::fromLatin1(keypad ? m_KeypadToken : m_BoardToken));
    }
    return addresses;
}

QWidget* TRoomServer::Window(QWidget* parent)
{
    if (m_Window == nullptr) {
        m_Window = new TRoomWindow(parent);
        connect(m_Window, &TRoomWindow::NewCodesAsked, this, [this] {
            if (m_Calls.NewCodes) {
                m_Calls.NewCodes();
            }
        });
    }
    UpdateWindow();
    return m_Window;
}

void TRoomServer::UpdateWindow()
{
    if (m_Window == nullptr) {
        return;
    }
    m_Window->Show(PageAddresses(TRoomRole::Board), PageAddresses(TRoomRole::Keypad), Boards(),
                   Keypads());
}
