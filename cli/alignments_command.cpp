// vomel-cli alignments: the alignments a LandXML file holds, to choose one
// with --alignment NAME.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_failure.h"
#include "cli/commands.h"
#include "session/session.h"
#include "text/number_text.h"

namespace vomel::cli {

namespace {

struct AlignmentsCommand {
    std::string file;

    int run() const
    {
        return runReporting(Stage::Initialise, [&] {
            const std::vector<vomel::LandXmlAlignmentInfo> list = vomel::listLandXmlAlignments(file);
            std::cout << "name\tstart\tend\telements\tstation_equations\n";
            for (const auto& alignment : list) {
                // The name is written byte for byte, as the file holds it.
                std::cout << alignment.name << '\t' << vomel::formatGeneral(alignment.startStation) << '\t'
                          << vomel::formatGeneral(alignment.startStation + alignment.length) << '\t'
                          << alignment.elementCount << '\t' << alignment.stationEquationCount << '\n';
            }
            return EXIT_DONE;
        });
    }
};

}  // namespace

CommandRunner addAlignmentsCommand(CLI::App& app)
{
    auto state = std::make_shared<AlignmentsCommand>();
    auto* command = app.add_subcommand("alignments",
                                       "List the alignments of a LandXML file: name, start and end station, elements, "
                                       "station equations (tab-separated, one line each after a header)");
    command->add_option("FILE", state->file, "LandXML file")->required();
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
