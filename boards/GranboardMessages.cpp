#include "boards/GranboardMessages.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

struct TMessageDart
{
    std::string_view Message;
    TDart Dart;
};

// Each of the board's 82 hit messages (each single has an inner and an outer bed) and the miss.
constexpr std::array<TMessageDart, 83> kMessages = {{
    {"2.3@", {1, 1}},   {"2.4@", {1, 3}},   {"2.5@", {1, 1}},   {"2.6@", {1, 2}},
    {"9.1@", {2, 1}},   {"9.0@", {2, 3}},   {"9.2@", {2, 1}},   {"8.2@", {2, 2}},
    {"7.1@", {3, 1}},   {"7.0@", {3, 3}},   {"7.2@", {3, 1}},   {"8.4@", {3, 2}},
    {"0.1@", {4, 1}},   {"0.3@", {4, 3}},   {"0.5@", {4, 1}},   {"0.6@", {4, 2}},
    {"5.1@", {5, 1}},   {"5.2@", {5, 3}},   {"5.4@", {5, 1}},   {"4.6@", {5, 2}},
    {"1.0@", {6, 1}},   {"1.1@", {6, 3}},   {"1.3@", {6, 1}},   {"4.4@", {6, 2}},
    {"11.1@", {7, 1}},  {"11.2@", {7, 3}},  {"11.4@", {7, 1}},  {"8.6@", {7, 2}},
    {"6.2@", {8, 1}},   {"6.4@", {8, 3}},   {"6.5@", {8, 1}},   {"6.6@", {8, 2}},
    {"9.3@", {9, 1}},   {"9.4@", {9, 3}},   {"9.5@", {9, 1}},   {"9.6@", {9, 2}},
    {"2.0@", {10, 1}},  {"2.1@", {10, 3}},  {"2.2@", {10, 1}},  {"4.3@", {10, 2}},
    {"7.3@", {11, 1}},  {"7.4@", {11, 3}},  {"7.5@", {11, 1}},  {"7.6@", {11, 2}},
    {"5.0@", {12, 1}},  {"5.3@", {12, 3}},  {"5.5@", {12, 1}},  {"5.6@", {12, 2}},
    {"0.0@", {13, 1}},  {"0.2@", {13, 3}},  {"0.4@", {13, 1}},  {"4.5@", {13, 2}},
    {"10.3@", {14, 1}}, {"10.4@", {14, 3}}, {"10.5@", {14, 1}}, {"10.6@", {14, 2}},
    {"3.0@", {15, 1}},  {"3.1@", {15, 3}},  {"3.2@", {15, 1}},  {"4.2@", {15, 2}},
    {"11.0@", {16, 1}}, {"11.3@", {16, 3}}, {"11.5@", {16, 1}}, {"11.6@", {16, 2}},
    {"10.1@", {17, 1}}, {"10.0@", {17, 3}}, {"10.2@", {17, 1}}, {"8.3@", {17, 2}},
    {"1.2@", {18, 1}},  {"1.4@", {18, 3}},  {"1.5@", {18, 1}},  {"1.6@", {18, 2}},
    {"6.1@", {19, 1}},  {"6.0@", {19, 3}},  {"6.3@", {19, 1}},  {"8.5@", {19, 2}},
    {"3.3@", {20, 1}},  {"3.4@", {20, 3}},  {"3.5@", {20, 1}},  {"3.6@", {20, 2}},
    {"8.0@", {25, 1}},  {"4.0@", {25, 2}},  {"OUT@", {0, 1}},
}};

std::string_view Trimmed(std::string_view message)
{
    while (!message.empty() && (message.back() == '\0' || message.back() == ' ' ||
                                message.back() == '\r' || message.back() == '\n')) {
        message.remove_suffix(1);
    }
    return message;
}

} // namespace

std::optional<TDart> GranboardDart(std::string_view message)
{
    const std::string_view trimmed = Trimmed(message);
    const auto found =
        std::find_if(kMessages.begin(), kMessages.end(),
                     [trimmed](const TMessageDart& entry) { return entry.Message == trimmed; });
    return found != kMessages.end() ? std::optional<TDart>(found->Dart) : std::nullopt;
}

bool GranboardButton(std::string_view message)
{
    return Trimmed(message) == "BTN@";
}
