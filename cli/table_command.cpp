// vomel-cli table: the station coordinate table (逐桩坐标表) of a line.
#include <cmath>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "formats/atomic_file.h"
#include "formats/station_table_writers.h"
#include "session/session.h"
#include "session/station_table.h"
#include "stationing/stated_station.h"
#include "text/number_text.h"

namespace vomel::cli {

namespace {

// An interval between rows: a number of at least MIN_TABLE_INTERVAL.
double intervalArgument(const std::string& text, const char* option)
{
    const double value = numberArgument(text, option);
    if (!(value >= vomel::MIN_TABLE_INTERVAL)) {
        throw UsageError(std::string(option) + " must be at least " + vomel::formatGeneral(vomel::MIN_TABLE_INTERVAL) +
                         " (the table prints stations to the millimetre): \"" + text + "\"");
    }
    return value;
}

// "-3.75,3.75": distances from the line, left positive; 0 (the centre,
// which every row has) and a distance given twice are refused.
std::vector<double> offsetsArgument(const std::string& text)
{
    std::vector<double> offsets;
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const double offset = numberArgument(text.substr(at, comma - at), "--offsets");
        if (offset == 0.0) throw UsageError("--offsets: 0 is the centre line, which every row has: \"" + text + "\"");
        for (const double earlier : offsets) {
            if (earlier == offset) throw UsageError("--offsets names an offset twice: \"" + text + "\"");
        }
        offsets.push_back(offset);
        at = comma + 1;
    }
    return offsets;
}

// A station bounding the table, continuous or stated (B1000.5, K5+030).
double stationArgument(const std::string& text, const char* option, const vomel::ChainBreaks& breaks)
{
    const auto station = vomel::parseStationText(text);
    if (!station) throw UsageError(std::string(option) + " is not a station: \"" + text + "\"");
    return vomel::continuousStation(breaks, *station);
}

struct TableCommand {
    AlignmentOptions alignment;
    DesignOptions design;
    std::string every;
    std::string onCurves;
    std::string from;
    std::string to;
    std::string offsets;
    std::string format = "csv";
    std::string encoding = "gbk";
    std::string outputFile;
    const Language* language = nullptr;

    vomel::StationTableOptions tableOptions(const vomel::ChainBreaks& breaks) const
    {
        vomel::StationTableOptions options;
        options.stations.interval = intervalArgument(every, "--every");
        if (!onCurves.empty()) options.stations.curveInterval = intervalArgument(onCurves, "--on-curves");
        if (!offsets.empty()) options.offsets = offsetsArgument(offsets);
        if (!from.empty()) options.stations.from = stationArgument(from, "--from", breaks);
        if (!to.empty()) options.stations.to = stationArgument(to, "--to", breaks);
        if (options.stations.from && options.stations.to && *options.stations.from > *options.stations.to) {
            throw UsageError("--from lies beyond --to: \"" + from + "\" and \"" + to + "\"");
        }
        return options;
    }

    std::string tableText(const vomel::StationTable& table) const
    {
        vomel::TableTextOptions text;
        text.language = *language == Language::Chinese ? vomel::TableLanguage::Chinese : vomel::TableLanguage::English;
        text.encoding = encoding == "utf-8" ? vomel::HeaderEncoding::Utf8 : vomel::HeaderEncoding::Gbk;
        if (format == "text") return vomel::stationTableText(table, text);
        if (format == "cass") return vomel::stationTableCass(table, text);
        return vomel::stationTableCsv(table, text);
    }

    int run() const
    {
        // The numbers are checked before any file is read.
        (void)intervalArgument(every, "--every");
        if (!onCurves.empty()) (void)intervalArgument(onCurves, "--on-curves");
        if (!offsets.empty()) (void)offsetsArgument(offsets);

        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;

        return runReporting(Stage::Compute, [&] {
            vomel::StationTableOptions options = tableOptions(line->chainBreaks());
            options.design = surface.profile ? &surface : nullptr;
            vomel::AtomicFile writer(outputFile.empty() ? "/dev/stdout" : outputFile);
            const vomel::StationTable table = vomel::stationTable(*line, options);
            writer.write(tableText(table));
            writer.commit();
            if (table.rowsBeyondProfile != 0) {
                const bool one = table.rowsBeyondProfile == 1;
                std::cerr << "vomel-cli: " << table.rowsBeyondProfile << (one ? " row lies" : " rows lie")
                          << " outside the profile: " << (one ? "its elevations are" : "their elevations are")
                          << " left empty\n";
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addTableCommand(CLI::App& app, const Language& language)
{
    auto state = std::make_shared<TableCommand>();
    state->language = &language;
    CLI::App* command = app.add_subcommand(
        "table", "Write the station coordinate table (逐桩坐标表): a row at every multiple of --every in each "
                 "chain, at every key point, at the start and end and at both readings of every chain break");
    state->alignment.addTo(*command);
    command->add_option("--every", state->every, "Metres between rows: every multiple of it in each chain")->required();
    command->add_option("--on-curves", state->onCurves, "Metres between rows inside curves and spirals instead");
    command->add_option("--from", state->from,
                        "First station of the table: continuous, or stated with its chain letter (B1000.5, K5+030)");
    command->add_option("--to", state->to, "Last station of the table, as --from");
    command->add_option("--offsets", state->offsets,
                        "Offsets to set out on every row, separated by commas, left positive: -3.75,3.75");
    command->add_option("--format", state->format, "csv, text (aligned for reading) or cass (for a controller)")
        ->check(CLI::IsMember({"csv", "text", "cass"}))
        ->capture_default_str();
    command->add_option("--encoding", state->encoding, "Encoding of the Chinese texts (header, 起点, 终点, 断链)")
        ->check(CLI::IsMember({"gbk", "utf-8"}))
        ->capture_default_str();
    state->design.addTo(*command);
    command->add_option("--output", state->outputFile,
                        "File to write (replaced only when complete); standard output if omitted");
    command->footer("The header follows --lang. With a profile (--profile, or the line's own) the design "
                    "elevations are added, at each offset with the cross-fall; a row beyond the profile leaves "
                    "them empty and standard error says how many rows do.");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
