#include "app/SettingsFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <array>
#include <limits>

namespace {

// The element paths of the file, in the order they are written.
enum TField : size_t
{
    kGameType,
    kTwoPlayers,
    kPlayer1Name,
    kPlayer2Name,
    kPlayer1Starts,
    kHints,
    kMainTop,
    kMainLeft,
    kMainWidth,
    kMainHeight,
    kMainViewState,
    kQuickHintVisible,
    kQuickHintTop,
    kQuickHintLeft,
    kLegsToWin,
    kSetsToWin,
    kCaller,
    kBoardVisible,
    kBoardTop,
    kBoardLeft,
    kBoardWidth,
    kBoardHeight,
    kBoardFullScreen,
    kPlayers,
    kPlayer3Name,
    kPairs = kPlayer3Name + 6,
    kThrower1Name,
    kStartScore1 = kThrower1Name + 16,
    kComputer1 = kStartScore1 + 8,
    kEnterDarts = kComputer1 + 8,
    kComputerPause,
    kRoomOn,
    kRoomPort,
    kRoomBoardToken,
    kRoomKeypadToken,
    kLanguage,
    kBoardsCamera,
    kBoardsSoft,
    kRoomEventsToken,
    kClubDatabase,
    kClubBoard,
    kFieldCount
};

constexpr std::array<const char*, kFieldCount> kPaths = {
    "VTXSettings/NewGame/GameType",
    "VTXSettings/NewGame/TwoPlayers",
    "VTXSettings/NewGame/Player1Name",
    "VTXSettings/NewGame/Player2Name",
    "VTXSettings/NewGame/Player1Starts",
    "VTXSettings/Layout/Hints",
    "VTXSettings/Layout/Main/Top",
    "VTXSettings/Layout/Main/Left",
    "VTXSettings/Layout/Main/Width",
    "VTXSettings/Layout/Main/Height",
    "VTXSettings/Layout/Main/ViewState",
    "VTXSettings/Layout/QuickHint/Visible",
    "VTXSettings/Layout/QuickHint/Top",
    "VTXSettings/Layout/QuickHint/Left",
    "VTXSettings/NewGame/LegsToWin",
    "VTXSettings/NewGame/SetsToWin",
    "VTXSettings/Caller",
    "VTXSettings/Layout/Board/Visible",
    "VTXSettings/Layout/Board/Top",
    "VTXSettings/Layout/Board/Left",
    "VTXSettings/Layout/Board/Width",
    "VTXSettings/Layout/Board/Height",
    "VTXSettings/Layout/Board/FullScreen",
    "VTXSettings/NewGame/Players",
    "VTXSettings/NewGame/Player3Name",
    "VTXSettings/NewGame/Player4Name",
    "VTXSettings/NewGame/Player5Name",
    "VTXSettings/NewGame/Player6Name",
    "VTXSettings/NewGame/Player7Name",
    "VTXSettings/NewGame/Player8Name",
    "VTXSettings/NewGame/Pairs",
    "VTXSettings/NewGame/Thrower1Name",
    "VTXSettings/NewGame/Thrower2Name",
    "VTXSettings/NewGame/Thrower3Name",
    "VTXSettings/NewGame/Thrower4Name",
    "VTXSettings/NewGame/Thrower5Name",
    "VTXSettings/NewGame/Thrower6Name",
    "VTXSettings/NewGame/Thrower7Name",
    "VTXSettings/NewGame/Thrower8Name",
    "VTXSettings/NewGame/Thrower9Name",
    "VTXSettings/NewGame/Thrower10Name",
    "VTXSettings/NewGame/Thrower11Name",
    "VTXSettings/NewGame/Thrower12Name",
    "VTXSettings/NewGame/Thrower13Name",
    "VTXSettings/NewGame/Thrower14Name",
    "VTXSettings/NewGame/Thrower15Name",
    "VTXSettings/NewGame/Thrower16Name",
    "VTXSettings/NewGame/StartScore1",
    "VTXSettings/NewGame/StartScore2",
    "VTXSettings/NewGame/StartScore3",
    "VTXSettings/NewGame/StartScore4",
    "VTXSettings/NewGame/StartScore5",
    "VTXSettings/NewGame/StartScore6",
    "VTXSettings/NewGame/StartScore7",
    "VTXSettings/NewGame/StartScore8",
    "VTXSettings/NewGame/Computer1",
    "VTXSettings/NewGame/Computer2",
    "VTXSettings/NewGame/Computer3",
    "VTXSettings/NewGame/Computer4",
    "VTXSettings/NewGame/Computer5",
    "VTXSettings/NewGame/Computer6",
    "VTXSettings/NewGame/Computer7",
    "VTXSettings/NewGame/Computer8",
    "VTXSettings/NewGame/EnterDarts",
    "VTXSettings/ComputerPause",
    "VTXSettings/Room/On",
    "VTXSettings/Room/Port",
    "VTXSettings/Room/BoardToken",
    "VTXSettings/Room/KeypadToken",
    "VTXSettings/Language",
    "VTXSettings/Boards/Camera",
    "VTXSettings/Boards/Soft",
    "VTXSettings/Room/EventsToken",
    "VTXSettings/Club/Database",
    "VTXSettings/Club/Board",
};

std::optional<int> ParseInt(const QString& text)
{
    bool isNumber = false;
    const int value = text.trimmed().toInt(&isNumber);
    return isNumber ? std::optional<int>(value) : std::nullopt;
}

// "true"/"false" as written, and "1", "0" and "-1" (true) as other writers put them.
std::optional<bool> ParseBool(const QString& text)
{
    const QString value = text.trimmed().toLower();
    if (value == u"true" || value == u"1" || value == u"-1") {
        return true;
    }
    if (value == u"false" || value == u"0") {
        return false;
    }
    return std::nullopt;
}

// XML 1.0 cannot hold most control characters; a name typed or pasted with one must not make
// the whole file unreadable next time.
QString XmlSafe(const QString& text)
{
    QString safe;
    safe.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code >= 0x20 || code == u'\t' || code == u'\n' || code == u'\r') {
            if (code != 0xFFFE && code != 0xFFFF) {
                safe.append(character);
            }
        }
    }
    return safe;
}

