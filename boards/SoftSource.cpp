#include "boards/SoftSource.h"

#include "boards/BoardWords.h"
#include "boards/GranboardMessages.h"

TSoftSource::TSoftSource(std::unique_ptr<TSoftTransport> transport, TBoardCalls calls)
    : m_Transport(std::move(transport)), m_Calls(std::move(calls))
{
    m_Retry.setSingleShot(true);
    connect(&m_Retry, &QTimer::timeout, this, [this] { m_Transport->Open(m_Address); });
    connect(m_Transport.get(), &TSoftTransport::Opened, this, [this] {
        m_Attempt = 0;
        m_Calls.StatusChanged(BoardReadyText());
    });
    connect(m_Transport.get(), &TSoftTransport::Closed, this, &TSoftSource::OnClosed);
    connect(m_Transport.get(), &TSoftTransport::Received, this, &TSoftSource::OnReceived);
}

TSoftSource::~TSoftSource()
{
    Stop();
}

void TSoftSource::Start(const QString& address)
{
    Stop();
    m_Address = address;
    m_Attempt = 0;
    m_Calls.StatusChanged(BoardConnectingText(address));
    m_Transport->Open(address);
}

void TSoftSource::Stop()
{
    m_Retry.stop();
    if (!m_Address.isEmpty()) {
        m_Address.clear();
        m_Transport->Close();
    }
}

void TSoftSource::OnReceived(const QByteArray& message)
{
    const std::string_view text(message.constData(), static_cast<size_t>(message.size()));
    if (GranboardButton(text)) {
        m_Visit.clear();
        m_Calls.VisitEnded();
        return;
    }
    const std::optional<TDart> dart = GranboardDart(text);
    if (!dart) {
        return;
    }
    if (m_Visit.size() == 3) {
        // Three darts and no button: the next player has begun.
        m_Visit.clear();
        m_Calls.VisitEnded();
    }
    m_Visit.push_back(*dart);
    m_Calls.Visit(m_Visit);
}

void TSoftSource::OnClosed(const QString& reason)
{
    if (m_Address.isEmpty()) {
        return;
    }
    // The visit stays: the darts thrown before the board slept are still the visit's.
    m_Calls.StatusChanged(BoardNotReachableText(m_Address, reason));
    m_Retry.start(ReconnectDelayMs(m_Attempt++));
}
