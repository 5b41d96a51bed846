#include "app/RoomLink.h"

#include "app/StatusLine.h"
#include "model/DartNotation.h"
#include "session/ComputerThrower.h"
#include "session/MatchSession.h"
#include "ui/main/MainActions.h"
#include "ui/main/UnitMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QRandomGenerator>
#include <QStatusBar>

namespace {

// 192 bits from the system's random source, as 32 characters that need no escaping in an
// address.
constexpr int kTokenBytes = 24;

QString& ModuleFile()
{
    static QString path;
    return path;
}

// A token read from the settings is used only when it could have been made here.
bool UsableToken(const QString& token)
{
    if (token.size() < 22 || token.size() > 128) {
        return false;
    }
    return std::all_of(token.begin(), token.end(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               c == u'-' || c == u'_';
    });
}

} // namespace

TRoomLink::TRoomLink(TFormVTX& main)
    : m_Main(main), m_Keypad(
                        main.Session(), [&main] { return main.BoardState(); },
                        [&main] { return main.ContentsBuilt(); })
{
    QAction* action = m_Main.Actions().ActionRoomNetwork;
    connect(action, &QAction::toggled, this, [this](bool on) {
        if (on != IsOn()) {
            SetOn(on);
        }
    });
    connect(m_Main.Actions().ActionRoomCodes, &QAction::triggered, this, [this] {
        if (IsOn()) {
            QWidget* window = m_Service->Window(&m_Main);
            window->show();
            window->raise();
        }
    });
}

TRoomLink::~TRoomLink()
{
    if (m_Service != nullptr) {
        m_Service->Close();
    }
}

QString TRoomLink::ModulePath()
{
    return ModuleFile().isEmpty()
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/room/vantorix-room.so")
               : ModuleFile();
}

void TRoomLink::SetModulePath(const QString& path)
{
    ModuleFile() = path;
}

void TRoomLink::Apply(const TSettings& settings)
{
    if (settings.RoomPort) {
        m_Port = *settings.RoomPort;
        m_PortSet = true;
    }
    if (settings.RoomBoardToken && UsableToken(*settings.RoomBoardToken) &&
        settings.RoomKeypadToken && UsableToken(*settings.RoomKeypadToken) &&
        *settings.RoomBoardToken != *settings.RoomKeypadToken) {
        m_BoardToken = settings.RoomBoardToken->toLatin1();
        m_KeypadToken = settings.RoomKeypadToken->toLatin1();
    }
    if (settings.RoomEventsToken && UsableToken(*settings.RoomEventsToken) &&
        settings.RoomEventsToken->toLatin1() != m_BoardToken &&
        settings.RoomEventsToken->toLatin1() != m_KeypadToken) {
        m_EventsToken = settings.RoomEventsToken->toLatin1();
    }
    if (settings.RoomOn.value_or(false)) {
        m_Main.WhenBuilt([this] { m_Main.Actions().ActionRoomNetwork->setChecked(true); });
    }
}

void TRoomLink::Take(TSettings& settings) const
{
    if (m_Used || m_PortSet) {
        settings.RoomOn = IsOn();
        settings.RoomPort = m_Port;
    }
    if (!m_BoardToken.isEmpty()) {
        settings.RoomBoardToken = QString::fromLatin1(m_BoardToken);
        settings.RoomKeypadToken = QString::fromLatin1(m_KeypadToken);
    }
    if (!m_EventsToken.isEmpty()) {
        settings.RoomEventsToken = QString::fromLatin1(m_EventsToken);
    }
}

QByteArray TRoomLink::NewToken()
{
    std::array<quint32, kTokenBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()), kTokenBytes);
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}

bool TRoomLink::Load()
{
    if (m_Service != nullptr) {
        return true;
    }
    QLibrary module(ModulePath());
    auto* create = reinterpret_cast<TNewRoomServiceFunction>(module.resolve(kNewRoomServiceSymbol));
    if (create == nullptr) {
        m_Main.ShowNotice(
            tr("The room on the network cannot be started: %1").arg(module.errorString()));
        return false;
    }
    TRoomCalls calls;
    calls.Submit = [this](const QByteArray& message) { return Submit(message); };
    calls.ConnectionsChanged = [this](int boards, int keypads) {
        ShowConnections(boards, keypads);
    };
    calls.NewCodes = [this] { NewCodes(); };
    m_Service.reset(create(calls));
    return true;
}

