#include "app/Settings.h"

#include "session/ComputerThrower.h"
#include "store/StoredMatch.h"
#include "ui/board/BoardWindow.h"
#include "ui/hints/UnitHintDlg.h"
#include "ui/main/UnitMain.h"
#include "ui/newgame/UnitGameDlg.h"

#include <QGuiApplication>
#include <QScreen>

// The file format cannot see the dialog; the two must agree on how many games there are.
static_assert(kGameTypeCount == TNewGameDialog::kGameCount);
static_assert(kMaxMatchLength == TNewGameDialog::kMaxMatchLength);

namespace {

// The screen that shows at least a corner of the title area of a window at `wanted`, or none.
// In 64 bits: a position near the int limit must not overflow the arithmetic.
const QScreen* ScreenShowing(QPoint wanted, int width)
{
    const qint64 left = wanted.x();
    const qint64 top = wanted.y();
    const qint64 right = left + std::max(width, 1);
    const qint64 bottom = top + 24;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        const qint64 visibleWidth = std::min<qint64>(right, qint64(area.x()) + area.width()) -
                                    std::max<qint64>(left, area.x());
        const qint64 visibleHeight = std::min<qint64>(bottom, qint64(area.y()) + area.height()) -
                                     std::max<qint64>(top, area.y());
        if (visibleWidth >= 40 && visibleHeight >= 8) {
            return screen;
        }
    }
    return nullptr;
}

// Where a window of `size` goes: where it was, moved just enough to lie wholly on the screen
// that shows its title; or centred on the primary screen when no screen shows it now.
QPoint PlaceOnScreen(QPoint wanted, QSize size)
{
    if (const QScreen* screen = ScreenShowing(wanted, size.width())) {
        const QRect area = screen->availableGeometry();
        const int x = std::clamp(wanted.x(), area.left(),
                                 std::max(area.left(), area.left() + area.width() - size.width()));
        const int y = std::clamp(wanted.y(), area.top(),
                                 std::max(area.top(), area.top() + area.height() - size.height()));
        return {x, y};
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary == nullptr) {
        return wanted;
    }
    const QRect area = primary->availableGeometry();
    const QSize fitted = size.boundedTo(area.size());
    return area.topLeft() +
           QPoint((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2);
}

// A stored size no larger than the screen the window comes back on, and no smaller than the
// window allows: a size beyond every screen would put the players' boxes out of reach.
QSize FittedSize(QSize wanted, QPoint place, const QWidget& window)
{
    const QScreen* screen = ScreenShowing(place, wanted.width());
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    QSize size = wanted;
    if (screen != nullptr) {
        size = size.boundedTo(screen->availableGeometry().size());
    }
    return size.expandedTo(window.minimumSize());
}

// Puts a window back at the stored place and size, fitted to the screen it comes back on;
// what the file did not hold stays as it is.
void RestorePlace(QWidget& window, std::optional<int> left, std::optional<int> top,
                  std::optional<int> width, std::optional<int> height)
{
    const QPoint wanted(left.value_or(window.x()), top.value_or(window.y()));
    const QSize size = FittedSize(
        QSize(width.value_or(window.width()), height.value_or(window.height())), wanted, window);
    window.resize(size);
    window.move(PlaceOnScreen(wanted, size));
}

} // namespace

TSettings TakeSettings(const TFormVTX& main, const TNewGameDialog& dialog, const TFormHint& hint)
{
    TSettings settings;
    const TNewGameChoices choices = dialog.Choices();
    // Before the dialog was first shown nothing is chosen; the file holds the game it preselects.
    settings.GameType = choices.GameType >= 0 ? choices.GameType : 1;
    settings.TwoPlayers = choices.TwoPlayers;
    settings.Player1Name = choices.Player1Name;
    settings.Player2Name = choices.Player2Name;
    settings.Player1Starts = choices.Player1Starts;
    // An open match writes no match length: the file stays as it always was, and a file
    // without the elements is an open match.
    if (choices.LegsToWin > 0) {
        settings.LegsToWin = choices.LegsToWin;
    }
    if (choices.SetsToWin > 0) {
        settings.SetsToWin = choices.SetsToWin;
    }
    // Only what is used is written: a file of one or two players stays as it always was.
    if (choices.Players > 2) {
        settings.Players = choices.Players;
    }
    for (size_t index = 0; index < settings.MorePlayerNames.size(); ++index) {
        const QString name = choices.MorePlayerNames.value(static_cast<qsizetype>(index));
        if (!name.isEmpty()) {
            settings.MorePlayerNames[index] = name;
        }
    }
    if (choices.Pairs) {
        settings.Pairs = true;
    }
    for (size_t index = 0; index < settings.ThrowerNames.size(); ++index) {
        const QString name = choices.ThrowerNames.value(static_cast<qsizetype>(index));
        if (!name.isEmpty()) {
            settings.ThrowerNames[index] = name;
        }
    }
    for (size_t index = 0; index < settings.StartScores.size(); ++index) {
        if (static_cast<qsizetype>(index) < choices.StartScores.size()) {
            settings.StartScores[index] = choices.StartScores[static_cast<qsizetype>(index)];
        }
    }
    for (size_t index = 0; index < settings.ComputerAverages.size(); ++index) {
        if (const int average = choices.ComputerAverages.value(static_cast<qsizetype>(index));
            average > 0) {
            settings.ComputerAverages[index] = average;
        }
    }
    if (choices.EnterDarts) {
        settings.EnterDarts = true;
    }
    if (main.Computer().Pause() != TComputerThrower::kDefaultPauseMilliseconds) {
        settings.ComputerPause = main.Computer().Pause();
    }
    settings.Hints = main.HintsShown();
    // A maximized or minimized window keeps its normal place for when it is restored.
    const Qt::WindowStates state = main.windowState();
    const QRect place = state & (Qt::WindowMaximized | Qt::WindowMinimized)
                            ? main.normalGeometry()
                            : QRect(main.pos(), main.size());
    settings.MainTop = place.top();
    settings.MainLeft = place.left();
    settings.MainWidth = place.width();
    settings.MainHeight = place.height();
    settings.MainViewState = state & Qt::WindowMaximized   ? kViewMaximized
                             : state & Qt::WindowMinimized ? kViewMinimized
                                                           : kViewNormal;
    settings.QuickHintVisible = hint.isVisible();
    // A hint window not yet placed this session is saved where it will first open.
    const QPoint hintPlace = hint.Place();
    settings.QuickHintTop = hintPlace.y();
    settings.QuickHintLeft = hintPlace.x();
    if (main.CallerOn()) {
        settings.Caller = true;
    }
    // The board's normal place: it comes back full screen on the screen it was on.
    if (const TFormBoard* board = main.BoardWindow()) {
        const QRect boardPlace = board->NormalPlace();
        settings.BoardVisible = board->isVisible();
        settings.BoardTop = boardPlace.top();
        settings.BoardLeft = boardPlace.left();
        settings.BoardWidth = boardPlace.width();
        settings.BoardHeight = boardPlace.height();
        settings.BoardFullScreen = board->isFullScreen();
    }
    return settings;
}

