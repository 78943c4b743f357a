// vomel-cli: the batch front end. Sub-commands are added as the core grows.
#include <CLI/CLI.hpp>

int main(int argc, char** argv)
{
    CLI::App app{"Vomel: stations and offsets of surveyed points on a road's design line"};
    app.require_subcommand(1);
    CLI11_PARSE(app, argc, argv);
    return 0;
}
