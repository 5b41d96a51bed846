#pragma once

// The settings file "VTXSettings.xml": the last New Game choices, whether the players' hint
// lists are shown, the main window's place and state, and the Quick Shot Hint window's
// visibility and place. This is the file format alone (bytes <-> TSettings, Qt Core only);
// Settings.h takes the settings from the windows and puts them back.

#include <QByteArray>
#include <QString>
#include <QStringList>
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

    bool operator==(const TSettings&) const = default;
};

struct TSettingsRead
{
    TSettings Settings;
    QStringList Problems; // one line for each value or part that could not be used
};

inline constexpr int kGameTypeCount = 5; // "Standard 301" .. "Continous Points"
inline constexpr int kViewNormal = 0;
inline constexpr int kViewMinimized = 1;
inline constexpr int kViewMaximized = 2;

// Reads the bytes of a settings file; never throws. A document that is not well-formed XML is
// not used at all; otherwise each element is taken on its own.
TSettingsRead ReadSettings(const QByteArray& bytes);
// The file's bytes: every element in its order, booleans as "true"/"false". A value that is
// empty is written as the form's default.
QByteArray WriteSettings(const TSettings& settings);

// Writes the file atomically: a crash or a kill leaves the old file or the new one, never a
// part of one. False, with the reason in `error`, when it cannot be written.
bool SaveSettingsFile(const QString& path, const TSettings& settings, QString* error = nullptr);
