// vomel-cli solve: every point of a coordinate file into a results file.
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include "cli/alignment_options.h"
#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "cli/design_options.h"
#include "session/project_run.h"
#include "session/run_messages.h"
#include "session/session.h"

namespace vomel::cli {

namespace {

// Progress is redrawn on a terminal at most this often.
constexpr std::chrono::milliseconds PROGRESS_INTERVAL{200};

// Shows "正在反算第 i 个   共 n 个" on standard error when it is a terminal.
class TerminalProgress {
public:
    TerminalProgress() : enabled_(isatty(STDERR_FILENO) == 1) {}
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    ~TerminalProgress()
    {
        if (shown_) std::fputs("\n", stderr);
    }

    // Only a terminal shows progress; a run without it reads the file once.
    bool enabled() const { return enabled_; }

    void operator()(long i, long count)
    {
        const auto now = std::chrono::steady_clock::now();
        if (shown_ && i != count && now - last_ < PROGRESS_INTERVAL) return;
        last_ = now;
        shown_ = true;
        std::fprintf(stderr, "\r%s", vomel::progressText(i, count).c_str());
        std::fflush(stderr);
    }

private:
    bool enabled_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point last_{};
};

struct SolveCommand {
    AlignmentOptions alignment;
    std::string pointsFile;
    std::string outputFile;
    std::string outputFolder;
    std::string encoding = "gbk";
    std::string format = "results";
    std::string pointsFormat = "plain";
    DesignOptions design;
    unsigned threads = 0;  // 0: every core
    bool reference = false;
    CLI::App* command = nullptr;

    int run() const
    {
        if (!alignment.projectFile.empty() && alignment.lineName.empty()) return runProject();
        if (!outputFolder.empty()) throw UsageError("--output-folder goes with --project (one results file per line)");
        if (format != "csv") {
            if (!design.profileFile.empty()) throw UsageError("--profile needs --format csv");
            if (!design.crossFallFile.empty()) throw UsageError("--crossfall needs --format csv");
        }
        std::shared_ptr<const vomel::PreparedLine> line;
        vomel::DesignSurface surface;
        if (const int status = design.loadLineAndSurface(alignment, line, surface); status != EXIT_DONE) return status;

        const auto header = encoding == "utf-8" ? vomel::HeaderEncoding::Utf8 : vomel::HeaderEncoding::Gbk;
        return runReporting(Stage::Compute, [&] {
            auto progress = std::make_shared<TerminalProgress>();
            const vomel::RunOptions options = runOptions();
            const std::string destination = outputFile.empty() ? "/dev/stdout" : outputFile;
            vomel::ProgressCallback report;
            if (progress->enabled()) report = [progress](long i, long count) { (*progress)(i, count); };
            if (format == "csv") {
                const vomel::CsvColumns columns{surface.profile ? &surface : nullptr,
                                                options.pointsFormat == vomel::PointsFormat::Cass};
                vomel::computeCsvRun(*line, columns, pointsFile, destination, report, options);
            } else {
                vomel::computeFileRun(*line, pointsFile, destination, header, report, options);
            }
            return EXIT_DONE;
        });
    }

    vomel::RunOptions runOptions() const
    {
        vomel::RunOptions options;
        options.solver = reference ? vomel::SolverChoice::Reference : vomel::SolverChoice::Fast;
        options.threads = threads;
        options.pointsFormat = pointsFormat == "cass" ? vomel::PointsFormat::Cass : vomel::PointsFormat::Plain;
        return options;
    }

    // Every point to its own line of the project: one CSV, or one results
    // file per line in --output-folder; the points per line on standard
    // error.
    int runProject() const
    {
        if (!design.profileFile.empty() || !design.crossFallFile.empty()) {
            throw UsageError("--profile and --crossfall name one line's files: the project gives each line its own "
                             "(or choose one with --line)");
        }
        if (reference) throw UsageError("--reference solves on a single line: choose one with --line");
        if (format == "csv" && !outputFolder.empty()) throw UsageError("--output-folder goes with --format results");
        if (format != "csv" && outputFolder.empty()) {
            throw UsageError("with --project, --format results writes one file per line: give --output-folder DIR, "
                             "or --format csv");
        }
        if (format != "csv" && !outputFile.empty()) throw UsageError("--output goes with --format csv");
        std::shared_ptr<const vomel::PreparedLine> none;
        if (const int status = alignment.loadReporting(none, true); status != EXIT_DONE) return status;
        const vomel::Project& project = *alignment.project;
        const auto header = encoding == "utf-8" ? vomel::HeaderEncoding::Utf8 : vomel::HeaderEncoding::Gbk;
        return runReporting(Stage::Compute, [&] {
            auto progress = std::make_shared<TerminalProgress>();
            vomel::ProgressCallback report;
            if (progress->enabled()) report = [progress](long i, long count) { (*progress)(i, count); };
            const vomel::ProjectRunCounts counts =
                format == "csv"
                    ? vomel::computeProjectCsvRun(project, pointsFile, outputFile.empty() ? "/dev/stdout" : outputFile,
                                                  report, runOptions())
                    : vomel::computeProjectResultsRun(project, pointsFile, outputFolder, header, report, runOptions());
            progress.reset();
            std::fprintf(stderr, "vomel-cli: %s\n", vomel::projectCountsText(project, counts).c_str());
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addSolveCommand(CLI::App& app)
{
    auto state = std::make_shared<SolveCommand>();
    state->command = app.add_subcommand("solve", "Solve every point of a coordinate file and write the results file");
    state->alignment.addTo(*state->command);
    state->command->add_option("--points", state->pointsFile, "Coordinate file: label X Y [elevation] per line")
        ->required();
    state->command
        ->add_option("--points-format", state->pointsFormat,
                     "plain: label X Y [elevation]; cass: CASS data name,code,E,N,elevation (the code goes to the "
                     "CSV's code column)")
        ->check(CLI::IsMember({"plain", "cass"}))
        ->capture_default_str();
    state->design.addTo(*state->command);
    state->command->add_option("--output", state->outputFile,
                               "Results file to write (replaced only when complete); standard output if omitted");
    state->command->add_option("--output-folder", state->outputFolder,
                               "With --project and --format results: the folder (which must exist) of the results "
                               "files, one per line (LINE.txt) and unassigned.txt for the points no line holds");
    state->command->add_option("--encoding", state->encoding, "Encoding of the results header")
        ->check(CLI::IsMember({"gbk", "utf-8"}))
        ->capture_default_str();
    state->command
        ->add_option("--format", state->format,
                     "results: the results file; csv: UTF-8 CSV with a header row and per-point status and "
                     "residual (with --project also the columns line and other_line)")
        ->check(CLI::IsMember({"results", "csv"}))
        ->capture_default_str();
    state->command
        ->add_option("--threads", state->threads,
                     "Worker threads; 0 (the default) uses every core. The results do not depend on it")
        ->check(CLI::Range(0u, 1024u));
    state->command->add_flag("--reference", state->reference,
                             "Use the reference algorithm (a scan of every sample and a bisection on the "
                             "distance) instead of the fast path");
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