QString BoolText(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

} // namespace

TSettingsRead ReadSettings(const QByteArray& bytes)
{
    TSettingsRead result;
    std::array<std::optional<QString>, kFieldCount> texts;
    QXmlStreamReader reader(bytes);
    // Only the names of the first few levels are kept: no element of the file lies deeper, and
    // a path rebuilt for every element of a deep file would make reading it quadratic.
    constexpr int kDeepest = 4;
    std::array<QString, kDeepest> names;
    int depth = 0;
    QString root;
    QString joined;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            ++depth;
            if (depth == 1 && root.isEmpty()) {
                root = reader.name().toString();
            }
            if (depth > kDeepest) {
                continue;
            }
            names[static_cast<size_t>(depth - 1)] = reader.name().toString();
            joined = names[0];
            for (int level = 1; level < depth; ++level) {
                joined += u'/' + names[static_cast<size_t>(level)];
            }
            for (size_t field = 0; field < kFieldCount; ++field) {
                // The first element of a name among its parent's children is the one used.
                if (!texts[field] && joined == QLatin1String(kPaths[field])) {
                    QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
                    // A value cut by an error is not used; those before it are.
                    if (!reader.hasError()) {
                        texts[field] = std::move(text);
                    }
                    --depth;
                    break;
                }
            }
        } else if (reader.isEndElement()) {
            --depth;
        }
    }
    if (root != u"VTXSettings") {
        result.Problems << QCoreApplication::translate(
            "SettingsFile", "not a settings file (no VTXSettings element); "
                            "using the defaults");
        return result;
    }
    if (reader.hasError()) {
        QString error = reader.errorString();
        if (error.endsWith(u'.')) {
            error.chop(1);
        }
        result.Problems << QCoreApplication::translate(
                               "SettingsFile", "%1 (line %2); the values before it are used")
                               .arg(error)
                               .arg(reader.lineNumber());
    }

    TSettings& settings = result.Settings;
    const auto takeInt = [&](size_t field, std::optional<int>& target, int low, int high) {
        if (!texts[field]) {
            return;
        }
        const std::optional<int> value = ParseInt(*texts[field]);
        if (value && *value >= low && *value <= high) {
            target = value;
        } else {
            result.Problems << QCoreApplication::translate("SettingsFile",
                                                           "%1: \"%2\" is not a usable value")
                                   .arg(QLatin1String(kPaths[field]), *texts[field]);
        }
    };
    const auto takeBool = [&](size_t field, std::optional<bool>& target) {
        if (!texts[field]) {
            return;
        }
        target = ParseBool(*texts[field]);
        if (!target) {
            result.Problems << QCoreApplication::translate("SettingsFile",
                                                           "%1: \"%2\" is not true or false")
                                   .arg(QLatin1String(kPaths[field]), *texts[field]);
        }
    };
    constexpr int kAny = std::numeric_limits<int>::max();
    takeInt(kGameType, settings.GameType, 0, kGameTypeCount - 1);
    takeBool(kTwoPlayers, settings.TwoPlayers);
    settings.Player1Name = texts[kPlayer1Name];
    settings.Player2Name = texts[kPlayer2Name];
    takeBool(kPlayer1Starts, settings.Player1Starts);
    takeBool(kHints, settings.Hints);
    takeInt(kMainTop, settings.MainTop, -kAny, kAny);
    takeInt(kMainLeft, settings.MainLeft, -kAny, kAny);
    takeInt(kMainWidth, settings.MainWidth, 0, kAny);
    takeInt(kMainHeight, settings.MainHeight, 0, kAny);
    takeInt(kMainViewState, settings.MainViewState, kViewNormal, kViewMaximized);
    takeBool(kQuickHintVisible, settings.QuickHintVisible);
    takeInt(kQuickHintTop, settings.QuickHintTop, -kAny, kAny);
    takeInt(kQuickHintLeft, settings.QuickHintLeft, -kAny, kAny);
    takeInt(kLegsToWin, settings.LegsToWin, 0, kMaxMatchLength);
    takeInt(kSetsToWin, settings.SetsToWin, 0, kMaxMatchLength);
    takeBool(kCaller, settings.Caller);
    takeBool(kBoardVisible, settings.BoardVisible);
    takeInt(kBoardTop, settings.BoardTop, -kAny, kAny);
    takeInt(kBoardLeft, settings.BoardLeft, -kAny, kAny);
    takeInt(kBoardWidth, settings.BoardWidth, 0, kAny);
    takeInt(kBoardHeight, settings.BoardHeight, 0, kAny);
    takeBool(kBoardFullScreen, settings.BoardFullScreen);
    takeInt(kPlayers, settings.Players, 1, kMaxPlayers);
    for (size_t index = 0; index < settings.MorePlayerNames.size(); ++index) {
        settings.MorePlayerNames[index] = texts[kPlayer3Name + index];
    }
    takeBool(kPairs, settings.Pairs);
    for (size_t index = 0; index < settings.ThrowerNames.size(); ++index) {
        settings.ThrowerNames[index] = texts[kThrower1Name + index];
    }
    for (size_t index = 0; index < settings.StartScores.size(); ++index) {
        takeInt(kStartScore1 + index, settings.StartScores[index], 2, kMaxStartScore);
    }
    for (size_t index = 0; index < settings.ComputerAverages.size(); ++index) {
        takeInt(kComputer1 + index, settings.ComputerAverages[index], kMinComputerAverage,
                kMaxComputerAverage);
    }
    takeInt(kComputerPause, settings.ComputerPause, 0, kMaxComputerPause);
    takeBool(kEnterDarts, settings.EnterDarts);
    takeBool(kRoomOn, settings.RoomOn);
    takeInt(kRoomPort, settings.RoomPort, 1, 65535);
    if (texts[kRoomPort] && !settings.RoomPort) {
        result.RefusedRoomPort = texts[kRoomPort]->left(20);
    }
    settings.RoomBoardToken = texts[kRoomBoardToken];
    settings.RoomKeypadToken = texts[kRoomKeypadToken];
    settings.Language = texts[kLanguage];
    settings.BoardsCamera = texts[kBoardsCamera];
    settings.BoardsSoft = texts[kBoardsSoft];
    settings.RoomEventsToken = texts[kRoomEventsToken];
    settings.ClubDatabase = texts[kClubDatabase];
    settings.ClubBoard = texts[kClubBoard];
    return result;
}

