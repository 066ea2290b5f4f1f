// SPDX-License-Identifier: MIT
#include "store/ProfileText.h"

#include <optional>
#include <vector>

namespace kelvory {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct Line {
    std::string_view content; // without the line end
    std::string_view eol;     // "\n", "\r\n" or "" on a last line without one
};

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

// Lines end in LF (CR LF counts as one line end); in a text without any LF,
// as old Mac files are, each lone CR ends a line.
std::vector<Line> SplitLines(std::string_view text) {
    const char lineEnd = text.find('\n') == std::string_view::npos ? '\r' : '\n';
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find(lineEnd, start);
        if (newline == std::string_view::npos) {
            lines.push_back({text.substr(start), {}});
            break;
        }
        std::size_t end = newline;
        if (lineEnd == '\n' && end > start && text[end - 1] == '\r') {
            --end;
        }
        lines.push_back({text.substr(start, end - start), text.substr(end, newline + 1 - end)});
        start = newline + 1;
    }
    return lines;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

ParsedLine ParseLine(std::string_view content, bool firstLine) {
    if (firstLine && content.starts_with(kByteOrderMark)) {
        content.remove_prefix(kByteOrderMark.size());
    }
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
        return {};
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        const std::string_view inner =
            close == std::string_view::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1);
        return {LineKind::Section, Trim(inner), {}};
    }
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return {LineKind::Key, Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1))};
}

// Where a key is, or where it would go.
struct KeyLocation {
    std::optional<std::size_t> keyLine;     // the line holding the key
    std::optional<std::size_t> insertAfter; // last key line (or the header) of
                                            // the first matching section
    std::string_view value;
};

KeyLocation FindKey(const std::vector<Line>& lines, std::string_view section,
                    std::string_view key) {
    KeyLocation found;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines[i].content, i == 0);
        if (parsed.kind == LineKind::Section) {
            inSection = EqualNoCase(parsed.name, section);
            inFirstSection = inSection && !found.insertAfter;
            if (inFirstSection) {
                found.insertAfter = i;
            }
        } else if (parsed.kind == LineKind::Key && inSection) {
            if (EqualNoCase(parsed.name, key)) {
                found.keyLine = i;
                found.value = parsed.value;
                return found;
            }
            if (inFirstSection) {
                found.insertAfter = i;
            }
        }
    }
    return found;
}

// Cuts a text to at most maxBytes bytes, backing off to the start of a UTF-8
// character.
std::string_view CutBytes(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;
    }
    std::size_t end = maxBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

std::string KeyLineOf(std::string_view key, std::string_view value) {
    std::string keyLine;
    keyLine.reserve(key.size() + 1 + value.size());
    keyLine.append(key).append("=");
    for (const char c : value) {
        keyLine.push_back(c == '\n' || c == '\r' ? ' ' : c);
    }
    return keyLine;
}

// The line end new lines get: the file's own, LF in a text without one.
std::string_view NewlineOf(std::string_view text) {
    if (text.find("\r\n") != std::string_view::npos) {
        return "\r\n";
    }
    const bool crOnly =
        text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos;
    return crOnly ? "\r" : "\n";
}

// Ends the text with a new section holding the key lines, after a blank line.
void AppendSection(std::string& out, const std::vector<Line>& lines, std::string_view newline,
                   std::string_view section, std::string_view keyLines) {
    if (!lines.empty() && lines.back().eol.empty()) {
        out.append(newline);
    }
    if (!out.empty()) {
        out.append(newline);
    }
    out.append("[").append(section).append("]").append(newline).append(keyLines);
}

// The text with one key set, for names a single pass cannot handle: the key
// is looked up as a read would find it, then replaced or added.
std::string SetKey(std::string_view text, std::string_view section, std::string_view key,
                   std::string_view value) {
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view newline = NewlineOf(text);
    const std::string keyLine = KeyLineOf(key, value);
    const KeyLocation location = FindKey(lines, section, key);
    std::string out;
    out.reserve(text.size() + keyLine.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (location.keyLine == i) {
            // Keep a byte order mark in front of a first line.
            if (i == 0 && line.content.starts_with(kByteOrderMark)) {
                out.append(kByteOrderMark);
            }
            out.append(keyLine).append(line.eol.empty() ? newline : line.eol);
            continue;
        }
        out.append(line.content);
        if (!location.keyLine && location.insertAfter == i) {
            out.append(line.eol.empty() ? newline : line.eol);
            out.append(keyLine).append(newline);
            continue;
        }
        out.append(line.eol);
    }
    if (!location.keyLine && !location.insertAfter) {
        AppendSection(out, lines, newline, section, keyLine + std::string(newline));
    }
    return out;
}

