#include "Settings.h"

#include "UnitGameDlg.h"
#include "UnitHintDlg.h"
#include "UnitMain.h"

#include <QGuiApplication>
#include <QScreen>

// The file format cannot see the dialog; the two must agree on how many games there are.
static_assert(kGameTypeCount == TNewGameDialog::kGameCount);

namespace {

// True when at least a corner of the title area lies on some screen.
bool IsOnSomeScreen(const QRect& frame)
{
    const QRect titleArea(frame.topLeft(), QSize(std::max(frame.width(), 1), 24));
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect visible = screen->availableGeometry().intersected(titleArea);
        if (visible.width() >= 40 && visible.height() >= 8) {
            return true;
        }
    }
    return false;
}

// The place to put a window: where it was, or centred on the primary screen when that place
// is on no screen now.
QPoint PlaceOnScreen(QPoint wanted, QSize size)
{
    if (IsOnSomeScreen(QRect(wanted, size))) {
        return wanted;
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
    settings.QuickHintTop = hint.pos().y();
    settings.QuickHintLeft = hint.pos().x();
    return settings;
}

void ApplySettings(const TSettings& settings, TFormVTX& main, TNewGameDialog& dialog,
                   TFormHint& hint)
{
    TNewGameChoices choices = dialog.Choices();
    choices.GameType = settings.GameType.value_or(choices.GameType);
    choices.TwoPlayers = settings.TwoPlayers.value_or(choices.TwoPlayers);
    choices.Player1Name = settings.Player1Name.value_or(choices.Player1Name);
    choices.Player2Name = settings.Player2Name.value_or(choices.Player2Name);
    choices.Player1Starts = settings.Player1Starts.value_or(choices.Player1Starts);
    dialog.SetChoices(choices);

    if (settings.Hints) {
        main.SetHintsShown(*settings.Hints);
    }

    // A maximized window keeps its place and size as they are; a window closed while
    // minimized opens normally, since a scoreboard that starts hidden helps nobody.
    if (settings.MainViewState == kViewMaximized) {
        main.setWindowState(main.windowState() | Qt::WindowMaximized);
    } else {
        const QSize size(
            std::max(settings.MainWidth.value_or(main.width()), main.minimumWidth()),
            std::max(settings.MainHeight.value_or(main.height()), main.minimumHeight()));
        main.resize(size);
        const QPoint wanted(settings.MainLeft.value_or(main.x()),
                            settings.MainTop.value_or(main.y()));
        main.move(PlaceOnScreen(wanted, size));
    }

    if (settings.QuickHintTop || settings.QuickHintLeft) {
        const QPoint wanted(settings.QuickHintLeft.value_or(hint.x()),
                            settings.QuickHintTop.value_or(hint.y()));
        hint.move(PlaceOnScreen(wanted, hint.size()));
    }
    if (settings.QuickHintVisible.value_or(false)) {
        hint.show();
    }
}