void ApplySettings(const TSettings& settings, TFormVTX& main, TNewGameDialog& dialog,
                   TFormHint& hint)
{
    TNewGameChoices choices = dialog.Choices();
    choices.GameType = settings.GameType.value_or(choices.GameType);
    choices.TwoPlayers = settings.TwoPlayers.value_or(choices.TwoPlayers);
    // A hand-edited name is cleaned as a typed one is.
    choices.Player1Name = CutName(settings.Player1Name.value_or(choices.Player1Name));
    choices.Player2Name = CutName(settings.Player2Name.value_or(choices.Player2Name));
    choices.Player1Starts = settings.Player1Starts.value_or(choices.Player1Starts);
    choices.LegsToWin = settings.LegsToWin.value_or(choices.LegsToWin);
    choices.SetsToWin = settings.SetsToWin.value_or(choices.SetsToWin);
    choices.Players = settings.Players.value_or(0);
    const auto cleaned = [](const std::optional<QString>& name) {
        return CutName(name.value_or(QString()));
    };
    choices.MorePlayerNames.clear();
    for (const std::optional<QString>& name : settings.MorePlayerNames) {
        choices.MorePlayerNames.append(cleaned(name));
    }
    choices.Pairs = settings.Pairs.value_or(false);
    choices.ThrowerNames.clear();
    for (const std::optional<QString>& name : settings.ThrowerNames) {
        choices.ThrowerNames.append(cleaned(name));
    }
    // A handicap is every side's start score; a file with only some of them has none.
    choices.StartScores.clear();
    for (const std::optional<int>& start : settings.StartScores) {
        if (start) {
            choices.StartScores.append(*start);
        }
    }
    if (choices.StartScores.size() != static_cast<qsizetype>(settings.StartScores.size())) {
        choices.StartScores.clear();
    }
    choices.ComputerAverages.clear();
    for (const std::optional<int>& average : settings.ComputerAverages) {
        choices.ComputerAverages.append(average.value_or(0));
    }
    // Darts from a board are entered dart by dart: with a board set, New Game starts that way.
    choices.EnterDarts =
        settings.EnterDarts.value_or(!settings.BoardsCamera.value_or(QString()).isEmpty() ||
                                     !settings.BoardsSoft.value_or(QString()).isEmpty());
    dialog.SetChoices(choices);
    main.Computer().SetPause(
        settings.ComputerPause.value_or(TComputerThrower::kDefaultPauseMilliseconds));

    if (settings.Hints) {
        main.SetHintsShown(*settings.Hints);
    }

    // A maximized window keeps its place and size as they are; a window closed while
    // minimized opens normally, since a scoreboard that starts hidden helps nobody.
    if (settings.MainViewState == kViewMaximized) {
        main.setWindowState(main.windowState() | Qt::WindowMaximized);
    } else {
        RestorePlace(main, settings.MainLeft, settings.MainTop, settings.MainWidth,
                     settings.MainHeight);
    }

    if (settings.QuickHintTop || settings.QuickHintLeft) {
        const QPoint wanted(settings.QuickHintLeft.value_or(hint.x()),
                            settings.QuickHintTop.value_or(hint.y()));
        hint.move(PlaceOnScreen(wanted, hint.size()));
    }
    main.SetCallerOn(settings.Caller.value_or(false));

    // The other windows come with the main window's contents: at the program's start, after
    // the New Game dialog is on screen.
    main.WhenBuilt([settings, &main, &hint] {
        if (settings.QuickHintVisible.value_or(false)) {
            hint.show();
        }
        // The board is made only when the file has one; it is shown only when it was showing.
        if (settings.BoardVisible) {
            TFormBoard& board = main.Board();
            RestorePlace(board, settings.BoardLeft, settings.BoardTop, settings.BoardWidth,
                         settings.BoardHeight);
            if (settings.BoardFullScreen.value_or(false)) {
                board.setWindowState(board.windowState() | Qt::WindowFullScreen);
            }
            main.SetBoardShown(*settings.BoardVisible);
        }
    });
}
