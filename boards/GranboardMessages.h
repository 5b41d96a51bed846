#pragma once

// What an electronic soft-tip board (Granboard, over Bluetooth LE) notifies for each hit: a short
// ASCII text ("3.4@" the treble 20, "4.0@" the bull, "OUT@" a dart off the scoring area,
// "BTN@" its button). Pure C++: the board's source and the fuzzer link it.

#include "model/Dart.h"

#include <optional>
#include <string_view>

// The board's Bluetooth service and the characteristic it notifies hits on.
inline constexpr const char* kGranboardService = "442f1570-8a00-9a28-cbe1-e1d4212d53eb";
inline constexpr const char* kGranboardNotify = "442f1571-8a00-9a28-cbe1-e1d4212d53eb";

// The dart `message` reports; std::nullopt for the button and for anything the board does not
// send. Trailing NULs, spaces and line ends (some firmware pads its notifications) are ignored.
std::optional<TDart> GranboardDart(std::string_view message);
// Whether `message` is the board's button (which ends the visit).
bool GranboardButton(std::string_view message);
