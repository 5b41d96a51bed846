#include "room/RoomServer.h"

#include "room/RoomPeer.h"
#include "room/RoomWindow.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <algorithm>

namespace {

// A connection whose message passes this is closed; between it and kMaxMessageBytes a message
// is answered with the reason and dropped.
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
        m_Gate->SetTokens(boardToken, keypadToken, m_EventsToken);
        if (newCodes) {
            // Pages opened with the old codes are shut out at once.
            m_Gate->DropAll();
            DropPages();
            Counted();
        }
        UpdateWindow();
        return true;
    }
    Close();
    auto gate = std::make_unique<TRoomGate>();
    gate->SetTokens(boardToken, keypadToken, m_EventsToken);
    if (!gate->listen(QHostAddress::Any, port)) {
        error = gate->errorString();
        return false;
    }
    connect(gate.get(), &TRoomGate::Admitted, this, &TRoomServer::Admit);
    m_Gate = std::move(gate);
    m_Port = m_Gate->serverPort();
    UpdateWindow();
    return true;
}

void TRoomServer::DropPages()
{
    std::vector<std::unique_ptr<TPage>> pages = std::move(m_Pages);
    m_Pages.clear();
    for (const std::unique_ptr<TPage>& page : pages) {
        page->Peer->disconnect(this);
        page->Peer->Drop();
        page->Peer->deleteLater();
    }
}

void TRoomServer::Close()
{
    const bool counted = !m_Pages.empty();
    DropPages();
    if (m_Gate != nullptr) {
        m_Gate->DropAll();
        m_Gate->close();
    }
    m_Gate.reset();
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
        if (page->Peer->Role() != TRoomRole::Events) {
            page->Peer->Send(text, true);
        }
    }
}

void TRoomServer::SetEventsToken(const QByteArray& token)
{
    const bool changed = !m_EventsToken.isEmpty() && token != m_EventsToken;
    m_EventsToken = token;
    if (m_Gate != nullptr) {
        m_Gate->SetTokens(m_BoardToken, m_KeypadToken, m_EventsToken);
    }
    if (changed) {
        std::vector<TRoomPeer*> streams;
        for (const std::unique_ptr<TPage>& page : m_Pages) {
            if (page->Peer->Role() == TRoomRole::Events) {
                streams.push_back(page->Peer);
            }
        }
        for (TRoomPeer* stream : streams) {
            stream->Drop();
        }
    }
    UpdateWindow();
}

void TRoomServer::PublishEvent(const QByteArray& eventJson, bool greeting)
{
    if (greeting) {
        m_Greeting = eventJson;
    }
    const QString text = QString::fromUtf8(eventJson);
    for (const std::unique_ptr<TPage>& page : m_Pages) {
        if (page->Peer->Role() == TRoomRole::Events) {
            // Every event counts: none is dropped for a newer one.
            page->Peer->Send(text, false);
        }
    }
}

int TRoomServer::Boards() const
{
    return static_cast<int>(std::count_if(m_Pages.begin(), m_Pages.end(), [](const auto& page) {
        return page->Peer->IsWebSocket() && (page->Peer->Role() == TRoomRole::Board ||
                                             page->Peer->Role() == TRoomRole::Overlay ||
                                             page->Peer->Role() == TRoomRole::Standings);
    }));
}

int TRoomServer::Keypads() const
{
    return static_cast<int>(std::count_if(m_Pages.begin(), m_Pages.end(), [](const auto& page) {
        return page->Peer->IsWebSocket() && page->Peer->Role() == TRoomRole::Keypad;
    }));
}

void TRoomServer::Admit(QTcpSocket* socket, const TRequestHead& head)
{
    if (static_cast<int>(m_Pages.size()) >= kMaxConnections) {
        TRoomGate::Refuse(socket, 503);
        return;
    }
    auto page = std::make_unique<TPage>();
    page->Peer = new TRoomPeer(socket, head, kLargestFrame, this);
    TRoomPeer* peer = page->Peer;
    m_Pages.push_back(std::move(page));
    connect(peer, &TRoomPeer::Message, this, &TRoomServer::Received);
    connect(peer, &TRoomPeer::Gone, this, &TRoomServer::Forget);
    if (peer->IsWebSocket()) {
        const QByteArray& first = peer->Role() == TRoomRole::Events ? m_Greeting : m_State;
        if (!first.isEmpty()) {
            peer->Send(QString::fromUtf8(first), true);
        }
        Counted();
    }
}

