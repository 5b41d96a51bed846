#include "room/RoomWindow.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <memory>
#include <qrencode.h>

namespace {

constexpr int kQuietModules = 4;
constexpr int kModulePixels = 5;

QLabel* NewLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QString Lines(const QStringList& addresses)
{
    QStringList escaped;
    for (const QString& address : addresses) {
        // The code on a line of its own: the label is as wide as its longest line, so the
        // whole address is always shown.
        escaped << address.toHtmlEscaped().replace(u'?', QStringLiteral("?<br>"));
    }
    return escaped.join(QStringLiteral("<br>"));
}

} // namespace

QImage QrImage(const QString& text, int scale)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), QRcode_free);
    if (code == nullptr || code->width <= 0) {
        return {};
    }
    const int side = (code->width + 2 * kQuietModules) * scale;
    QImage image(side, side, QImage::Format_Mono);
    image.setColor(0, qRgb(255, 255, 255));
    image.setColor(1, qRgb(0, 0, 0));
    image.fill(0);
    for (int y = 0; y < code->width; ++y) {
        for (int x = 0; x < code->width; ++x) {
            if ((code->data[y * code->width + x] & 1U) == 0U) {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    image.setPixel((x + kQuietModules) * scale + dx,
                                   (y + kQuietModules) * scale + dy, 1);
                }
            }
        }
    }
    return image;
}

TRoomWindow::TRoomWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormRoom"));
    setWindowTitle(tr("Room on the Network"));
    auto* grid = new QGridLayout(this);
    auto* boardTitle = NewLabel("LabelRoomBoard", this);
    boardTitle->setText(tr("<b>Board</b> (shows the match)"));
    auto* keypadTitle = NewLabel("LabelRoomKeypad", this);
    keypadTitle->setText(tr("<b>Keypad</b> (takes turns)"));
    m_BoardCode = NewLabel("LabelBoardCode", this);
    m_KeypadCode = NewLabel("LabelKeypadCode", this);
    m_BoardAddress = NewLabel("LabelBoardAddress", this);
    m_KeypadAddress = NewLabel("LabelKeypadAddress", this);
    for (QLabel* address : {m_BoardAddress, m_KeypadAddress}) {
        address->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_Connected = NewLabel("LabelRoomConnected", this);
    auto* note = NewLabel("LabelRoomNote", this);
    note->setWordWrap(true);
    note->setText(
        tr("Scan a code with a phone or a television on this network. Whoever has the keypad's "
           "address can enter turns: New codes shuts out every page opened before."));
    m_NewCodes = new QPushButton(tr("New codes"), this);
    m_NewCodes->setObjectName(QStringLiteral("ButtonNewCodes"));
    connect(m_NewCodes, &QPushButton::clicked, this, &TRoomWindow::NewCodesAsked);
    grid->addWidget(boardTitle, 0, 0);
    grid->addWidget(keypadTitle, 0, 1);
    grid->addWidget(m_BoardCode, 1, 0);
    grid->addWidget(m_KeypadCode, 1, 1);
    grid->addWidget(m_BoardAddress, 2, 0);
    grid->addWidget(m_KeypadAddress, 2, 1);
    grid->addWidget(m_Connected, 3, 0, 1, 2);
    grid->addWidget(note, 4, 0, 1, 2);
    m_Streams = NewLabel("LabelRoomStreams", this);
    m_Streams->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_Streams->setWordWrap(true);
    grid->addWidget(m_Streams, 5, 0, 1, 2);
    grid->addWidget(m_NewCodes, 6, 0, 1, 2, Qt::AlignCenter);
}

TRoomWindow::~TRoomWindow() = default;

void TRoomWindow::Show(const QStringList& boards, const QStringList& keypads, int boardCount,
                       int keypadCount)
{
    const auto code = [](QLabel* label, const QStringList& addresses) {
        const QImage image =
            addresses.isEmpty() ? QImage() : QrImage(addresses.first(), kModulePixels);
        label->setPixmap(QPixmap::fromImage(image));
    };
    code(m_BoardCode, boards);
    code(m_KeypadCode, keypads);
    m_BoardAddress->setText(Lines(boards));
    m_KeypadAddress->setText(Lines(keypads));
    // English's own singular and plural; each translation counts by its own rule.
    m_Connected->setText(tr("Connected: %1 · %2")
                             .arg(boardCount == 1 ? tr("%n board", nullptr, boardCount)
                                                  : tr("%n boards", nullptr, boardCount),
                                  keypadCount == 1 ? tr("%n keypad", nullptr, keypadCount)
                                                   : tr("%n keypads", nullptr, keypadCount)));
}

void TRoomWindow::ShowStreams(const QString& overlay, const QString& events)
{
    QStringList lines;
    if (!overlay.isEmpty()) {
        lines << tr("Stream overlay: %1").arg(Lines({overlay}));
    }
    if (!events.isEmpty()) {
        lines << tr("Events for lights and stream tools: %1").arg(Lines({events}));
    }
    m_Streams->setText(lines.join(QStringLiteral("<br>")));
    m_Streams->setVisible(!lines.isEmpty());
}
