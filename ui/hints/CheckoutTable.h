#pragma once

// The checkout table: an ini file with one section per score ("[170]") whose lines are the
// routes shown for it ("1=T20 T20 Bull"). Read the way the Windows profile functions read it,
// since operators bring tables kept for years on Windows: section and key names without regard
// to case, the first of two same-named sections wins, lines without "=" and comment lines
// (";") are skipped, one pair of quotes around a value is dropped. UTF-16 and UTF-8 with a
// byte-order mark, UTF-8, and Windows-1252 (what is not UTF-8) are read; CRLF, LF and bare CR
// end lines, and lines may be of any length. Plain C++, no toolkit.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CCheckoutTable final
{
public:
    // The table in the file at `path`, or none when it cannot be read.
    static std::optional<CCheckoutTable> Open(const std::string& path);
    // The table in `text`, the whole content of a file.
    static CCheckoutTable FromText(std::string text);

    // The values of the section named by the score's decimal text, in file order. A key that
    // stands twice shows the value of its first line both times. No section: no lines.
    std::vector<std::string> Hints(int score) const;
    std::vector<std::string> SectionValues(std::string_view section) const;

    size_t SectionCount() const { return m_Sections.size(); }

private:
    struct TSpan
    {
        size_t Begin = 0;
        size_t End = 0;
    };

    explicit CCheckoutTable(std::string text);

    std::string m_Text;
    // Lower-case section name -> the bytes of its lines; found in one pass when opened, each
    // section's lines are read only when asked for.
    std::unordered_map<std::string, TSpan> m_Sections;
};
