#include "model/DartNotation.h"

#include <algorithm>
#include <cctype>

namespace {

// `text` without the spaces around it.
std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string Lower(std::string_view word)
{
    std::string lower(word);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// 1..20 or 25 written as digits only; -1 otherwise.
int32_t Number(std::string_view digits)
{
    if (digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; })) {
        return -1;
    }
    const int32_t number = std::stoi(std::string(digits));
    return (number >= 1 && number <= 20) || number == 25 ? number : -1;
}

bool ParseWord(std::string_view word, TDart& dart)
{
    const std::string lower = Lower(word);
    if (lower == "0" || lower == "m" || lower == "miss") {
        dart = {0, 1};
        return true;
    }
    if (lower == "bull" || lower == "b" || lower == "db") {
        dart = {25, 2};
        return true;
    }
    int32_t multiplier = 1;
    std::string_view digits = lower;
    if (lower.front() == 's' || lower.front() == 'd' || lower.front() == 't') {
        multiplier = lower.front() == 's' ? 1 : lower.front() == 'd' ? 2 : 3;
        digits.remove_prefix(1);
    }
    const int32_t number = Number(digits);
    dart = {number, multiplier};
    return number > 0 && IsValidDart(dart);
}

} // namespace

bool ParseDarts(std::string_view text, std::vector<TDart>& darts, std::string* badWord)
{
    darts.clear();
    size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        TDart dart;
        const bool known = ParseWord(word, dart);
        if (!known || darts.size() == 3) {
            // A fourth dart is too many, not a word that is no dart.
            if (badWord != nullptr) {
                *badWord = known ? std::string() : std::string(word);
            }
            darts.clear();
            return false;
        }
        darts.push_back(dart);
        at = end;
    }
    return true;
}

std::string DartText(const TDart& dart)
{
    if (dart.Segment == 0 || !IsValidDart(dart)) {
        return "Miss";
    }
    if (dart.Segment == 25) {
        return dart.Multiplier == 2 ? "Bull" : "25";
    }
    const std::string number = std::to_string(dart.Segment);
    return dart.Multiplier == 3   ? std::string(1, 'T').append(number)
           : dart.Multiplier == 2 ? std::string(1, 'D').append(number)
                                  : number;
}

std::string DartsText(const std::vector<TDart>& darts, std::string_view separator)
{
    std::string text;
    for (const TDart& dart : darts) {
        text.append(text.empty() ? std::string_view() : separator).append(DartText(dart));
    }
    return text;
}

bool LooksLikeDarts(std::string_view text)
{
    const std::string_view word = Trimmed(text);
    if (word.empty()) {
        return false;
    }
    return !std::all_of(word.begin(), word.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::optional<int32_t> ParseLeft(std::string_view text)
{
    std::string_view word = Trimmed(text);
    if (word.empty()) {
        return std::nullopt;
    }
    if (word.front() != 'r' && word.front() != 'R' && word.front() != '=') {
        return std::nullopt;
    }
    word.remove_prefix(1);
    if (word.empty() || word.size() > 3 || !std::all_of(word.begin(), word.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c)) != 0;
        })) {
        return std::nullopt;
    }
    return std::stoi(std::string(word));
}