QByteArray WriteSettings(const TSettings& settings)
{
    QByteArray bytes;
    QXmlStreamWriter writer(&bytes);
    const auto number = [&](const char* name, std::optional<int> value, int fallback) {
        writer.writeTextElement(QLatin1String(name), QString::number(value.value_or(fallback)));
    };
    const auto flag = [&](const char* name, std::optional<bool> value, bool fallback) {
        writer.writeTextElement(QLatin1String(name), BoolText(value.value_or(fallback)));
    };
    const auto text = [&](const char* name, const std::optional<QString>& value) {
        writer.writeTextElement(QLatin1String(name), XmlSafe(value.value_or(QString())));
    };
    writer.writeStartElement(QStringLiteral("VTXSettings"));
    writer.writeStartElement(QStringLiteral("NewGame"));
    number("GameType", settings.GameType, 1);
    flag("TwoPlayers", settings.TwoPlayers, true);
    text("Player1Name", settings.Player1Name);
    text("Player2Name", settings.Player2Name);
    flag("Player1Starts", settings.Player1Starts, true);
    if (settings.LegsToWin) {
        number("LegsToWin", settings.LegsToWin, 0);
    }
    if (settings.SetsToWin) {
        number("SetsToWin", settings.SetsToWin, 0);
    }
    if (settings.Players.value_or(2) > 2) {
        number("Players", settings.Players, 2);
    }
    const auto given = [&](const QString& name, const std::optional<QString>& value) {
        if (value && !value->isEmpty()) {
            text(name.toLatin1().constData(), value);
        }
    };
    for (size_t index = 0; index < settings.MorePlayerNames.size(); ++index) {
        given(QStringLiteral("Player%1Name").arg(index + 3), settings.MorePlayerNames[index]);
    }
    if (settings.Pairs.value_or(false)) {
        flag("Pairs", settings.Pairs, false);
    }
    for (size_t index = 0; index < settings.ThrowerNames.size(); ++index) {
        given(QStringLiteral("Thrower%1Name").arg(index + 1), settings.ThrowerNames[index]);
    }
    for (size_t index = 0; index < settings.StartScores.size(); ++index) {
        if (settings.StartScores[index]) {
            number(QStringLiteral("StartScore%1").arg(index + 1).toLatin1().constData(),
                   settings.StartScores[index], 0);
        }
    }
    for (size_t index = 0; index < settings.ComputerAverages.size(); ++index) {
        if (settings.ComputerAverages[index]) {
            number(QStringLiteral("Computer%1").arg(index + 1).toLatin1().constData(),
                   settings.ComputerAverages[index], 0);
        }
    }
    if (settings.EnterDarts.value_or(false)) {
        flag("EnterDarts", settings.EnterDarts, false);
    }
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("Layout"));
    flag("Hints", settings.Hints, true);
    writer.writeStartElement(QStringLiteral("Main"));
    number("Top", settings.MainTop, 0);
    number("Left", settings.MainLeft, 0);
    number("Width", settings.MainWidth, 669);
    number("Height", settings.MainHeight, 570);
    number("ViewState", settings.MainViewState, kViewNormal);
    writer.writeEndElement();
    writer.writeStartElement(QStringLiteral("QuickHint"));
    flag("Visible", settings.QuickHintVisible, false);
    number("Top", settings.QuickHintTop, 0);
    number("Left", settings.QuickHintLeft, 0);
    writer.writeEndElement();
    if (settings.BoardVisible) {
        writer.writeStartElement(QStringLiteral("Board"));
        flag("Visible", settings.BoardVisible, false);
        number("Top", settings.BoardTop, 0);
        number("Left", settings.BoardLeft, 0);
        number("Width", settings.BoardWidth, 960);
        number("Height", settings.BoardHeight, 540);
        flag("FullScreen", settings.BoardFullScreen, false);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    if (settings.Caller.value_or(false)) {
        flag("Caller", settings.Caller, false);
    }
    if (settings.ComputerPause) {
        number("ComputerPause", settings.ComputerPause, 0);
    }
    if (settings.RoomOn || settings.RoomPort || settings.RoomBoardToken) {
        writer.writeStartElement(QStringLiteral("Room"));
        flag("On", settings.RoomOn, false);
        number("Port", settings.RoomPort, 8405);
        text("BoardToken", settings.RoomBoardToken);
        text("KeypadToken", settings.RoomKeypadToken);
        if (settings.RoomEventsToken && !settings.RoomEventsToken->isEmpty()) {
            text("EventsToken", settings.RoomEventsToken);
        }
        writer.writeEndElement();
    }
    if (settings.Language && !settings.Language->isEmpty()) {
        text("Language", settings.Language);
    }
    if (settings.BoardsCamera || settings.BoardsSoft) {
        writer.writeStartElement(QStringLiteral("Boards"));
        text("Camera", settings.BoardsCamera);
        text("Soft", settings.BoardsSoft);
        writer.writeEndElement();
    }
    if (settings.ClubDatabase || settings.ClubBoard) {
        writer.writeStartElement(QStringLiteral("Club"));
        text("Database", settings.ClubDatabase);
        text("Board", settings.ClubBoard);
        writer.writeEndElement();
    }
    writer.writeEndElement();
    return bytes;
}

