#include "boards/CameraSource.h"

#include "boards/BoardWords.h"
#include "boards/CameraMessages.h"

TCameraSource::TCameraSource(TBoardCalls calls) : m_Calls(std::move(calls))
{
    m_Retry.setSingleShot(true);
    connect(&m_Retry, &QTimer::timeout, this, &TCameraSource::Open);
    m_Connecting.setSingleShot(true);
    connect(&m_Connecting, &QTimer::timeout, this, [this] { m_Socket.abort(); });
    connect(&m_Socket, &QWebSocket::connected, this, [this] {
        m_Connecting.stop();
        m_Attempt = 0;
        m_Unreadable = false;
        m_Calls.StatusChanged(BoardReadyText());
    });
    connect(&m_Socket, &QWebSocket::disconnected, this, &TCameraSource::OnDisconnected);
    connect(&m_Socket, &QWebSocket::textMessageReceived, this, &TCameraSource::OnMessage);
    m_Socket.setMaxAllowedIncomingMessageSize(kMaxCameraMessageBytes);
}

TCameraSource::~TCameraSource()
{
    Stop();
}

void TCameraSource::Start(const QString& host, quint16 port)
{
    Stop();
    m_Running = true;
    m_Attempt = 0;
    m_Where = QStringLiteral("%1:%2").arg(host).arg(port);
    m_Url.setScheme(QStringLiteral("ws"));
    m_Url.setHost(host);
    m_Url.setPort(port);
    m_Url.setPath(QStringLiteral("/api/events"));
    m_Url.setQuery(QStringLiteral("type=state"));
    m_Calls.StatusChanged(BoardConnectingText(m_Where));
    Open();
}

void TCameraSource::Open()
{
    m_Connecting.start(kConnectMilliseconds);
    m_Socket.open(m_Url);
}

void TCameraSource::Stop()
{
    m_Running = false;
    m_Retry.stop();
    m_Connecting.stop();
    m_Socket.abort();
}

void TCameraSource::OnDisconnected()
{
    m_Connecting.stop();
    if (!m_Running) {
        return;
    }
    // The visit is kept: the service sends its whole visit again with the next dart.
    m_Calls.StatusChanged(BoardNotReachableText(m_Where));
    m_Retry.start(ReconnectDelayMs(m_Attempt++));
}

void TCameraSource::OnMessage(const QString& message)
{
    QString error;
    const std::optional<TCameraState> state = ParseCameraMessage(message.toUtf8(), error);
    if (!state) {
        if (!error.isEmpty() && !m_Unreadable) {
            // Said once a connection: a service that sends nothing readable would fill the
            // status bar otherwise.
            m_Unreadable = true;
            m_Calls.StatusChanged(
                tr("Board: a message from %1 could not be read (%2)").arg(m_Where, error));
        }
        return;
    }
    switch (state->Event) {
    case TCameraEvent::ThrowDetected:
        m_Calls.Visit(state->Throws);
        break;
    case TCameraEvent::TakeoutStarted:
        m_Calls.StatusChanged(tr("Board: take the darts out"));
        break;
    case TCameraEvent::TakeoutFinished:
        m_Calls.VisitEnded();
        m_Calls.StatusChanged(BoardReadyText());
        break;
    case TCameraEvent::ManualReset:
        m_Calls.VisitCleared();
        m_Calls.StatusChanged(BoardReadyText());
        break;
    case TCameraEvent::Stopped:
        m_Calls.StatusChanged(tr("Board: detection is stopped at %1").arg(m_Where));
        break;
    case TCameraEvent::Started:
        m_Calls.StatusChanged(BoardReadyText());
        break;
    case TCameraEvent::Other:
        break;
    }
}
