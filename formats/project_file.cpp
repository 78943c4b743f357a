#include "formats/project_file.h"

#include <algorithm>
#include <map>
#include <sstream>

#include "core/failure.h"
#include "stationing/stated_station.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

constexpr const char* UTF8_BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr const char* LINE_SECTION = "[line]";

struct KindKey {
    const char* key;
    ProjectLineKind kind;
};
constexpr KindKey KIND_KEYS[] = {{"jd", ProjectLineKind::IntersectionPoint},
                                 {"elements", ProjectLineKind::Elements},
                                 {"landxml", ProjectLineKind::LandXml},
                                 {"ifc", ProjectLineKind::Ifc}};

// The keys of a [line] section, in the order the writer gives them.
constexpr const char* LINE_KEYS[] = {"name",    "jd",        "elements", "landxml", "ifc",        "dl",    "alignment",
                                     "profile", "crossfall", "from",     "to",      "max-offset", "codes", "prefixes"};

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isKindKey(const std::string& key)
{
    return std::any_of(std::begin(KIND_KEYS), std::end(KIND_KEYS), [&](const KindKey& k) { return key == k.key; });
}

// The words of a codes or prefixes value: separated by blanks, tabs or commas.
std::vector<std::string> words(std::string_view value)
{
    std::vector<std::string> result;
    std::string word;
    for (const char c : value) {
        if (c == ' ' || c == '\t' || c == ',') {
            if (!word.empty()) result.push_back(std::move(word));
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) result.push_back(std::move(word));
    return result;
}

// Reads the sections one line at a time and checks each as it closes.
class ProjectParser {
public:
    ProjectFile parse(std::istream& in)
    {
        LineReader reader(in);
        std::string text;
        bool versionSeen = false;
        while (reader.next(text)) {
            line_ = reader.lineNumber();
            std::string_view content = text;
            if (line_ == 1 && content.starts_with(UTF8_BYTE_ORDER_MARK)) content.remove_prefix(3);
            content = trimmed(content);
            if (content.empty() || content.front() == '#') continue;
            if (!versionSeen) {
                readVersion(content);
                versionSeen = true;
            } else if (content.front() == '[') {
                openSection(content);
            } else {
                readKey(content);
            }
        }
        if (!versionSeen) {
            throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "the file is no project file: it is empty"));
        }
        closeSection();
        if (project_.lines.empty()) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "the project lists no line: add a [line] section"));
        }
        return project_;
    }

