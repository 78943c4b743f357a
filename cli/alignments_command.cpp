// vomel-cli alignments: the alignments a LandXML or IFC file holds (told
// apart by its content), to choose one with --alignment NAME.
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
            if (vomel::isStepFile(file)) return listIfc();
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

    // IFC: the same columns, the alignment's line in the file, and the map
    // conversion the file declares (listed, not applied; "-" for none).
    ExitStatus listIfc() const
    {
        const std::vector<vomel::IfcAlignmentInfo> list = vomel::listIfcAlignments(file);
        std::cout << "name\tstart\tend\tsegments\tstation_equations\tline\tmap_conversion\n";
        for (const auto& alignment : list) {
            std::cout << alignment.name << '\t' << vomel::formatGeneral(alignment.startStation) << '\t'
                      << vomel::formatGeneral(alignment.endStation) << '\t' << alignment.segmentCount << '\t'
                      << alignment.stationEquationCount << '\t' << alignment.line << '\t'
                      << (alignment.mapConversion.empty() ? "-" : alignment.mapConversion) << '\n';
        }
        return EXIT_DONE;
    }
};

}  // namespace

CommandRunner addAlignmentsCommand(CLI::App& app)
{
    auto state = std::make_shared<AlignmentsCommand>();
    auto* command =
        app.add_subcommand("alignments", "List the alignments of a LandXML or IFC file: name, start and end station, "
                                         "elements (segments), station equations; for IFC also the line and the map "
                                         "conversion (tab-separated, one line each after a header)");
    command->add_option("FILE", state->file, "LandXML or IFC file")->required();
    return [state] { return state->run(); };
}

}  // namespace vomel::cli
