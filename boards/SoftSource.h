#pragma once

// A soft-tip board as a source of visits: each hit it notifies is a dart of the visit, its
// button ends the visit, and a fourth dart without the button ends the visit before it and
// begins the next. The radio sits behind TSoftTransport, so the source is tested without one;
// when the board goes away (asleep, out of reach) the source tries again, 1 s, 2 s, 4 s ... at
// most 30 s apart, and keeps the visit it was reading.

#include "boards/BoardService.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <memory>

// The board's link: open it, and hear what it sends.
class TSoftTransport : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    // Connects to the board at `address` and subscribes to its hits; Opened or Closed follows.
    virtual void Open(const QString& address) = 0;
    virtual void Close() = 0;

signals:
    void Opened();
    void Closed(const QString& reason);
    void Received(const QByteArray& message);
};

class TSoftSource final : public QObject
{
    Q_OBJECT

public:
    TSoftSource(std::unique_ptr<TSoftTransport> transport, TBoardCalls calls);
    ~TSoftSource() override;

    void Start(const QString& address);
    void Stop();
    // The darts of the visit being read.
    const std::vector<TDart>& Visit() const { return m_Visit; }

private:
    void OnReceived(const QByteArray& message);
    void OnClosed(const QString& reason);

    std::unique_ptr<TSoftTransport> m_Transport;
    TBoardCalls m_Calls;
    QString m_Address;
    std::vector<TDart> m_Visit;
    QTimer m_Retry;
    int m_Attempt = 0;
};
