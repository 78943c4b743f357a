// Build step of vomel-cli: writes the finished translations of the named
// contexts of a Qt translation source (.ts) as a C++ table, so that the
// command line speaks from the window's own catalogue without Qt.
//
//   catalogue_table TS_FILE OUTPUT_CPP TABLE_NAME CONTEXT...
//
// An unfinished, vanished or obsolete message, an empty translation and a
// message with plural forms are left out: their texts stay English.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>

#include <pugixml.hpp>

namespace {

// `text` as a C++ string literal: quotes, backslashes and control bytes
// escaped (three octal digits, so that no following digit joins them);
// UTF-8 kept as it is.
std::string literal(const std::string& text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

bool isFinished(const pugi::xml_node& message)
{
    const pugi::xml_node translation = message.child("translation");
    const std::string type = translation.attribute("type").value();
    return translation && type.empty() && std::string(message.attribute("numerus").value()) != "yes" &&
           translation.text().get()[0] != '\0';
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::cerr << "usage: catalogue_table TS_FILE OUTPUT_CPP TABLE_NAME CONTEXT...\n";
        return 1;
    }
    const std::string source = argv[1];
    const std::set<std::string> contexts(argv + 4, argv + argc);

    pugi::xml_document document;
    if (const pugi::xml_parse_result parsed = document.load_file(source.c_str()); !parsed) {
        std::cerr << source << ": offset " << parsed.offset << ": " << parsed.description() << '\n';
        return 1;
    }

    std::ostringstream table;
    std::set<std::string> found;
    std::size_t count = 0;
    for (const pugi::xml_node& context : document.child("TS").children("context")) {
        const std::string name = context.child_value("name");
        if (contexts.count(name) == 0) continue;
        found.insert(name);
        for (const pugi::xml_node& message : context.children("message")) {
            if (!isFinished(message)) continue;
            table << "    {" << literal(name) << ", " << literal(message.child_value("source")) << ", "
                  << literal(message.child("translation").text().get()) << "},\n";
            ++count;
        }
    }
    // A context that is not there is a renamed context or a wrong file: the
    // command line would fall back to English without a word.
    for (const std::string& name : contexts) {
        if (found.count(name) == 0) {
            std::cerr << source << ": no context named " << name << '\n';
            return 1;
        }
    }

    std::ostringstream text;
    text << "// Written by catalogue_table from " << source << "; do not edit.\n"
         << "#include <array>\n\n#include \"cli/catalogue.h\"\n\nnamespace vomel::cli {\n\nnamespace {\n\n"
         << "const std::array<CatalogueEntry, " << count << "> ENTRIES = {{\n"
         << table.str() << "}};\n\n}  // namespace\n\n"
         << "const std::span<const CatalogueEntry> " << argv[3] << "{ENTRIES};\n\n"
         << "}  // namespace vomel::cli\n";

    // Written whole or not at all, so that a failed step leaves no half table.
    const std::string output = argv[2];
    const std::string partial = output + ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush()) {
            std::cerr << partial << ": cannot write the table\n";
            return 1;
        }
    }
    if (std::rename(partial.c_str(), output.c_str()) != 0) {
        std::cerr << output << ": cannot put the table in place\n";
        return 1;
    }
    return 0;
}
