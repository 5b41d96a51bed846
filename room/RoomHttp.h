#pragma once

// The room's HTTP server (Qt's, at its lowest level): GET /board and /keypad with their tokens
// answer the page; the same addresses upgraded to a WebSocket are handed on, with nothing
// written, to the WebSocket server inside it. Anything else is 403 (or 404 for a page's token
// on an address that is no page), with no body that says more.

#include "RoomGate.h"

#include <QAbstractHttpServer>

class TRoomHttp final : public QAbstractHttpServer
{
    Q_OBJECT

public:
    explicit TRoomHttp(QObject* parent = nullptr);
    ~TRoomHttp() override;

    void SetTokens(const QByteArray& boardToken, const QByteArray& keypadToken);

protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

private:
    // The page with its script, read from the resources once.
    const QByteArray& Page(TRoomRole role);

    QByteArray m_BoardToken;
    QByteArray m_KeypadToken;
    QByteArray m_BoardPage;
    QByteArray m_KeypadPage;
};
