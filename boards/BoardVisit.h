#pragma once

// A scoring board's visit as a source of the match session: the darts the board has read so
// far are shown at once in the thrower's box as if typed (the operator sees them and may still
// edit them), and the visit is entered when the board says it is over (the darts taken out,
// the button pressed) or at once when a dart finishes or busts the turn before its third. A
// visit that begins when no dart may be taken (the winner banner up, the leg over, the
// computer to throw) is ignored until it ends, and said, never recorded.

#include "model/Dart.h"

#include <QObject>
#include <QString>
#include <vector>

class TMatchSession;

// Where a board's darts are shown and entered: the window's typed entry.
class TBoardEntry
{
public:
    virtual ~TBoardEntry() = default;
    // The winner banner holds input until it is acknowledged.
    virtual bool InputHeld() const = 0;
    // The computer throws `side`'s turns now.
    virtual bool ComputerThrows(int side) const = 0;
    // `now` is the visit so far, `before` what the board showed of it last.
    virtual void ShowDarts(int side, const std::vector<TDart>& before,
                           const std::vector<TDart>& now) = 0;
    // Enters what `side`'s box holds, as Enter does.
    virtual void SubmitDarts(int side) = 0;
};

class TBoardVisit final : public QObject
{
    Q_OBJECT

public:
    TBoardVisit(TMatchSession& session, TBoardEntry& entry);

    // The board's visit as it stands: every dart so far, oldest first (a camera's correction
    // replaces a dart read before). Darts past the third are not the visit's.
    void Read(std::vector<TDart> darts);
    // The darts are out (or the button pressed): the visit is entered unless it was already.
    void End();
    // The board cleared its visit: what it showed goes from the box.
    void Clear();

signals:
    // Something the operator should know, for the status bar.
    void Said(const QString& text);
    // The visit's darts so far, as shown in `side`'s box (for the room's events).
    void DartsShown(int side, const std::vector<TDart>& darts);

private:
    // Whether the turn is over after `darts`: they finish or bust it before the third, or the
    // third finishes it.
    bool EndsTurn(const std::vector<TDart>& darts) const;
    void Reset();
    // Hands the visit's box to the session.
    void Enter();

    TMatchSession& m_Session;
    TBoardEntry& m_Entry;
    bool m_InVisit = false;
    int m_Side = -1;
    std::vector<TDart> m_Darts;
    // The visit's turn is entered (by the board or by the operator): what else it reads is
    // said and ignored until it ends.
    bool m_Done = false;
    // The visit began when no dart could be taken: ignored, after saying so once.
    bool m_Ignored = false;
    // A turn is being entered from here: the session's echo is not the operator's.
    bool m_Entering = false;
};
