#include "app/RoomLink.h"

#include "session/ComputerThrower.h"
#include "session/MatchSession.h"
#include "ui/board/BoardWindow.h"
#include "ui/main/MainActions.h"
#include "ui/main/UnitMain.h"
#include "ui/panels/PlayerPanel.h"
#include "words/GamesFormat.h"
#include "words/Refusals.h"

#include <QAction>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

QJsonObject SideJson(const TBoardPlayer& side)
{
    QJsonObject shown;
    shown.insert(QStringLiteral("name"), side.Name);
    shown.insert(QStringLiteral("thrower"), side.Thrower);
    shown.insert(QStringLiteral("remainder"), side.Remainder);
    shown.insert(QStringLiteral("score"), side.MatchScore);
    shown.insert(QStringLiteral("last"), side.LastTurn);
    shown.insert(QStringLiteral("darts"), side.Darts);
    shown.insert(QStringLiteral("route"), side.Route);
    shown.insert(QStringLiteral("throws"), side.Throws);
    return shown;
}

} // namespace

TRoomLink::TRoomLink(TFormVTX& main) : m_Main(main)
{
    QAction* action = m_Main.Actions().ActionRoomNetwork;
    connect(action, &QAction::toggled, this, [this](bool on) {
        if (on != IsOn()) {
            SetOn(on);
        }
    });
    // Every change of the match is a new version of the state the pages are sent.
    const TMatchSession& session = m_Main.Session();
    connect(&session, &TMatchSession::MatchStarted, this, [this] { ++m_Version; });
    connect(&session, &TMatchSession::Resumed, this, [this] { ++m_Version; });
    connect(&session, &TMatchSession::OperationApplied, this, [this] { ++m_Version; });
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
            m_Main.statusBar()->hide();
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
    if (IsOn()) {
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
    m_Main.statusBar()->show();
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
        m_Service->Publish(StateJson(m_Request));
    }
}

QByteArray TRoomLink::StateJson(int64_t request) const
{
    const TBoardState board = m_Main.BoardState();
    QJsonObject state;
    state.insert(QStringLiteral("type"), QStringLiteral("state"));
    state.insert(QStringLiteral("request"), static_cast<qint64>(request));
    state.insert(QStringLiteral("version"), static_cast<qint64>(m_Version));
    state.insert(QStringLiteral("title"), board.Title);
    QJsonArray sides;
    QJsonObject keypad;
    keypad.insert(QStringLiteral("side"), QString());
    for (int side = 0; side < board.PlayerCount; ++side) {
        const TBoardPlayer& shown = board.Side(side);
        sides.append(SideJson(shown));
        if (shown.Throws) {
            keypad.insert(QStringLiteral("side"), shown.Name);
            keypad.insert(QStringLiteral("thrower"), shown.Thrower);
            keypad.insert(QStringLiteral("remainder"), shown.Remainder);
        }
    }
    state.insert(QStringLiteral("sides"), sides);
    const TMatchSession& session = m_Main.Session();
    bool legOver = false;
    bool matchOver = false;
    bool darts = false;
    QString note;
    if (const CGamesMatch* games = session.Games()) {
        darts = true;
        legOver = games->CurrentLeg().Over();
        matchOver = games->MatchWinner() >= 0;
    } else if (const CLeg* leg = session.Game().CurrentLeg()) {
        darts = session.Game().Params().EnterDarts;
        legOver = leg->Finished();
        matchOver = session.Game().MatchWinner() >= 0;
        const CPlayerScores* sheet = leg->CurrentSheet();
        if (!legOver && sheet != nullptr &&
            ComputerAverage(session.Game().Params(), sheet->PlayerIndex()) > 0) {
            note = tr("The computer throws for %1")
                       .arg(keypad.value(QStringLiteral("side")).toString());
        }
    }
    if (legOver) {
        note = board.Title;
    }
    keypad.insert(QStringLiteral("darts"), darts);
    keypad.insert(QStringLiteral("legOver"), legOver);
    keypad.insert(QStringLiteral("matchOver"), matchOver);
    keypad.insert(QStringLiteral("note"), note);
    state.insert(QStringLiteral("keypad"), keypad);
    return QJsonDocument(state).toJson(QJsonDocument::Compact);
}

