#include "CheckoutTable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t\r\f\v";

std::string_view Trimmed(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

// ASCII case folding only, as profile files compare their names.
std::string Folded(std::string_view name)
{
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return folded;
}

bool IsComment(std::string_view line)
{
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

// Calls `visit` with every line of `text` in [begin, end), without its line end.
template <typename Visit>
void ForEachLine(const std::string& text, size_t begin, size_t end, Visit&& visit)
{
    size_t position = begin;
    while (position < end) {
        size_t next = text.find('\n', position);
        if (next == std::string::npos || next > end) {
            next = end;
        }
        const size_t lineStart = position;
        position = next + 1;
        if (!visit(std::string_view(text).substr(lineStart, next - lineStart), lineStart)) {
            return;
        }
    }
}

} // namespace

std::optional<CCheckoutTable> CCheckoutTable::Open(const std::string& path)
{
    // A directory or a device opens as a stream but fails on reading, where the library
    // reports it by an exception: such a path is no table.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    try {
        std::ifstream file(path, std::ios::binary);
        if (!file) {
            return std::nullopt;
        }
        std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        if (file.bad()) {
            return std::nullopt;
        }
        return CCheckoutTable(std::move(text));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

CCheckoutTable CCheckoutTable::FromText(std::string text)
{
    return CCheckoutTable(std::move(text));
}

CCheckoutTable::CCheckoutTable(std::string text) : m_Text(std::move(text))
{
    if (std::string_view(m_Text).substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        m_Text.erase(0, kByteOrderMark.size());
    }
    TSpan* span = nullptr; // the section being read, while it is the first of its name
    ForEachLine(m_Text, 0, m_Text.size(), [&](std::string_view raw, size_t start) {
        const std::string_view line = Trimmed(raw);
        if (line.size() >= 2 && line.front() == '[') {
            const size_t close = line.find(']');
            if (close != std::string_view::npos) {
                if (span != nullptr) {
                    span->End = start;
                }
                const auto [entry, added] =
                    m_Sections.try_emplace(Folded(Trimmed(line.substr(1, close - 1))));
                // A second section of the same name is ignored, as the profile functions do.
                span = added ? &entry->second : nullptr;
                if (span != nullptr) {
                    span->Begin = start + raw.size() + 1;
                    span->End = span->Begin;
                }
            }
        }
        return true;
    });
    if (span != nullptr) {
        span->End = m_Text.size();
    }
    for (auto& [name, section] : m_Sections) {
        section.Begin = std::min(section.Begin, m_Text.size());
        section.End = std::max(section.Begin, std::min(section.End, m_Text.size()));
    }
}

std::vector<std::string> CCheckoutTable::Hints(int score) const
{
    return SectionValues(std::to_string(score));
}

std::vector<std::string> CCheckoutTable::SectionValues(std::string_view section) const
{
    const auto found = m_Sections.find(Folded(Trimmed(section)));
    if (found == m_Sections.end()) {
        return {};
    }
    struct TLine
    {
        std::string Key;
        std::string_view Value;
    };
    std::vector<TLine> lines;
    ForEachLine(m_Text, found->second.Begin, found->second.End, [&](std::string_view raw, size_t) {
        const std::string_view line = Trimmed(raw);
        const size_t equals = line.find('=');
        if (!IsComment(line) && equals != std::string_view::npos) {
            lines.push_back(
                {Folded(Trimmed(line.substr(0, equals))), Trimmed(line.substr(equals + 1))});
        }
        return true;
    });
    // Each line shows the value of the first line with its key.
    std::vector<std::string> values;
    values.reserve(lines.size());
    std::unordered_map<std::string_view, std::string_view> firstValues;
    for (const TLine& line : lines) {
        const auto [first, added] = firstValues.try_emplace(line.Key, line.Value);
        values.emplace_back(first->second);
    }
    return values;
}
