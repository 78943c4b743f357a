#include "app/gui/session_operations.h"

#include "app/failure.h"
#include "app/session.h"

namespace vomel::gui {

struct SessionOperations::State {
    std::shared_ptr<const Alignment> current;

    // The line being read, until it is built or discarded.
    std::shared_ptr<const zxbas::MainLine> stagedMainLine;
    std::optional<zxbas::ChainBreaks> stagedChainBreaks;
    std::shared_ptr<const htbas::ElementChain> stagedChain;

    const Alignment& requireCurrent() const
    {
        if (!current) throw GeometryFailure("no design line has been initialised");
        return *current;
    }
};

SessionOperations::SessionOperations() : state_(std::make_unique<State>()) {}

SessionOperations::~SessionOperations() = default;

void SessionOperations::readMainLine(const std::string& jdPath)
{
    discardStagedLine();
    state_->stagedMainLine = loadMainLine(jdPath);
}

void SessionOperations::readChainBreaks(const std::string& chainBreakPath)
{
    if (!state_->stagedMainLine) throw GeometryFailure("no main line has been read");
    state_->stagedChainBreaks = loadChainBreaks(chainBreakPath, state_->stagedMainLine->endStation());
}

void SessionOperations::readElementChain(const std::string& elementPath)
{
    discardStagedLine();
    // An element file or a LandXML document, told apart by its content.
    ElementLine line = loadElementLine(elementPath);
    state_->stagedChain = std::move(line.chain);
    state_->stagedChainBreaks = line.chainBreaks;
}

void SessionOperations::buildStagedLine()
{
    std::shared_ptr<const Alignment> built;
    if (state_->stagedMainLine) {
        built = buildAlignment(state_->stagedMainLine, state_->stagedChainBreaks.value_or(zxbas::ChainBreaks{}));
    } else if (state_->stagedChain) {
        built = buildAlignment(state_->stagedChain, state_->stagedChainBreaks.value_or(zxbas::ChainBreaks{}));
    } else {
        throw GeometryFailure("no design line has been read");
    }
    state_->current = std::move(built);
    discardStagedLine();
}

void SessionOperations::discardStagedLine()
{
    state_->stagedMainLine.reset();
    state_->stagedChainBreaks.reset();
    state_->stagedChain.reset();
}

TypedPointResult SessionOperations::solveTypedPoint(const std::string& xText, const std::string& yText)
{
    const SinglePointText result = computeSinglePoint(state_->requireCurrent(), xText, yText);
    return {result.station, result.offset};
}

void SessionOperations::solveCoordinateFile(const std::string& coordinatePath,
                                            const std::string& resultsPath,
                                            const PointProgress& progress)
{
    computeFileRun(state_->requireCurrent(), coordinatePath, resultsPath, HeaderEncoding::Gbk, progress);
}

bool SessionOperations::hasLine() const
{
    return state_->current != nullptr;
}

}  // namespace vomel::gui
