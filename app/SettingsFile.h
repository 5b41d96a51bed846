#pragma once

// The settings file "VTXSettings.xml": the last New Game choices, whether the players' hint
// lists are shown, the main window's place and state, and the Quick Shot Hint window's
// visibility and place. This is the file format alone (bytes <-> TSettings, Qt Core only);
// Settings.h takes the settings from the windows and puts them back.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A value that the file did not hold (or held in a form that could not be used) stays empty,
// and the control it belongs to keeps what it has.
struct TSettings
{
    std::optional<int> GameType;
    std::optional<bool> TwoPlayers;
    std::optional<QString> Player1Name;
    std::optional<QString> Player2Name;
    std::optional<bool> Player1Starts;
    std::optional<bool> Hints;
    std::optional<int> MainTop;
    std::optional<int> MainLeft;
    std::optional<int> MainWidth;
    std::optional<int> MainHeight;
    std::optional<int> MainViewState; // 0 normal, 1 minimized, 2 maximized
    std::optional<bool> QuickHintVisible;
    std::optional<int> QuickHintTop;
    std::optional<int> QuickHintLeft;
    // Written after the elements above; a file without them plays open matches.
    std::optional<int> LegsToWin; // 0..99, 0: open
    std::optional<int> SetsToWin; // 0..99, 0: no sets
    // Written after the elements above, only when the caller is on or the board has been
    // shown: a file without them is silent, with no board.
    std::optional<bool> Caller;
    std::optional<bool> BoardVisible;
    std::optional<int> BoardTop;
    std::optional<int> BoardLeft;
    std::optional<int> BoardWidth;
    std::optional<int> BoardHeight;
    std::optional<bool> BoardFullScreen;
    // NewGame's sides beyond two, pairs and handicaps, written after the elements above and
    // only when used: Players when more than two, a name when given, Pairs when on, a start
    // score when a handicap is set. A file of one or two players reads and writes as before.
    std::optional<int> Players;                            // 1..8
    std::array<std::optional<QString>, 6> MorePlayerNames; // Player3Name .. Player8Name
    std::optional<bool> Pairs;
    std::array<std::optional<QString>, 16> ThrowerNames; // Thrower1Name .. Thrower16Name
    std::array<std::optional<int>, 8> StartScores;       // StartScore1 .. StartScore8
    // The sides the computer throws for (NewGame's Computer1 .. Computer8: the average it
    // throws at, 20..110), and the pause before its darts in milliseconds (ComputerPause,
    // after Caller), each written only when used.
    std::array<std::optional<int>, 8> ComputerAverages;
    std::optional<int> ComputerPause;
    // NewGame's EnterDarts (after Computer8), written only when on.
    std::optional<bool> EnterDarts;
    // The room on the local network (Room/On, Room/Port, Room/BoardToken, Room/KeypadToken,
    // after ComputerPause), written only once the room has been switched on.
    std::optional<bool> RoomOn;
    std::optional<int> RoomPort; // 1..65535
    std::optional<QString> RoomBoardToken;
    std::optional<QString> RoomKeypadToken;
    // The language chosen in the Language menu ("de"; Language, after Room), written only when
    // one was chosen: without it the program speaks the desktop's.
    std::optional<QString> Language;
    // The scoring boards (Boards/Camera: the camera service's "host:port"; Boards/Soft: the
    // soft-tip board's Bluetooth address; empty: none; after Language), written only once a
    // board has been set.
    std::optional<QString> BoardsCamera;
    std::optional<QString> BoardsSoft;
    // The room's events stream's token (Room/EventsToken, after Boards), written once made.
    std::optional<QString> RoomEventsToken;
    // The club's PostgreSQL server every board of the club shares competitions on (Club/
    // Database: a libpq connection string or URI, never with a password; after the others) and
    // this board's name among the club's (Club/Board), written only once set.
    std::optional<QString> ClubDatabase;
    std::optional<QString> ClubBoard;

    bool operator==(const TSettings&) const = default;
};

struct TSettingsRead
{
    TSettings Settings;
    QStringList Problems; // one line for each value or part that could not be used
    // Room/Port as written when it could not be used: the room says so when it starts.
    std::optional<QString> RefusedRoomPort;
};

inline constexpr int kGameTypeCount = 15; // "Standard 301" .. "Killer"
inline constexpr int kViewNormal = 0;
inline constexpr int kViewMinimized = 1;
inline constexpr int kViewMaximized = 2;
inline constexpr int kMaxMatchLength = 99;
inline constexpr int kMaxPlayers = 8;
inline constexpr int kMaxStartScore = 9999;
inline constexpr int kMinComputerAverage = 20;
inline constexpr int kMaxComputerAverage = 110;
inline constexpr int kMaxComputerPause = 10000;

// The largest settings file read: a real one is well under a kilobyte, and what the XML reader
// takes well under a second (at most about 0.3 s in an optimised build) is far more than any needs.
inline constexpr qint64 kMaxSettingsFileBytes = 2LL * 1024 * 1024;

// Reads the bytes of a settings file, in time linear in their size; never throws. Each element
// is taken on its own; where the XML breaks off, the values read before that point are kept.
// A document whose root is not VTXSettings is not used at all.
TSettingsRead ReadSettings(const QByteArray& bytes);
// Reads the settings file at `path`: nothing when it does not exist; only a regular file of at
// most kMaxSettingsFileBytes, anything else is a problem and leaves the defaults. `bytes`
// receives what was read.
TSettingsRead ReadSettingsFile(const QString& path, QByteArray* bytes = nullptr);
// The file's bytes: every element in its order, booleans as "true"/"false". A value that is
// empty is written as the form's default; the match length (NewGame's LegsToWin and
// SetsToWin, after Player1Starts), the board (Layout's Board, after QuickHint) and the caller
// (Caller, after Layout) only when they are set.
QByteArray WriteSettings(const TSettings& settings);

// Writes the file atomically: a crash or a kill leaves the old file or the new one, never a
// part of one. False, with the reason in `error`, when it cannot be written, or when something
// other than a regular file stands at `path` (it is left as it is).
bool SaveSettingsFile(const QString& path, const TSettings& settings, QString* error = nullptr);
