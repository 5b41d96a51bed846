#pragma once

#include "model/MatchOperation.h"
#include "model/UnitVTXGameLogic.h"
#include "session/MatchSession.h"
#include "ui/main/WinnerBanner.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolBar;
class CCheckoutTable;
class TFormHint;
class TNewGameDialog;
class TScoreListModel;
class TDigitEdit;
class TPlayerPanel;
class TStatsPage;
class TNoticeBar;
class TCaller;
class TFormBoard;
class TBoardFollower;
class TCallerFollower;
class TMainActions;
class TMainPages;
class TTypedEntry;
class TManySides;
class TComputerThrower;
struct TBoardState;

// The scoreboard window. It follows the match session and is a source of its operations: two
// player panels on the "Default" page, the statistics on the "Stats" page, every command as an
// action with its shortcut. The program's start makes the session first and hands it over; a
// window made without one (a tool, a benchmark) has a session of its own.
class TFormVTX final : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kBannerMilliseconds = TWinnerBanner::kMilliseconds;

    explicit TFormVTX(QWidget* parent = nullptr);
    // The window of the program's start: only its frame is made now (actions, caller, place),
    // so that the New Game dialog is on screen first. The contents are made when the window
    // is first shown, or by BuildContents().
    struct TContentsLater
    {};
    explicit TFormVTX(TContentsLater, QWidget* parent = nullptr);
    // The same over a session made before the window.
    TFormVTX(TMatchSession& session, TContentsLater, QWidget* parent = nullptr);
    // What follows the session beside the window: the computer (a source like the window), the
    // caller and the board. The program's start makes them before the window; a window made
    // without them makes its own.
    struct TFollowers
    {
        TComputerThrower& Computer;
        TCallerFollower& Calls;
        TBoardFollower& Board;
    };
    TFormVTX(TMatchSession& session, TFollowers followers, TContentsLater,
             QWidget* parent = nullptr);
    ~TFormVTX() override;

    const CGame& Game() const { return m_Game; }
    // The match in play: every operation of the window goes through it, and the program's
    // followers (the store keeper) subscribe to it.
    TMatchSession& Session() { return m_Session; }
    // The computer, which throws for the match's computer sides (ActionPauseBot pauses it).
    TComputerThrower& Computer() const { return *m_Computer; }
    // The window's actions, for what the program wires to them (the room on the network).
    TMainActions& Actions() const { return *m_Actions; }
    // The operator's typing, once the contents are made (a scoring board's darts go there).
    TTypedEntry* Entry() const { return m_Entry.get(); }
    // Directory of the executable, ending in one separator.
    const QString& ProgramDir() const { return m_ProgramDir; }

    // The dialog ActionNew shows; created by the start sequence after this window.
    void SetNewGameDialog(TNewGameDialog* dialog) { m_NewGameDialog = dialog; }
    // The Quick Shot Hint window that ActionQuickShotHints and ActionToggleFocus work on.
    void SetHintWindow(TFormHint* window);

    // Makes the panels, pages, tool bar and checkout table if they are not made yet, then runs
    // what waits for them (WhenBuilt). Until then no action changes the match.
    void BuildContents();
    bool ContentsBuilt() const { return m_Notebook != nullptr; }
    // Runs `step` now when the contents are made, else right after they are.
    void WhenBuilt(std::function<void()> step);
    // The start: New Game is opened at once; this window, if not shown yet, is made and shown
    // behind the dialog as soon as the dialog has been painted, leaving it the keyboard.
    void OpenNewGameFirst();
    void setVisible(bool visible) override;
    // Opens the checkout table at `path` if the file exists; else the program goes on without
    // one. The window opens "VTXOutShots.ini" beside the executable when its contents are made.
    bool OpenCheckoutTable(const QString& path);
    const CCheckoutTable* CheckoutTable() const { return m_CheckoutTable.get(); }

    // Shows a line in the notice strip under the page (and on standard error), for the
    // operator to read without being stopped: a settings file or checkout table that could
    // not be used. The keyboard stays where it is.
    void ShowNotice(const QString& line);
    QStringList Notices() const;

    // Whether the players' hint lists and their captions are shown (ActionHints).
    bool HintsShown() const;
    void SetHintsShown(bool shown);

    // Recomputes the enabled and checked state of every action from the match and the page.
    void UpdateActions();
    // True while the winner banner holds back all keyboard and mouse input.
    bool InputBlocked() const;

    // Puts a stored match back as it stood: the operations are replayed through the match,
    // then the panels, title and the player to throw are shown. False when an operation was
    // refused: it is skipped (its index in `skipped`) and the replay goes on past it.
    bool ResumeMatch(const QString& gameName, const TGameParams& params,
                     const std::vector<TMatchOperation>& operations,
                     std::vector<size_t>* skipped = nullptr);

    // The caller (ActionCaller): off until switched on; its voice starts on first use.
    TCaller& Caller() const;
    bool CallerOn() const;
    void SetCallerOn(bool on);
    // The board for the room (ActionBoard), made the first time it is asked for; none before.
    TFormBoard* BoardWindow() const;
    TFormBoard& Board();
    void SetBoardShown(bool shown);
    // What the board shows of the match as it stands.
    TBoardState BoardState() const;

