#pragma once

// A camera scoring system's local service as a source of visits: its WebSocket at
// ws://HOST:PORT/api/events?type=state sends the whole visit with every dart (so a dart
// corrected on the service's own screen replaces the one read before), the visit ends when the
// darts are taken out and is cleared by a manual reset. When the service cannot be reached the
// source tries again, 1 s, 2 s, 4 s ... at most 30 s apart.

#include "boards/BoardService.h"

#include <QTimer>
#include <QUrl>
#include <QWebSocket>

class TCameraSource final : public QObject
{
    Q_OBJECT

public:
    explicit TCameraSource(TBoardCalls calls);
    ~TCameraSource() override;

    // Connects to the service at `host`:`port`.
    void Start(const QString& host, quint16 port);
    void Stop();

private:
    static constexpr int kConnectMilliseconds = 5000;

    void Open();
    void OnMessage(const QString& message);
    void OnDisconnected();

    TBoardCalls m_Calls;
    QWebSocket m_Socket;
    QUrl m_Url;
    QString m_Where;
    QTimer m_Retry;
    // A service on a host that does not answer is given up on after a few seconds, not after
    // the system's connection timeout of minutes, so that the status bar says so.
    QTimer m_Connecting;
    int m_Attempt = 0;
    bool m_Unreadable = false;
    bool m_Running = false;
};
