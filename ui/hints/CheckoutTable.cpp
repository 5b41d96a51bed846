#include "ui/hints/CheckoutTable.h"

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

// Only ";" starts a comment for the profile functions; a "#" line is an ordinary one.
bool IsComment(std::string_view line)
{
    return !line.empty() && line.front() == ';';
}

// One pair of matching quotes around a value is not part of it, as the profile functions read.
std::string_view Unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

void AppendUtf8(std::string& out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A table saved as "Unicode" by a Windows editor: UTF-16 behind its byte-order mark. An
// unpaired surrogate becomes U+FFFD, and an odd last byte is dropped.
std::string FromUtf16(std::string_view bytes, bool bigEndian)
{
    std::string out;
    out.reserve(bytes.size());
    const auto unit = [&](size_t at) {
        const auto high = static_cast<unsigned char>(bytes[bigEndian ? at : at + 1]);
        const auto low = static_cast<unsigned char>(bytes[bigEndian ? at + 1 : at]);
        return static_cast<char32_t>(high << 8 | low);
    };
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        char32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < bytes.size()) {
            const char32_t next = unit(at + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
                at += 2;
            }
        }
        AppendUtf8(out, code >= 0xD800 && code <= 0xDFFF ? char32_t{0xFFFD} : code);
    }
    return out;
}

bool IsUtf8(std::string_view bytes)
{
    size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        size_t length = 1;
        char32_t code = lead;
        if (lead >= 0x80) {
            if (lead >= 0xC2 && lead <= 0xDF) {
                length = 2;
                code = lead & 0x1F;
            } else if (lead >= 0xE0 && lead <= 0xEF) {
                length = 3;
                code = lead & 0x0F;
            } else if (lead >= 0xF0 && lead <= 0xF4) {
                length = 4;
                code = lead & 0x07;
            } else {
                return false;
            }
            if (at + length > bytes.size()) {
                return false;
            }
            for (size_t next = 1; next < length; ++next) {
                const auto byte = static_cast<unsigned char>(bytes[at + next]);
                if ((byte & 0xC0) != 0x80) {
                    return false;
                }
                code = code << 6 | (byte & 0x3F);
            }
            // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
            static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
            if (code < kSmallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

// A table written by an older Windows editor in the ANSI code page (Windows-1252): what is not
// UTF-8 is read as that. The five bytes the code page leaves open map to the C1 controls of
// the same number, as Windows maps them.
std::string FromWindows1252(std::string_view bytes)
{
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? char32_t{kHigh[byte - 0x80]} : byte);
    }
    return out;
}

// The file's text as UTF-8 with "\n" line ends, whatever a Windows editor saved it as:
// UTF-16 or UTF-8 with a byte-order mark, UTF-8, or Windows-1252; CRLF, LF or bare CR.
std::string Normalised(std::string text)
{
    const std::string_view view(text);
    if (view.substr(0, 2) == "\xFF\xFE" || view.substr(0, 2) == "\xFE\xFF") {
        text = FromUtf16(view.substr(2), view[0] == '\xFE');
    } else if (view.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.erase(0, kByteOrderMark.size());
    } else if (!IsUtf8(view)) {
        text = FromWindows1252(view);
    }
    std::string lines;
    lines.reserve(text.size());
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\r') {
            lines += '\n';
            if (at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
        } else {
            lines += text[at];
        }
    }
    return lines;
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

CCheckoutTable::CCheckoutTable(std::string text) : m_Text(Normalised(std::move(text)))
{
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
            lines.push_back({Folded(Trimmed(line.substr(0, equals))),
                             Unquoted(Trimmed(line.substr(equals + 1)))});
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