signals:
    // The window is closing: the moment to save what should outlive the program.
    void Closing();
    // The dialog's Resume, the History and the Export actions: the program's match keeper
    // answers them.
    void ResumeRequested();
    void HistoryRequested();
    void ExportRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame, over `followers` (the program's or the window's own).
    void MakeFrame(TFollowers followers);
    void ConnectActions();
    void CreatePages();

    void ActionNewExecute();
    void ShowBehindDialog();
    void ActionAboutExecute();
    void ActionExitExecute();
    void ActionNextLegExecute();
    void ActionHintsExecute();
    void ActionSubmitScoreExecute();
    void ActionThrowExecute(const QAction* action);
    void ActionOutShotExecute(const QAction* action);
    void ActionUndoThrowExecute();
    void ActionToggleFocusExecute();
    void ActionQuickShotHintsExecute();
    void ActionStatsExecute();
    void NotebookPageChanged(int page);
    void ActionCallerExecute();
    void ActionBoardExecute();
    // The computer's darts as they land on its panel, or why it does not throw (paused, or
    // waiting after an undo).
    void ShowDartsLines();

    void ShowMatch();
    // An operation is done: with more than two sides the panel and the cards are shown now.
    void OperationDone();
    // With more than two sides: the one panel shows side `player`, chosen by the operator to
    // look at or correct its turns (and the next or previous side by ActionNextSheet and
    // ActionPreviousSheet).
    void ChooseSide(int player);
    void ActionNextSheetExecute(const QAction* action);
    void GameSheetChanged(CPlayerScores& sheet);
    void GameTurnChanged(CPlayerScores* sheet);
    void GameLegWon(CPlayerScores& sheet);

    // Applies an operation of the operator to the match and announces it when taken.
    bool Apply(const TMatchOperation& operation);
    // Activates this window and puts the focus into the Thrown box of the player to throw.
    void GiveKeyboardBack();
    void FillPlayerHints(int score, int player);
    void SetActivePlayer(int player);
    // The game, the match format and the leg in play in the title; legs and sets won under the
    // names. A match without a length shows the game alone, as always.
    void UpdateMatchDisplay();

    // Made only when no session was handed over.
    std::unique_ptr<TMatchSession> m_OwnSession;
    TMatchSession& m_Session;
    const CGame& m_Game = m_Session.Game();
    QString m_ProgramDir;
    TNewGameDialog* m_NewGameDialog = nullptr;
    std::unique_ptr<CCheckoutTable> m_CheckoutTable;
    // A plain widget pointer: the window may be told of the hint window's Hide while that is
    // being destroyed, when it is no longer a TFormHint.
    QPointer<QWidget> m_HintWindow;

    QLabel* m_PanelGameTitle = nullptr;
    QStackedWidget* m_Notebook = nullptr;
    QWidget* m_PanelX01 = nullptr;
    TWinnerBanner* m_Banner = nullptr;
    TStatsPage* m_StatsPage = nullptr;
    TNoticeBar* m_Notice = nullptr;
    std::array<TPlayerPanel*, 2> m_Players{};

    TMainPages* m_Pages = nullptr;
    std::unique_ptr<TMainActions> m_Actions;
    std::unique_ptr<TTypedEntry> m_Entry;
    std::unique_ptr<TManySides> m_Sides;
    // The followers beside the window, and those it made itself when given none (they go
    // before the session it may own, declared before them).
    TBoardFollower* m_Room = nullptr;
    TCallerFollower* m_Calls = nullptr;
    TComputerThrower* m_Computer = nullptr;
    std::unique_ptr<TComputerThrower> m_OwnComputer;
    std::unique_ptr<TCallerFollower> m_OwnCalls;
    std::unique_ptr<TBoardFollower> m_OwnBoard;
    // Notices said before the notice strip was made, and steps waiting for the contents.
    QStringList m_EarlyNotices;
    std::vector<std::function<void()>> m_WhenBuilt;
    // OpenNewGameFirst: the window shows itself once the dialog has been painted.
    bool m_ShowBehindDialog = false;
};
