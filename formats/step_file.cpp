#include "formats/step_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

#include "core/failure.h"
#include "text/input_line.h"

namespace vomel::step {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string capitals(std::string_view name)
{
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return upper;
}

// The tokens of the exchange structure, read from a position of the text
// with the line counted.
class Reader {
public:
    Reader(std::string_view text, std::size_t at, long line) : text_(text), at_(at), line_(line) {}

    std::size_t at() const { return at_; }
    long line() const { return line_; }
    bool atEnd()
    {
        skipSpace();
        return at_ >= text_.size();
    }

    [[noreturn]] void fail(Wording reason) const { throw FormatFailure(std::move(reason), line_); }

    char peek()
    {
        skipSpace();
        return at_ < text_.size() ? text_[at_] : '\0';
    }

    void expect(char c, Wording where)
    {
        if (peek() != c)
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected '%1' %2, found %3"), std::string(1, c),
                        std::move(where), found()));
        ++at_;
    }

    // A keyword or entity name (letters, digits, '_' and '-' as in
    // END-ISO-10303-21), in capitals; empty when none starts here.
    std::string keyword()
    {
        skipSpace();
        const std::size_t start = at_;
        if (at_ < text_.size() && isLetter(text_[at_])) {
            while (at_ < text_.size() && (isLetter(text_[at_]) || isDigit(text_[at_]) || text_[at_] == '-')) ++at_;
        }
        return capitals(text_.substr(start, at_ - start));
    }

    // "(p1,p2,...)": a parameter list. `limit` is the offset the list may
    // not run past (the instance length bound).
    std::vector<Value> parameterList(int depth, std::size_t limit)
    {
        if (depth > MAX_STEP_NESTING)
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "lists nest deeper than %1 levels"),
                        std::to_string(MAX_STEP_NESTING)));
        expect('(', worded(VOMEL_TRANSLATE_NOOP("Failure", "to open a parameter list")));
        std::vector<Value> values;
        if (peek() == ')') {
            ++at_;
            return values;
        }
        while (true) {
            values.push_back(value(depth + 1, limit));
            if (at_ > limit) {
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an instance is longer than %1 bytes"),
                            std::to_string(MAX_STEP_INSTANCE_BYTES)));
            }
            const char next = peek();
            ++at_;
            if (next == ')') return values;
            if (next != ',') {
                --at_;
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected ',' or ')' in a parameter list, found %1"),
                            found()));
            }
        }
    }

    // The text of what is found here, for a message.
    std::string found()
    {
        if (at_ >= text_.size()) return "the end of the file";
        return "\"" + std::string(text_.substr(at_, std::min<std::size_t>(12, text_.size() - at_))) + "\"";
    }

    std::int64_t instanceId()
    {
        expect('#', worded(VOMEL_TRANSLATE_NOOP("Failure", "before an instance id")));
        const std::size_t start = at_;
        std::int64_t id = 0;
        while (at_ < text_.size() && isDigit(text_[at_])) {
            id = id * 10 + (text_[at_] - '0');
            if (id > MAX_STEP_ID)
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an instance id beyond %1"), std::to_string(MAX_STEP_ID)));
            ++at_;
        }
        if (at_ == start) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "'#' without an instance id")));
        return id;
    }

    std::vector<std::pair<std::int64_t, long>>* references = nullptr;  // collected when set