TRoomReply TRoomLink::Submit(const QByteArray& message)
{
    TRoomReply reply;
    const std::optional<TRoomRequest> request = ParseRoomRequest(message, reply.Error);
    if (!request) {
        return reply;
    }
    reply.Id = request->Id;
    const auto refuse = [&reply](const QString& text) {
        reply.Refusal = text;
        return reply;
    };
    TMatchSession& session = m_Main.Session();
    const CMatch& match = session.Match();
    if (!m_Main.ContentsBuilt() || match.LegCount() == 0) {
        return refuse(tr("No match is in play"));
    }
    // A request is taken only against the state it was typed on: a second phone, or Enter
    // tapped twice, never lands on the side that throws after.
    if (request->For < 0) {
        return refuse(tr("This keypad page is out of date: load it again"));
    }
    if (request->For != m_Version) {
        QString toThrow;
        const TBoardState board = m_Main.BoardState();
        for (int side = 0; side < board.PlayerCount; ++side) {
            if (board.Side(side).Throws) {
                toThrow = board.Side(side).Name;
            }
        }
        return refuse(toThrow.isEmpty()
                          ? tr("The match has moved on since this was typed")
                          : tr("The match has moved on since this was typed: %1 is to throw now")
                                .arg(toThrow));
    }
    const auto apply = [&](const TMatchOperation& operation) {
        // The states published while this request is applied carry its id.
        m_Request = request->Id;
        reply.Applied = session.Apply(operation);
        m_Request = -1;
        return reply;
    };
    switch (request->Kind) {
    case TRoomRequestKind::Undo:
        if (session.Check({TOperationKind::Undo}).Accepted()) {
            return apply({TOperationKind::Undo});
        }
        if (session.Check({TOperationKind::UndoNextLeg}).Accepted()) {
            return apply({TOperationKind::UndoNextLeg});
        }
        return refuse(RefusalText({TRefusal::NothingToUndo}));
    case TRoomRequestKind::NextLeg:
        // From a keypad the next leg follows a leg that is over, never one in play.
        if (!match.LegOver()) {
            return refuse(tr("The leg is not over"));
        }
        if (const TThrowCheck check = session.Check({TOperationKind::NextLeg}); !check.Accepted()) {
            return refuse(RefusalText(check, match.Kind()));
        }
        return apply({TOperationKind::NextLeg});
    case TRoomRequestKind::Turn:
    case TRoomRequestKind::Checkout:
        if (!match.TakesTotals()) {
            return refuse(tr("This game is entered dart by dart"));
        }
        break;
    case TRoomRequestKind::Darts:
        break;
    }
    const int32_t player = match.SideToThrow();
    if (player >= 0 && ComputerAverage(match.Params(), player) > 0) {
        return refuse(tr("The computer throws this turn"));
    }
    TMatchOperation operation{TOperationKind::Turn, player};
    if (request->Kind == TRoomRequestKind::Darts) {
        operation.Thrown = request->Darts;
        operation.Darts = static_cast<int32_t>(request->Darts.size());
    } else if (request->Kind == TRoomRequestKind::Checkout) {
        const CPlayerScores* sheet = session.Game().CurrentLeg()->GetSheet(player);
        const int32_t remainder = sheet->LastEntry()->Remainder;
        const int32_t left = remainder - match.Params().TargetScore;
        if (match.Params().CountUp || request->Score != left) {
            return refuse(tr("%1 does not finish the %2 left").arg(request->Score).arg(remainder));
        }
        operation.Score = CPlayerScores::kFinishingTurn;
        operation.Darts = request->CheckoutDarts;
    } else {
        operation.Score = request->Score;
    }
    if (const TThrowCheck check = session.Check(operation); !check.Accepted()) {
        return refuse(RefusalText(check, match.Kind()));
    }
    return apply(operation);
}