TSettingsRead ReadSettingsFile(const QString& path, QByteArray* bytes)
{
    TSettingsRead result;
    const QFileInfo info(path);
    if (!info.exists()) {
        return result;
    }
    // A FIFO would block the start in open() and a device could be read for ever: only a
    // regular file is read, and only up to a size no settings file comes near.
    if (!info.isFile()) {
        result.Problems << QCoreApplication::translate("SettingsFile",
                                                       "not a regular file; using the defaults");
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Problems << QCoreApplication::translate("SettingsFile",
                                                       "cannot be read (%1); using the defaults")
                               .arg(file.errorString());
        return result;
    }
    const QByteArray read = file.read(kMaxSettingsFileBytes + 1);
    if (read.size() > kMaxSettingsFileBytes) {
        result.Problems << QCoreApplication::translate("SettingsFile",
                                                       "larger than %1 MB; using the defaults")
                               .arg(kMaxSettingsFileBytes / (1024 * 1024));
        return result;
    }
    result = ReadSettings(read);
    if (bytes != nullptr) {
        *bytes = read;
    }
    return result;
}

bool SaveSettingsFile(const QString& path, const TSettings& settings, QString* error)
{
    // Only a regular file is replaced: a link (to another user's file, a device, anything)
    // or a FIFO in its place is the user's business, and writing through it could harm what
    // it points to.
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile())) {
        if (error != nullptr) {
            *error = info.isSymLink()
                         ? QCoreApplication::translate(
                               "SettingsFile", "it is a link; nothing is written through a link")
                         : QCoreApplication::translate("SettingsFile", "not a regular file");
        }
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = WriteSettings(settings);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error != nullptr) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}