private:
    void skipSpace()
    {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\n') {
                ++line_;
                ++at_;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++at_;
            } else if (c == '/' && at_ + 1 < text_.size() && text_[at_ + 1] == '*') {
                const long start = line_;
                const std::size_t end = text_.find("*/", at_ + 2);
                if (end == std::string_view::npos)
                    throw FormatFailure(start, VOMEL_TRANSLATE_NOOP("Failure", "a comment /* is never closed"));
                line_ += static_cast<long>(std::count(text_.begin() + static_cast<std::ptrdiff_t>(at_),
                                                      text_.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
                at_ = end + 2;
            } else {
                return;
            }
        }
    }

    Value value(int depth, std::size_t limit)
    {
        Value v;
        const char c = peek();
        if (c == '$' || c == '*') {
            v.kind = c == '$' ? ValueKind::Unset : ValueKind::Derived;
            ++at_;
        } else if (c == '#') {
            v.kind = ValueKind::Reference;
            v.integer = instanceId();
            if (references != nullptr) references->emplace_back(v.integer, line_);
        } else if (c == '.') {
            v.kind = ValueKind::Enumeration;
            v.text = enumeration();
        } else if (c == '\'') {
            v.kind = ValueKind::String;
            v.text = string(limit);
        } else if (c == '"') {
            v.kind = ValueKind::Binary;
            v.text = binary();
        } else if (c == '(') {
            v.kind = ValueKind::List;
            v.items = parameterList(depth, limit);
        } else if (isDigit(c) || c == '+' || c == '-') {
            number(v);
        } else if (isLetter(c)) {
            v.kind = ValueKind::Typed;
            v.text = keyword();
            if (depth > MAX_STEP_NESTING)
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "typed values nest deeper than %1"),
                            std::to_string(MAX_STEP_NESTING)));
            if (v.text.size() > MAX_STEP_NAME_BYTES)
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a type name longer than %1 bytes"),
                            std::to_string(MAX_STEP_NAME_BYTES)));
            expect('(', worded(VOMEL_TRANSLATE_NOOP("Failure", "after the type %1"), v.text));
            v.items.push_back(value(depth + 1, limit));
            expect(')', worded(VOMEL_TRANSLATE_NOOP("Failure", "to close the typed value %1"), v.text));
        } else {
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected a parameter, found %1"), found()));
        }
        return v;
    }

    std::string enumeration()
    {
        const std::size_t start = ++at_;
        while (at_ < text_.size() && (isLetter(text_[at_]) || isDigit(text_[at_]))) ++at_;
        if (at_ >= text_.size() || text_[at_] != '.' || at_ == start) {
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an enumeration value is not closed by '.'")));
        }
        if (at_ - start > MAX_STEP_NAME_BYTES) {
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an enumeration value longer than %1 bytes"),
                        std::to_string(MAX_STEP_NAME_BYTES)));
        }
        return capitals(text_.substr(start, at_++ - start));
    }

    std::string string(std::size_t limit)
    {
        const long start = line_;
        const std::size_t first = ++at_;
        while (true) {
            if (at_ >= text_.size() || at_ > limit) {
                if (at_ > limit) {
                    throw FormatFailure(
                        start,
                        VOMEL_TRANSLATE_NOOP("Failure", "a string is longer than the instance bound of %1 bytes"),
                        std::to_string(MAX_STEP_INSTANCE_BYTES));
                }
                throw FormatFailure(start, VOMEL_TRANSLATE_NOOP("Failure", "a string is never closed by '"));
            }
            const char c = text_[at_++];
            if (c == '\n') ++line_;
            if (c != '\'') continue;
            if (at_ < text_.size() && text_[at_] == '\'') {
                ++at_;  // '' inside the string
                continue;
            }
            return decodeStepString(text_.substr(first, at_ - 1 - first), start);
        }
    }

    std::string binary()
    {
        const std::size_t first = ++at_;
        while (at_ < text_.size() &&
               ((text_[at_] >= '0' && text_[at_] <= '9') || (text_[at_] >= 'A' && text_[at_] <= 'F')))
            ++at_;
        if (at_ >= text_.size() || text_[at_] != '"')
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a binary value is not closed by '\"'")));
        return std::string(text_.substr(first, at_++ - first));
    }

    void number(Value& v)
    {
        const std::size_t start = at_;
        if (text_[at_] == '+' || text_[at_] == '-') ++at_;
        const std::size_t digits = at_;
        while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
        if (at_ == digits) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a sign without a number")));
        bool real = false;
        if (at_ < text_.size() && text_[at_] == '.') {
            real = true;
            ++at_;
            while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
        }
        if (at_ < text_.size() && (text_[at_] == 'E' || text_[at_] == 'e')) {
            real = true;
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) ++at_;
            const std::size_t exponent = at_;
            while (at_ < text_.size() && isDigit(text_[at_])) ++at_;
            if (at_ == exponent) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a number's exponent has no digits")));
        }
        const char* first = text_.data() + start + (text_[start] == '+' ? 1 : 0);
        const char* last = text_.data() + at_;
        double parsed = 0.0;
        const auto [end, error] = std::from_chars(first, last, parsed);
        if (error != std::errc() || end != last || !std::isfinite(parsed)) {
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "the number %1 is out of range"),
                        std::string(text_.substr(start, at_ - start))));
        }
        v.kind = real ? ValueKind::Real : ValueKind::Integer;
        v.number = parsed;
        if (!real) {
            const auto [intEnd, intError] = std::from_chars(first, last, v.integer);
            if (intError != std::errc() || intEnd != last) {
                fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "the integer %1 is out of range"),
                            std::string(text_.substr(start, at_ - start))));
            }
        }
    }

    std::string_view text_;
    std::size_t at_;
    long line_;
};

