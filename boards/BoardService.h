#pragma once

// The scoring boards as the program sees them: one object from the boards module
// (vantorix-boards, loaded only when a board is configured), which reads a camera system's
// local service and a soft-tip board over Bluetooth. The module knows nothing of the match: it
// says what the board has read of the visit so far, when the visit ends or is cleared, and
// how the board stands, in the operator's words.

#include "model/Dart.h"

#include <QString>
#include <functional>
#include <vector>

class QObject;

struct TBoardCalls
{
    // The visit as the board has it now: every dart so far, oldest first.
    std::function<void(const std::vector<TDart>& darts)> Visit;
    // The darts are out, or the board's button was pressed.
    std::function<void()> VisitEnded;
    // The board cleared its visit (a manual reset).
    std::function<void()> VisitCleared;
    // How the board stands ("Board: ready"), for the status bar.
    std::function<void(const QString& text)> StatusChanged;
};

// A Bluetooth board found nearby.
struct TFoundBoard
{
    QString Address;
    QString Name;
};

class TBoardService
{
public:
    virtual ~TBoardService() = default;
    // The camera service at "host:port" (a port alone means this computer); empty: none.
    // False, with the reason in `error`, when `hostPort` cannot be one.
    virtual bool SetCamera(const QString& hostPort, QString& error) = 0;
    // The soft-tip board at this Bluetooth address; empty: none.
    virtual bool SetSoft(const QString& address, QString& error) = 0;
    // Looks for soft-tip boards nearby for some seconds: `found` for each, then `done` (with
    // the reason when the search could not run, empty otherwise).
    virtual void Search(std::function<void(const TFoundBoard& board)> found,
                        std::function<void(const QString& problem)> done) = 0;
};

using TNewBoardServiceFunction = TBoardService* (*)(const TBoardCalls& calls);
inline constexpr const char* kNewBoardServiceSymbol = "VtxNewBoardService";
