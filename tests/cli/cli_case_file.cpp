// Reads the case files of tests/data/cli/cases/ (the format is in
// tests/data/cli/README.md).
#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string_view>

#include "cli_case.h"

namespace cli_cases {
namespace {

namespace fs = std::filesystem;

struct Entry {
    std::string key;
    std::string value;
    long line;
};

struct Section {
    std::string name;
    long line;
    std::vector<Entry> entries;
};

// The keys a case may hold; `put` and `file` may stand more than once.
constexpr std::array<std::string_view, 11> KEYS = {
    "args", "env", "stdin", "status", "stdout", "stderr", "stderr-contains", "stderr-starts", "put", "file", "listing"};
// stderr:, stderr-contains: and stderr-starts: say one thing: a case has
// one of them, and its own takes the place of a default's.
std::string_view slotOf(std::string_view key) { return key.substr(0, key.find('-')); }

// The section whose keys every later case of its file starts from.
constexpr std::string_view DEFAULTS = "*";

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

std::string withoutTrailingBlanks(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.pop_back();
    return text;
}

std::string readBytes(const fs::path& path, const std::string& where)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) fail(where, "cannot read " + path.string());
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void addEntry(std::vector<Section>& sections, const std::string& text, const std::string& where, long number)
{
    if (sections.empty()) fail(where, "a key before the first [section]");
    const auto colon = text.find(':');
    const std::string key = text.substr(0, colon);
    if (colon == std::string::npos || std::find(KEYS.begin(), KEYS.end(), key) == KEYS.end()) {
        fail(where, "not a known key: \"" + text.substr(0, colon) + "\"");
    }
    const auto start = text.find_first_not_of(' ', colon + 1);
    sections.back().entries.push_back({key, start == std::string::npos ? "" : text.substr(start), number});
}

// The file's sections with their raw values; a line starting with a blank
// continues the value above it, its leading blanks dropped (a list of
// words goes on after a space, a text straight on).
std::vector<Section> sectionsOf(const fs::path& path)
{
    std::istringstream in(readBytes(path, path.string()));
    std::vector<Section> sections;
    long number = 0;
    for (std::string raw; std::getline(in, raw);) {
        ++number;
        const std::string where = path.string() + ":" + std::to_string(number);
        const std::string text = withoutTrailingBlanks(raw);
        if (text.empty() || text[0] == '#') continue;
        if (text[0] == ' ' || text[0] == '\t') {
            if (sections.empty() || sections.back().entries.empty()) fail(where, "a continuation with no key above");
            Entry& above = sections.back().entries.back();
            if (above.key == "args" || above.key == "env" || above.key == "listing") above.value += ' ';
            above.value += text.substr(text.find_first_not_of(" \t"));
        } else if (text[0] == '[') {
            if (text.back() != ']') fail(where, "a section's name ends in ]");
            sections.push_back({text.substr(1, text.size() - 2), number, {}});
        } else {
            addEntry(sections, text, where, number);
        }
    }
    return sections;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The text with \n, \r, \t, \\ and \xHH replaced by their bytes.
std::string unescaped(const std::string& text, const std::string& where)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes += text[i];
            continue;
        }
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (next == 'n' || next == 'r' || next == 't' || next == '\\') {
            bytes += next == 'n' ? '\n' : next == 'r' ? '\r' : next == 't' ? '\t' : '\\';
            i += 1;
        } else if (next == 'x' && i + 3 < text.size() && hexDigit(text[i + 2]) >= 0 && hexDigit(text[i + 3]) >= 0) {
            bytes += static_cast<char>(hexDigit(text[i + 2]) * 16 + hexDigit(text[i + 3]));
            i += 3;
        } else {
            fail(where, "not an escape (\\n \\r \\t \\\\ \\xHH): " + text.substr(i, 4));
        }
    }
    return bytes;
}

// Words separated by spaces; "..." keeps the spaces of a word.
std::vector<std::string> wordsOf(const std::string& text, const std::string& where)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while ((i = text.find_first_not_of(' ', i)) != std::string::npos) {
        std::size_t end = text.find(' ', i);
        if (text[i] == '"') {
            end = text.find('"', i + 1);
            if (end == std::string::npos) fail(where, "a quoted word without its closing \"");
            words.push_back(text.substr(i + 1, end - i - 1));
            end += 1;
        } else {
            words.push_back(text.substr(i, end == std::string::npos ? std::string::npos : end - i));
        }
        i = end;
    }
    return words;
}

class CaseReader {
public:
    CaseReader(std::string file, std::string dataFolder, const Places& places)
        : file_(std::move(file)), dataFolder_(std::move(dataFolder)), places_(places)
    {
    }