// `KEYWORD;` where the file's layout requires it.
void expectSection(Reader& reader, const char* keyword)
{
    reader.peek();  // the line of the keyword, past blanks and comments
    const long line = reader.line();
    const std::string found = reader.keyword();
    if (found != keyword) {
        throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "expected %1; found %2"), keyword,
                            found.empty() ? reader.found() : quotedExcerpt(found));
    }
    reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after %1"), keyword));
}

std::string readText(std::istream& in)
{
    std::string text;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MAX_STEP_FILE_BYTES) {
            throw FormatFailure(FailureCode::FileTooLong, {std::to_string(MAX_STEP_FILE_BYTES)});
        }
    }
    return text;
}

// The HEADER section's entities up to its ENDSEC; returns the schema named
// by FILE_SCHEMA, which must be one of `acceptedSchemas`.
std::string readHeader(Reader& reader, std::size_t textSize, const std::vector<std::string>& acceptedSchemas)
{
    std::string schema;
    long schemaLine = 0;
    while (true) {
        reader.peek();
        const long line = reader.line();
        const std::string name = reader.keyword();
        if (name == "ENDSEC") break;
        if (name.empty())
            reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected a header entity or ENDSEC; found %1"),
                               reader.found()));
        const std::vector<Value> header = reader.parameterList(0, textSize);
        reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after a header entity")));
        if (name != "FILE_SCHEMA") continue;
        schemaLine = line;
        if (header.empty() || header[0].kind != ValueKind::List || header[0].items.empty() ||
            header[0].items[0].kind != ValueKind::String) {
            throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "FILE_SCHEMA does not name a schema"));
        }
        schema = header[0].items[0].text;
    }
    reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after %1"), "ENDSEC"));
    if (schemaLine == 0) reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "the HEADER has no FILE_SCHEMA")));
    if (std::find(acceptedSchemas.begin(), acceptedSchemas.end(), capitals(schema)) == acceptedSchemas.end()) {
        std::string accepted;
        for (const std::string& name : acceptedSchemas) accepted += (accepted.empty() ? "" : ", ") + name;
        throw FormatFailure(schemaLine, VOMEL_TRANSLATE_NOOP("Failure", "the file's schema is %1; only %2 can be read"),
                            quotedExcerpt(schema), accepted);
    }
    return schema;
}

// The DATA keyword (with the name and schema of edition 3) and its ';'.
void openDataSection(Reader& reader, std::size_t textSize)
{
    reader.peek();
    const long dataLine = reader.line();
    const std::string data = reader.keyword();
    if (data != "DATA") {
        throw FormatFailure(
            dataLine,
            VOMEL_TRANSLATE_NOOP("Failure", "the file has no DATA section: expected DATA; after the HEADER, found %1"),
            data.empty() ? reader.found() : quotedExcerpt(data));
    }
    if (reader.peek() == '(') reader.parameterList(0, textSize);  // DATA('name',('schema')) of edition 3
    reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after %1"), "DATA"));
}

