// The room module (vantorix-room): the room's server behind one function, loaded
// when the room is first switched on, never at start-up.

#include "room/RoomServer.h"

extern "C" Q_DECL_EXPORT TRoomService* VtxNewRoomService(const TRoomCalls& calls)
{
    return new TRoomServer(calls);
}