bool TRoomLink::SetOn(bool on)
{
    QAction* action = m_Main.Actions().ActionRoomNetwork;
    const auto checked = [action](bool state) {
        const QSignalBlocker quiet(action);
        action->setChecked(state);
    };
    if (!on) {
        m_On = false;
        if (m_Service != nullptr) {
            m_Service->Close();
            if (QWidget* window = m_Service->Window(&m_Main)) {
                window->hide();
            }
        }
        if (m_Connections != nullptr) {
            m_Connections->hide();
            FitStatusBar(*m_Main.statusBar());
        }
        checked(false);
        m_Main.Actions().ActionRoomCodes->setEnabled(false);
        return true;
    }
    m_Used = true;
    if (!Load()) {
        checked(false);
        return false;
    }
    if (m_BoardToken.isEmpty()) {
        m_BoardToken = NewToken();
        m_KeypadToken = NewToken();
    }
    if (m_EventsToken.isEmpty()) {
        m_EventsToken = NewToken();
    }
    m_Service->SetEventsToken(m_EventsToken);
    QString error;
    if (!m_Service->Listen(static_cast<quint16>(m_Port), m_BoardToken, m_KeypadToken, error)) {
        m_Main.ShowNotice(tr("The room cannot be served on port %1: %2").arg(m_Port).arg(error));
        checked(false);
        return false;
    }
    if (m_RefusedPort) {
        m_Main.ShowNotice(tr("The room's port \"%1\" in the settings cannot be used (it must be "
                             "1 to 65535); the room is served on port %2")
                              .arg(*std::exchange(m_RefusedPort, std::nullopt))
                              .arg(m_Port));
    }
    m_On = true;
    checked(true);
    m_Main.Actions().ActionRoomCodes->setEnabled(true);
    if (!m_Followed) {
        // Every change of the match reaches the pages, whoever made it.
        m_Followed = true;
        TMatchSession& session = m_Main.Session();
        connect(&session, &TMatchSession::OperationApplied, this, &TRoomLink::Publish);
        connect(&session, &TMatchSession::MatchStarted, this, &TRoomLink::Publish);
        connect(&session, &TMatchSession::Resumed, this, &TRoomLink::Publish);
        connect(&m_Main.Computer(), &TComputerThrower::DartsShown, this, &TRoomLink::Publish);
        m_Events =
            std::make_unique<TRoomEvents>(session, [this](const QByteArray& event, bool greeting) {
                if (IsOn()) {
                    m_Service->PublishEvent(event, greeting);
                }
            });
        connect(&m_Main.Computer(), &TComputerThrower::DartsShown, this,
                [this](int player, const QString& darts) {
                    std::vector<TDart> landed;
                    if (ParseDarts(QString(darts)
                                       .replace(QStringLiteral(" \u00B7 "), QStringLiteral(" "))
                                       .toStdString(),
                                   landed)) {
                        m_Events->Darts(player, landed);
                    }
                });
    }
    if (m_Events != nullptr) {
        m_Events->Greet();
    }
    Publish();
    ShowConnections(0, 0);
    QWidget* window = m_Service->Window(&m_Main);
    window->show();
    window->raise();
    return true;
}

void TRoomLink::NewCodes()
{
    m_BoardToken = NewToken();
    m_KeypadToken = NewToken();
    m_EventsToken = NewToken();
    if (IsOn()) {
        m_Service->SetEventsToken(m_EventsToken);
        QString error;
        m_Service->Listen(static_cast<quint16>(m_Port), m_BoardToken, m_KeypadToken, error);
    }
}

QStringList TRoomLink::BoardAddresses() const
{
    return m_Service != nullptr ? m_Service->PageAddresses(TRoomRole::Board) : QStringList();
}

QStringList TRoomLink::KeypadAddresses() const
{
    return m_Service != nullptr ? m_Service->PageAddresses(TRoomRole::Keypad) : QStringList();
}

void TRoomLink::ShowConnections(int boards, int keypads)
{
    if (m_Connections == nullptr) {
        m_Connections = new QLabel(&m_Main);
        m_Connections->setObjectName(QStringLiteral("LabelRoomConnections"));
        m_Main.statusBar()->addPermanentWidget(m_Connections);
    }
    m_Connections->show();
    FitStatusBar(*m_Main.statusBar());
    // English's own singular and plural; each translation counts by its own rule (French says
    // "0 tableau").
    m_Connections->setText(
        tr("Room on the network: %1 · %2")
            .arg(boards == 1 ? tr("%n board", nullptr, boards) : tr("%n boards", nullptr, boards),
                 keypads == 1 ? tr("%n keypad", nullptr, keypads)
                              : tr("%n keypads", nullptr, keypads)));
}

void TRoomLink::Publish()
{
    if (IsOn()) {
        m_Service->Publish(m_Keypad.StateJson(m_Keypad.Request()));
    }
}

void TRoomLink::SetCompetition(const QJsonObject& competition)
{
    if (competition != m_Competition) {
        m_Competition = competition;
        m_Keypad.SetCompetition(competition);
        Publish();
    }
}

QByteArray TRoomLink::StateJson(int64_t request) const
{
    return m_Keypad.StateJson(request);
}

TRoomReply TRoomLink::Submit(const QByteArray& message)
{
    return m_Keypad.Submit(message);
}

void TRoomLink::BoardDarts(int side, const std::vector<TDart>& darts)
{
    if (IsOn() && m_Events != nullptr) {
        m_Events->Darts(side, darts);
    }
}

QStringList TRoomLink::EventsAddresses() const
{
    return m_Service != nullptr ? m_Service->PageAddresses(TRoomRole::Events) : QStringList();
}
