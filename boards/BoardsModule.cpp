// The boards module (vantorix-boards): the scoring boards' sources behind one function, loaded
// only when a board is configured, never at start-up otherwise.

#include "boards/BoardServer.h"

extern "C" Q_DECL_EXPORT TBoardService* VtxNewBoardService(const TBoardCalls& calls)
{
    return new TBoardServer(calls);
}