private:
    void readVersion(std::string_view content)
    {
        const std::string magic = PROJECT_FILE_MAGIC;
        const auto fields = normaliseLine(content);
        if (!fields || fields->size() != 2 || (*fields)[0] != magic) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "the file is no project file: it must begin with "
                                                                "\"%1 %2\", not %3"),
                                magic, std::to_string(PROJECT_FILE_VERSION), quotedExcerpt(content));
        }
        if ((*fields)[1] != std::to_string(PROJECT_FILE_VERSION)) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "project file version %1 cannot be read: this "
                                                                "program reads version %2"),
                                quotedExcerpt((*fields)[1]), std::to_string(PROJECT_FILE_VERSION));
        }
    }

    void openSection(std::string_view content)
    {
        if (content != LINE_SECTION) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "unknown section %1: a project has [line] sections"),
                                quotedExcerpt(content));
        }
        closeSection();
        if (project_.lines.size() == MAX_PROJECT_LINES) {
            throw FormatFailure(line_, VOMEL_TRANSLATE_NOOP("Failure", "a project holds at most %1 lines"),
                                std::to_string(MAX_PROJECT_LINES));
        }
        inLine_ = true;
        current_ = {};
        current_.sectionLine = line_;
        keyLines_.clear();
    }

    void readKey(std::string_view content)
    {
        const auto equals = content.find('=');
        if (equals == std::string_view::npos) {
            throw FormatFailure(
                line_, VOMEL_TRANSLATE_NOOP("Failure", "expected \"key = value\", [line] or a comment, not %1"),
                quotedExcerpt(content));
        }
        const std::string key(trimmed(content.substr(0, equals)));
        const std::string value(trimmed(content.substr(equals + 1)));
        const bool known = inLine_ ? std::find_if(std::begin(LINE_KEYS), std::end(LINE_KEYS),
                                                  [&](const char* k) { return key == k; }) != std::end(LINE_KEYS)
                                   : key == "name";
        if (!known) {
            throw FormatFailure(line_,
                                inLine_ ? VOMEL_TRANSLATE_NOOP("Failure", "unknown key %1 in a [line] section")
                                        : VOMEL_TRANSLATE_NOOP("Failure", "unknown key %1 before the first [line]: "
                                                                          "only the project's name stands there"),
                                quotedExcerpt(key));
        }
        if (const auto seen = keyLines_.find(key); seen != keyLines_.end()) {
            throw FormatFailure(line_, VOMEL_TRANSLATE_NOOP("Failure", "%1 is given twice (first on line %2)"),
                                quotedExcerpt(key), std::to_string(seen->second));
        }
        keyLines_[key] = line_;
        if (value.empty()) {
            throw FormatFailure(line_, VOMEL_TRANSLATE_NOOP("Failure", "%1 has no value"), quotedExcerpt(key));
        }
        if (!inLine_) {
            project_.name = value;
        } else {
            setLineKey(key, value);
        }
    }

    void setLineKey(const std::string& key, const std::string& value)
    {
        ProjectLineEntry& entry = current_;
        if (isKindKey(key)) {
            setKind(key, value);
        } else if (key == "name") {
            entry.name = value;
        } else if (key == "dl") {
            entry.chainBreakFile = value;
            entry.chainBreakLine = line_;
        } else if (key == "alignment") {
            entry.alignmentName = value;
        } else if (key == "profile") {
            entry.profileFile = value;
            entry.profileLine = line_;
        } else if (key == "crossfall") {
            entry.crossFallFile = value;
            entry.crossFallLine = line_;
        } else if (key == "from" || key == "to") {
            setStation(key, value);
        } else if (key == "max-offset") {
            setMaxOffset(value);
        } else {
            (key == "codes" ? entry.codes : entry.prefixes) = words(value);
        }
    }

    void setKind(const std::string& key, const std::string& value)
    {
        if (current_.fileLine != 0) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "%1 and %2 both name the line's file: give one of "
                                                                "jd, elements, landxml and ifc"),
                                quotedExcerpt(projectLineKindKey(current_.kind)), quotedExcerpt(key));
        }
        for (const auto& k : KIND_KEYS) {
            if (key == k.key) current_.kind = k.kind;
        }
        current_.file = value;
        current_.fileLine = line_;
    }

    void setStation(const std::string& key, const std::string& value)
    {
        if (!parseStationText(value)) {
            throw FormatFailure(line_,
                                VOMEL_TRANSLATE_NOOP("Failure", "%1 is no station: %2 (write 1250.5, B1250.5 or "
                                                                "K1+250.5)"),
                                quotedExcerpt(key), quotedExcerpt(value));
        }
        (key == "from" ? current_.from : current_.to) = value;
        (key == "from" ? current_.fromLine : current_.toLine) = line_;
    }

    void setMaxOffset(const std::string& value)
    {
        const auto offset = parseNumber(value);
        if (!offset || !(*offset > 0.0) || *offset > MAX_INPUT_MAGNITUDE) {
            throw FormatFailure(line_, VOMEL_TRANSLATE_NOOP("Failure", "\"max-offset\" is no positive length: %1"),
                                quotedExcerpt(value));
        }
        current_.maxOffset = offset;
    }

    // Checks the section just read as a whole and against the lines before.
    void closeSection()
    {
        if (!inLine_) return;
        inLine_ = false;
        const long header = current_.sectionLine;
        if (current_.name.empty()) {
            throw FormatFailure(header, VOMEL_TRANSLATE_NOOP("Failure", "this [line] has no name"));
        }
        const std::string name = quotedExcerpt(current_.name);
        if (current_.fileLine == 0) {
            throw FormatFailure(header,
                                VOMEL_TRANSLATE_NOOP("Failure", "line %1 names no file: give one of jd, elements, "
                                                                "landxml and ifc"),
                                name);
        }
        const bool imported = current_.kind == ProjectLineKind::LandXml || current_.kind == ProjectLineKind::Ifc;
        if (imported && current_.chainBreakLine != 0) {
            throw FormatFailure(current_.chainBreakLine,
                                VOMEL_TRANSLATE_NOOP("Failure", "\"dl\" goes with jd or elements: a LandXML or IFC "
                                                                "file gives its own chain breaks"));
        }
        if (!imported && keyLines_.contains("alignment")) {
            throw FormatFailure(keyLines_["alignment"],
                                VOMEL_TRANSLATE_NOOP("Failure", "\"alignment\" goes with landxml or ifc"));
        }
        for (const auto& earlier : project_.lines) {
            if (earlier.name == current_.name) {
                throw FormatFailure(header,
                                    VOMEL_TRANSLATE_NOOP("Failure", "a line called %1 is given on line %2 already"),
                                    name, std::to_string(earlier.sectionLine));
            }
        }
        checkUnique(current_.codes, &ProjectLineEntry::codes, "codes",
                    VOMEL_TRANSLATE_NOOP("Failure", "code %1 belongs to line %2 already"));
        checkUnique(current_.prefixes, &ProjectLineEntry::prefixes, "prefixes",
                    VOMEL_TRANSLATE_NOOP("Failure", "prefix %1 belongs to line %2 already"));
        project_.lines.push_back(current_);
    }

    void checkUnique(const std::vector<std::string>& mine, std::vector<std::string> ProjectLineEntry::*member,
                     const std::string& key, const char* pattern)
    {
        for (std::size_t i = 0; i < mine.size(); ++i) {
            const auto& word = mine[i];
            std::string owner;
            if (std::find(mine.begin(), mine.begin() + static_cast<long>(i), word) !=
                mine.begin() + static_cast<long>(i)) {
                owner = current_.name;
            }
            for (const auto& earlier : project_.lines) {
                const auto& theirs = earlier.*member;
                if (std::find(theirs.begin(), theirs.end(), word) != theirs.end()) owner = earlier.name;
            }
            if (!owner.empty()) throw FormatFailure(keyLines_[key], pattern, quotedExcerpt(word), quotedExcerpt(owner));
        }
    }

    ProjectFile project_;
    ProjectLineEntry current_;
    std::map<std::string, long> keyLines_;
    bool inLine_ = false;
    long line_ = 0;
};

