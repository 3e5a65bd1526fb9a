#include "platform/ini_profile_reader.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string_view>

namespace nuv {

namespace {

constexpr std::size_t kMaxValueLength = 2047;   // what a 2048-byte buffer holds

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

// Lines end at LF; a rest without any LF is split at CR (old Mac files).
std::string_view NextLine(std::string_view& rest) {
    std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) end = rest.find('\r');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    return line;
}

// "[name]" up to the last closing bracket; nullopt for anything else.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return line.substr(1, close - 1);
}

struct Entry {
    std::string_view name;
    std::optional<std::string_view> value;   // none: a line without '='
};

Entry ParseEntry(std::string_view line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {line, std::nullopt};
    return {Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Matching quotation marks around the whole value are dropped.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// What the caller's zero-terminated buffer shows: up to the first zero byte, at most 2047 bytes.
std::string Limit(std::string_view text) {
    return std::string(text.substr(0, std::min(text.find('\0'), kMaxValueLength)));
}

// A UTF-8 byte-order mark in front of the first line is not part of it.
std::string_view SkipByteOrderMark(std::string_view content) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (content.substr(0, kUtf8Mark.size()) == kUtf8Mark) content.remove_prefix(kUtf8Mark.size());
    return content;
}

// Trailing blanks of the default are not returned.
std::string DefaultResult(std::string_view defaultText) {
    while (!defaultText.empty() && defaultText.back() == ' ') defaultText.remove_suffix(1);
    return Limit(defaultText);
}

// Only the first section of a name is searched, and its first entry of a name decides.
std::optional<std::string_view> FindValue(std::string_view content, std::string_view section,
                                          std::string_view key) {
    bool inSection = false;
    while (!content.empty()) {
        const std::string_view line = Trim(NextLine(content));
        if (line.empty()) continue;
        if (auto name = SectionName(line)) {
            if (inSection) return std::nullopt;
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        const Entry entry = ParseEntry(line);
        if (SameName(entry.name, key)) return entry.value;
    }
    return std::nullopt;
}

// The file's bytes, or nullopt when it cannot be read (missing, a folder, no rights).
std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    std::string content;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) content.append(chunk, got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return std::nullopt;
    return content;
}

}  // namespace

std::string LookUpProfileString(const std::string& content, const std::string& section,
                                const std::string& key, const std::string& defaultText) {
    const std::string_view wantedKey = Trim(key);
    if (wantedKey.empty()) return DefaultResult(defaultText);
    const auto value = FindValue(SkipByteOrderMark(content), Trim(section), wantedKey);
    if (!value) return DefaultResult(defaultText);
    return Limit(Unquote(*value));
}

std::string IniProfileReader::ReadString(const std::string& filePath, const std::string& section,
                                         const std::string& key, const std::string& defaultText) {
    const std::optional<std::string> content = ReadWholeFile(filePath);
    if (!content) return DefaultResult(defaultText);
    return LookUpProfileString(*content, section, key, defaultText);
}

}  // namespace nuv
