#include "sim/description_reader.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/ini_profile_reader.h"

namespace nuv::sim {

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

// The upper-cased name of a "[name]" line (already trimmed).
std::string SectionOf(const std::string& line) {
    const auto close = line.find(']');
    return Upper(Trim(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)));
}

int DigitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

}  // namespace

std::string DescriptionErrorLine(const std::string& file, const std::string& what) {
    return "Simulated device description \"" + file + "\": " + what;
}

bool ParseDescriptionNumber(const std::string& text, uint32_t& value) {
    int base = 10;
    size_t start = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        start = 2;
    }
    if (start >= text.size()) return false;
    uint64_t result = 0;
    for (size_t i = start; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return false;
        result = result * static_cast<uint64_t>(base) + static_cast<uint64_t>(digit);
        if (result > 0xFFFFFFFFull) return false;
    }
    value = static_cast<uint32_t>(result);
    return true;
}

std::string DescriptionReader::Text(const char* key) const {
    return LookUpProfileString(content_, section_, key, "");
}

bool DescriptionReader::Refuse(const char* key, const std::string& why) {
    error_ = DescriptionErrorLine(file_, "[" + section_ + "] " + key + "=" + Text(key) + " " + why);
    return false;
}

bool DescriptionReader::Number(const char* key, uint32_t low, uint32_t high, uint32_t& out) {
    const std::string text = Text(key);
    if (text.empty()) return true;
    uint32_t value = 0;
    if (!ParseDescriptionNumber(text, value)) return Refuse(key, "is not a number");
    if (value < low || value > high) {
        std::ostringstream range;
        range << "is out of range (" << low << " to " << high << ")";
        return Refuse(key, range.str());
    }
    out = value;
    return true;
}

bool DescriptionReader::Flag(const char* key, bool& out) {
    uint32_t value = out ? 1 : 0;
    if (!Number(key, 0, 1, value)) return false;
    out = value != 0;
    return true;
}

bool DescriptionReader::Choice(const char* key, std::initializer_list<std::pair<const char*, int>> choices,
                               int& out) {
    const std::string text = Upper(Text(key));
    if (text.empty()) return true;
    std::string names;
    for (const auto& [name, value] : choices) {
        if (text == name) {
            out = value;
            return true;
        }
        names += names.empty() ? name : std::string(", ") + name;
    }
    return Refuse(key, "is not one of " + names);
}

bool DescriptionReader::Numbers(const char* key, uint32_t high, std::vector<uint32_t>& out) {
    const std::string text = Text(key);
    if (text.empty()) return true;
    std::vector<uint32_t> values;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        uint32_t value = 0;
        if (!ParseDescriptionNumber(Trim(item), value)) return Refuse(key, "is not a list of numbers");
        if (value > high) return Refuse(key, "holds a number out of range");
        values.push_back(value);
    }
    out = std::move(values);
    return true;
}

std::vector<std::string> SectionNames(const std::string& content) {
    std::vector<std::string> names;
    std::istringstream lines(content);
    std::string line;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (!line.empty() && line[0] == '[') names.push_back(SectionOf(line));
    }
    return names;
}

std::string FindUnknownKey(const std::string& content, const std::string& sectionPrefix,
                           const std::vector<std::string>& knownKeys) {
    std::istringstream lines(content);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = SectionOf(line);
            continue;
        }
        if (section.rfind(sectionPrefix, 0) != 0) continue;
        const auto equals = line.find('=');
        const std::string key = Upper(Trim(line.substr(0, equals)));
        if (std::find(knownKeys.begin(), knownKeys.end(), key) == knownKeys.end()) {
            return "[" + section + "] " + line;
        }
    }
    return "";
}

}  // namespace nuv::sim