// A value the writer can put on a line so that the reader reads it back.
const std::string& writable(const std::string& value, const char* key)
{
    const bool hasLineEnd = value.find_first_of("\r\n") != std::string::npos;
    if (value.empty() || hasLineEnd || trimmed(value) != value) {
        throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1 cannot be written to a project file: %2"),
                            quotedExcerpt(key), quotedExcerpt(value));
    }
    return value;
}

void writeKey(std::ostringstream& out, const char* key, const std::string& value)
{
    if (!value.empty()) out << key << " = " << writable(value, key) << '\n';
}

std::string joinedWords(const std::vector<std::string>& list, const char* key)
{
    std::string joined;
    for (const auto& word : list) {
        if (word.empty() || word.find_first_of(" \t,\r\n") != std::string::npos) {
            throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1 cannot be written to a project file: %2"),
                                quotedExcerpt(key), quotedExcerpt(word));
        }
        joined += (joined.empty() ? "" : " ") + word;
    }
    return joined;
}

}  // namespace

const char* projectLineKindKey(ProjectLineKind kind)
{
    for (const auto& k : KIND_KEYS) {
        if (k.kind == kind) return k.key;
    }
    return "jd";
}

ProjectFile readProjectFile(std::istream& in) { return ProjectParser().parse(in); }

std::string projectFileText(const ProjectFile& project)
{
    std::ostringstream out;
    out << PROJECT_FILE_MAGIC << ' ' << PROJECT_FILE_VERSION << '\n';
    writeKey(out, "name", project.name);
    for (const auto& line : project.lines) {
        out << '\n' << LINE_SECTION << '\n';
        out << "name = " << writable(line.name, "name") << '\n';
        out << projectLineKindKey(line.kind) << " = " << writable(line.file, projectLineKindKey(line.kind)) << '\n';
        writeKey(out, "dl", line.chainBreakFile);
        writeKey(out, "alignment", line.alignmentName);
        writeKey(out, "profile", line.profileFile);
        writeKey(out, "crossfall", line.crossFallFile);
        writeKey(out, "from", line.from);
        writeKey(out, "to", line.to);
        if (line.maxOffset) out << "max-offset = " << formatGeneral(*line.maxOffset) << '\n';
        writeKey(out, "codes", joinedWords(line.codes, "codes"));
        writeKey(out, "prefixes", joinedWords(line.prefixes, "prefixes"));
    }
    return out.str();
}

}  // namespace vomel