void TRoomServer::Received(TRoomPeer* peer, const QString& message)
{
    const auto found = std::find_if(m_Pages.begin(), m_Pages.end(),
                                    [peer](const auto& page) { return page->Peer == peer; });
    if (found == m_Pages.end()) {
        return;
    }
    TPage& page = **found;
    const qint64 now = m_Clock.elapsed();
    TRate& address = m_Addresses[peer->Address().toString()];
    if (!page.Rate.Allows(now) || !address.Allows(now)) {
        peer->Send(QString::fromUtf8(
            Reply(-1, "error",
                  QCoreApplication::translate(
                      "RoomServer", "Too many messages: at most %1 a second; this one was dropped")
                      .arg(kMaxMessagesPerSecond))));
        return;
    }
    page.Rate.Count(now);
    address.Count(now);
    if (m_Addresses.size() > 1024) {
        // Addresses quiet for a second limit nothing; the map never grows with a flood.
        std::erase_if(m_Addresses, [now](const auto& entry) {
            return now - entry.second.Times[(entry.second.Next + kMaxMessagesPerSecond - 1) %
                                            kMaxMessagesPerSecond] >=
                   1000;
        });
    }
    if (peer->Role() != TRoomRole::Keypad) {
        peer->Send(QString::fromUtf8(Reply(
            -1, "error", QCoreApplication::translate("RoomServer", "The board takes no turns"))));
        return;
    }
    const QByteArray bytes = message.toUtf8();
    if (bytes.size() > kMaxMessageBytes) {
        peer->Send(QString::fromUtf8(
            Reply(-1, "error",
                  QCoreApplication::translate("RoomServer", "A message may be at most %1 bytes")
                      .arg(kMaxMessageBytes))));
        return;
    }
    const TRoomReply reply = m_Calls.Submit ? m_Calls.Submit(bytes) : TRoomReply{};
    // The page may have gone while the match took the request.
    if (std::none_of(m_Pages.begin(), m_Pages.end(),
                     [peer](const auto& open) { return open->Peer == peer; })) {
        return;
    }
    peer->Send(QString::fromUtf8(reply.Applied ? Reply(reply.Id, "ok", true)
                                 : reply.Refusal.isEmpty()
                                     ? Reply(reply.Id, "error", reply.Error)
                                     : Reply(reply.Id, "refused", reply.Refusal)));
}

void TRoomServer::Forget(TRoomPeer* peer)
{
    const auto found = std::find_if(m_Pages.begin(), m_Pages.end(),
                                    [peer](const auto& page) { return page->Peer == peer; });
    if (found != m_Pages.end()) {
        const bool counted = peer->IsWebSocket();
        m_Pages.erase(found);
        peer->disconnect(this);
        peer->deleteLater();
        if (counted) {
            Counted();
        }
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
        if (page == TRoomRole::Events) {
            if (!m_EventsToken.isEmpty()) {
                addresses << QStringLiteral("ws://%1:%2/events?t=%3")
                                 .arg(host)
                                 .arg(m_Port)
                                 .arg(QString::fromLatin1(m_EventsToken));
            }
            continue;
        }
        addresses << QStringLiteral("http://%1:%2/%3?t=%4%5")
                         .arg(host)
                         .arg(m_Port)
                         .arg(keypad                         ? QStringLiteral("keypad")
                              : page == TRoomRole::Overlay   ? QStringLiteral("overlay")
                              : page == TRoomRole::Standings ? QStringLiteral("standings")
                                                             : QStringLiteral("board"),
                              QString::fromLatin1(keypad ? m_KeypadToken : m_BoardToken),
                              page == TRoomRole::Overlay ? QStringLiteral("&w=1920&h=100")
                                                         : QString());
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
    const QStringList overlay = PageAddresses(TRoomRole::Overlay);
    const QStringList events = PageAddresses(TRoomRole::Events);
    m_Window->ShowStreams(overlay.isEmpty() ? QString() : overlay.first(),
                          events.isEmpty() ? QString() : events.first());
}