// One instance: #id = NAME(...); or #id = (NAME(...) NAME(...));
Instance readInstance(Reader& reader)
{
    const std::size_t begin = reader.at();
    const std::size_t limit = begin + MAX_STEP_INSTANCE_BYTES;
    Instance instance;
    instance.line = reader.line();
    instance.id = reader.instanceId();
    reader.expect('=', worded(VOMEL_TRANSLATE_NOOP("Failure", "after the instance id")));
    if (reader.peek() == '(') {  // a complex instance: (NAME(...) NAME(...))
        instance.type = "(COMPLEX)";
        reader.expect('(', Wording());
        while (reader.peek() != ')') {
            if (reader.keyword().empty())
                reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected an entity name in a complex instance")));
            reader.parameterList(0, limit);
        }
        reader.expect(')', worded(VOMEL_TRANSLATE_NOOP("Failure", "to close a complex instance")));
    } else {
        instance.type = reader.keyword();
        if (instance.type.empty())
            reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected an entity name, found %1"), reader.found()));
        if (instance.type.size() > MAX_STEP_NAME_BYTES) {
            reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an entity name longer than %1 bytes"),
                               std::to_string(MAX_STEP_NAME_BYTES)));
        }
        if (reader.peek() != '(')
            reader.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "expected '(' after %1, found %2"), instance.type,
                               reader.found()));
        instance.parameters = reader.at();
        reader.parameterList(0, limit);
    }
    reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after an instance")));
    if (reader.at() - begin > MAX_STEP_INSTANCE_BYTES) {
        throw FormatFailure(instance.line, VOMEL_TRANSLATE_NOOP("Failure", "instance #%1 is longer than %2 bytes"),
                            std::to_string(instance.id), std::to_string(MAX_STEP_INSTANCE_BYTES));
    }
    return instance;
}

}  // namespace

StepFile::StepFile(std::istream& in, const std::vector<std::string>& acceptedSchemas) : text_(readText(in))
{
    std::size_t start = 0;
    if (text_.rfind("\xEF\xBB\xBF", 0) == 0) start = 3;  // UTF-8 byte-order mark
    Reader reader(text_, start, 1);
    if (reader.keyword() != "ISO-10303-21") {
        throw FormatFailure(
            1, VOMEL_TRANSLATE_NOOP("Failure", "not a STEP file (ISO 10303-21): it does not begin with ISO-10303-21;"));
    }
    reader.expect(';', worded(VOMEL_TRANSLATE_NOOP("Failure", "after %1"), "ISO-10303-21"));
    expectSection(reader, "HEADER");

    schema_ = readHeader(reader, text_.size(), acceptedSchemas);

    openDataSection(reader, text_.size());

    std::vector<std::pair<std::int64_t, long>> references;
    reader.references = &references;
    while (true) {
        if (reader.atEnd())
            reader.fail(worded(VOMEL_TRANSLATE_NOOP(
                "Failure", "the file ends inside its DATA section: ENDSEC; is missing (is it cut short?)")));
        if (reader.peek() != '#') break;
        Instance instance = readInstance(reader);
        const auto [where, added] = index_.emplace(instance.id, instances_.size());
        if (!added) {
            throw FormatFailure(instance.line,
                                VOMEL_TRANSLATE_NOOP("Failure", "#%1 is defined twice (first on line %2)"),
                                std::to_string(instance.id), std::to_string(instances_[where->second].line));
        }
        instances_.push_back(std::move(instance));
    }
    expectSection(reader, "ENDSEC");
    expectSection(reader, "END-ISO-10303-21");

    for (const auto& [id, line] : references) {
        if (index_.find(id) == index_.end()) {
            throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "#%1 is referred to but not defined"),
                                std::to_string(id));
        }
    }
}

const Instance* StepFile::find(std::int64_t id) const
{
    const auto where = index_.find(id);
    return where == index_.end() ? nullptr : &instances_[where->second];
}

std::vector<const Instance*> StepFile::ofType(std::string_view type) const
{
    std::vector<const Instance*> found;
    for (const Instance& instance : instances_) {
        if (instance.type == type) found.push_back(&instance);
    }
    return found;
}

std::vector<Value> StepFile::parameters(const Instance& instance) const
{
    if (instance.parameters == 0) return {};
    Reader reader(text_, instance.parameters, instance.line);
    return reader.parameterList(0, instance.parameters + MAX_STEP_INSTANCE_BYTES);
}

}  // namespace vomel::step