// A name that reads back as written once it is in a header or a key line.
bool IsPlainName(std::string_view name, bool isSection) {
    if (name.empty() || IsBlank(name.front()) || IsBlank(name.back()) ||
        name.find_first_of(isSection ? "]\n" : "=\n") != std::string_view::npos) {
        return false;
    }
    return isSection || (name.front() != ';' && name.front() != '#' && name.front() != '[');
}

// Whether one pass gives the same text as one write per key: plain, distinct
// names, and, in a text with LF line ends, no last line ending in a lone CR
// that a line end would turn into the file's first CR LF.
bool CanWriteInOnePass(std::string_view text, std::string_view section,
                       const std::vector<std::pair<std::string, std::string>>& values) {
    if (!IsPlainName(section, true) ||
        (text.ends_with('\r') && text.find('\n') != std::string_view::npos &&
         text.find("\r\n") == std::string_view::npos)) {
        return false;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!IsPlainName(values[i].first, false)) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (EqualNoCase(values[i].first, values[j].first)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::string
ProfileText::WriteSection(std::string_view text, std::string_view section,
                          const std::vector<std::pair<std::string, std::string>>& values) {
    if (!CanWriteInOnePass(text, section, values)) {
        std::string out(text);
        for (const auto& [key, value] : values) {
            out = SetKey(out, section, key, value);
        }
        return out;
    }
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view newline = NewlineOf(text);

    // Where each key is (its first line in a matching section), and the last
    // key line or the header of the first matching section.
    std::vector<std::optional<std::size_t>> keyLines(values.size());
    std::optional<std::size_t> insertAfter;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine parsed = ParseLine(lines[i].content, i == 0);
        if (parsed.kind == LineKind::Section) {
            inSection = EqualNoCase(parsed.name, section);
            inFirstSection = inSection && !insertAfter;
            if (inFirstSection) {
                insertAfter = i;
            }
        } else if (parsed.kind == LineKind::Key && inSection) {
            for (std::size_t k = 0; k < values.size(); ++k) {
                if (!keyLines[k] && EqualNoCase(parsed.name, values[k].first)) {
                    keyLines[k] = i;
                }
            }
            if (inFirstSection) {
                insertAfter = i;
            }
        }
    }
    std::vector<std::string> replacements(lines.size());
    std::vector<bool> replaced(lines.size(), false);
    std::string missing;
    for (std::size_t k = 0; k < values.size(); ++k) {
        if (keyLines[k]) {
            replacements[*keyLines[k]] = KeyLineOf(values[k].first, values[k].second);
            replaced[*keyLines[k]] = true;
        } else {
            missing.append(KeyLineOf(values[k].first, values[k].second)).append(newline);
        }
    }

    std::string out;
    out.reserve(text.size() + missing.size() + section.size() + 8);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const bool insertHere = insertAfter == i && !missing.empty();
        if (replaced[i]) {
            if (i == 0 && line.content.starts_with(kByteOrderMark)) {
                out.append(kByteOrderMark);
            }
            out.append(replacements[i]).append(line.eol.empty() ? newline : line.eol);
        } else {
            out.append(line.content).append(line.eol.empty() && insertHere ? newline : line.eol);
        }
        if (insertHere) {
            out.append(missing);
        }
    }
    if (!insertAfter) {
        AppendSection(out, lines, newline, section, missing);
    }
    return out;
}

std::string ProfileText::Read(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t maxLength) {
    const KeyLocation location = FindKey(SplitLines(text), section, key);
    if (!location.keyLine) {
        return std::string(defaultValue);
    }
    return std::string(CutBytes(location.value, maxLength));
}

std::string ProfileText::Write(std::string_view text, std::string_view section,
                               std::string_view key, std::string_view value) {
    return WriteSection(text, section, {{std::string(key), std::string(value)}});
}

std::string ProfileText::Prefix(std::string_view text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars) {
                return std::string(text.substr(0, i));
            }
            ++chars;
        }
    }
    return std::string(text);
}

} // namespace kelvory
