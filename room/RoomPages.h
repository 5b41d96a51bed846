#pragma once

// The board and keypad pages as served: each with its script and the pages' own words in the
// program's language, read from the resources once.

#include "room/RoomAccess.h"

#include <QByteArray>

// The whole HTTP answer to a GET of `role`'s page (headers included), closing the connection.
const QByteArray& RoomPageAnswer(TRoomRole role);
