#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

// "Room on the Network": the board's and the keypad's QR codes with their addresses (on each of
// this computer's addresses on the local network), how many pages of each are connected, and
// "New codes", which shuts out every page opened with the old ones.
class TRoomWindow final : public QWidget
{
    Q_OBJECT

public:
    explicit TRoomWindow(QWidget* parent);
    ~TRoomWindow() override;

    // `boards` and `keypads`: the pages' addresses, the first of each drawn as a QR code.
    void Show(const QStringList& boards, const QStringList& keypads, int boardCount,
              int keypadCount);
    // The stream overlay's address (a browser source for streaming programs) and the events
    // stream's, for lights and stream tools; empty: none.
    void ShowStreams(const QString& overlay, const QString& events);

signals:
    void NewCodesAsked();

private:
    QLabel* m_BoardCode = nullptr;
    QLabel* m_KeypadCode = nullptr;
    QLabel* m_BoardAddress = nullptr;
    QLabel* m_KeypadAddress = nullptr;
    QLabel* m_Connected = nullptr;
    QLabel* m_Streams = nullptr;
    QPushButton* m_NewCodes = nullptr;
};

// The QR code of `text` as a black-on-white image, `scale` pixels a module, with the quiet zone
// of four modules the standard asks for; a null image when it cannot be encoded.
QImage QrImage(const QString& text, int scale);