    CliCase read(const Section& section, const std::vector<Entry>& defaults) const
    {
        CliCase c;
        c.name = section.name;
        c.where = where(section.line);
        checkName(c.name, c.where);
        std::vector<Entry> entries = section.entries;
        for (const Entry& d : defaults) {
            const auto own = [&](const Entry& e) { return slotOf(e.key) == slotOf(d.key); };
            if (std::none_of(section.entries.begin(), section.entries.end(), own)) entries.push_back(d);
        }
        std::set<std::string_view> seen;
        for (const Entry& e : entries) {
            if (e.key != "put" && e.key != "file" && !seen.insert(slotOf(e.key)).second) {
                fail(where(e.line), "a second " + std::string(slotOf(e.key)) + " key");
            }
            apply(e, c);
        }
        if (seen.count("args") == 0 || seen.count("status") == 0) fail(c.where, "a case needs args: and status:");
        return c;
    }

private:
    std::string where(long line) const { return file_ + ":" + std::to_string(line); }

    static void checkName(const std::string& name, const std::string& where)
    {
        const auto wordChar = [](unsigned char ch) { return std::isalnum(ch) != 0 || ch == '_'; };
        if (name.empty() || !std::all_of(name.begin(), name.end(), wordChar)) {
            fail(where, "a case's name is letters, digits and _: \"" + name + "\"");
        }
    }

    // A text value: "@NAME" for the bytes of a data file, else the text
    // with its escapes and places.
    std::string text(const std::string& value, long line) const
    {
        if (!value.empty() && value[0] == '@') {
            const fs::path name = expandPlaces(value.substr(1), places_);
            return readBytes(name.is_absolute() ? name : fs::path(dataFolder_) / name, where(line));
        }
        return expandPlaces(unescaped(value, where(line)), places_);
    }

    std::vector<std::string> words(const std::string& value, long line) const
    {
        std::vector<std::string> words = wordsOf(value, where(line));
        for (std::string& word : words) word = expandPlaces(unescaped(word, where(line)), places_);
        return words;
    }

    // "NAME = TEXT", "NAME =" for an empty file or, for a folder, "NAME/".
    WorkFile workFile(const std::string& value, long line, bool folderAllowed) const
    {
        if (value.size() > 2 && value.ends_with(" =") && value.find(" = ") == std::string::npos)
            return {value.substr(0, value.size() - 2), "", false};
        const auto equals = value.find(" = ");
        if (equals == std::string::npos) {
            if (!folderAllowed || value.empty() || value.back() != '/') fail(where(line), "expected NAME = TEXT");
            return {value.substr(0, value.size() - 1), "", true};
        }
        return {value.substr(0, equals), text(value.substr(equals + 3), line), false};
    }

    int status(const std::string& value, long line) const
    {
        const auto digit = [](unsigned char ch) { return std::isdigit(ch) != 0; };
        if (value.empty() || value.size() > 3 || !std::all_of(value.begin(), value.end(), digit) ||
            std::stoi(value) > 255) {
            fail(where(line), "the status is a number from 0 to 255: \"" + value + "\"");
        }
        return std::stoi(value);
    }

    void apply(const Entry& e, CliCase& c) const
    {
        if (e.key == "args") c.args = words(e.value, e.line);
        if (e.key == "env") c.environment = words(e.value, e.line);
        if (e.key == "stdin") c.input = text(e.value, e.line);
        if (e.key == "status") c.status = status(e.value, e.line);
        if (e.key == "stdout") c.output = text(e.value, e.line);
        if (e.key == "stderr") c.error = {{ErrorMatch::Exact, text(e.value, e.line)}};
        if (e.key == "stderr-contains") c.error = {{ErrorMatch::Contains, text(e.value, e.line)}};
        if (e.key == "stderr-starts") c.error = {{ErrorMatch::StartsWith, text(e.value, e.line)}};
        if (e.key == "put") c.before.push_back(workFile(e.value, e.line, true));
        if (e.key == "file") c.after.push_back(workFile(e.value, e.line, false));
        if (e.key == "listing") c.listing = words(e.value, e.line);
    }

    std::string file_;
    std::string dataFolder_;
    const Places& places_;
};

}  // namespace

std::string expandPlaces(std::string text, const Places& places)
{
    for (const auto& [key, value] : places) {
        for (auto at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
            text.replace(at, key.size(), value);
        }
    }
    return text;
}

std::vector<CliCase> readCaseFolder(const std::string& folder, const std::string& dataFolder, const Places& places)
{
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.path().extension() == ".cases") files.push_back(e.path());
    }
    std::sort(files.begin(), files.end());
    if (files.empty()) fail(folder, "no *.cases files");
    std::vector<CliCase> cases;
    std::set<std::string> names;
    for (const fs::path& file : files) {
        const CaseReader reader(file.string(), dataFolder, places);
        std::vector<Entry> defaults;
        for (const Section& section : sectionsOf(file)) {
            if (section.name == DEFAULTS) {
                defaults = section.entries;
                continue;
            }
            cases.push_back(reader.read(section, defaults));
            if (!names.insert(cases.back().name).second)
                fail(cases.back().where, "a second case called " + cases.back().name);
        }
    }
    return cases;
}

}  // namespace cli_cases
