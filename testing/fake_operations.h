#pragma once
// A stand-in for the core's operations: records what the window asked for
// and fails where a test tells it to.

#include <functional>
#include <string>
#include <vector>

#include "core/failure.h"
#include "ui/operations.h"

namespace vomel::testing {

using ui::FileRunSummary;
using ui::Operations;
using ui::PointProgress;
using ui::TypedPointResult;

class FakeOperations : public Operations {
public:
    // The step that fails, by name ("readMainLine", ...), and how.
    std::string failingStep;
    bool failWithCancel = false;
    long pointCount = 3;  // points of the coordinate file
    long failAtPoint = 0;  // 0: no point fails
    std::vector<std::string> calls;
    int lines = 0;  // design lines made current
    bool staged = false;
    FootPlace typedPlace = FootPlace::OnLine;  // where every typed point lies
    long beforeStart = 0;  // file-run points before the start
    long afterEnd = 0;  // and after the end
    std::function<void(long i)> beforePoint;  // called before each file-run point

    void readMainLine(const std::string& path) override
    {
        step("readMainLine", path);
        staged = true;
    }
    void readChainBreaks(const std::string& path) override { step("readChainBreaks", path); }
    void readElementChain(const std::string& path) override
    {
        step("readElementChain", path);
        staged = true;
    }
    void buildStagedLine() override
    {
        step("buildStagedLine", "");
        ++lines;
        staged = false;
    }
    void discardStagedLine() override
    {
        calls.emplace_back("discardStagedLine");
        staged = false;
    }
    TypedPointResult solveTypedPoint(const std::string& x, const std::string& y) override
    {
        step("solveTypedPoint", x + "," + y);
        return {"B" + x, y + ".000", typedPlace};
    }
    FileRunSummary solveCoordinateFile(const std::string& coordinates, const std::string& results,
                                       const PointProgress& progress) override
    {
        step("solveCoordinateFile", coordinates + ">" + results);
        for (long i = 1; i <= pointCount; ++i) {
            if (beforePoint) beforePoint(i);
            if (progress) progress(i, pointCount);
            if (i == failAtPoint) throw GeometryFailure(Wording("point " + std::to_string(i) + " has no foot"), i);
        }
        return {pointCount, beforeStart, afterEnd};
    }

private:
    void step(const std::string& name, const std::string& argument)
    {
        calls.push_back(argument.empty() ? name : name + " " + argument);
        if (name != failingStep) return;
        if (failWithCancel) throw CancelledFailure(Wording("cancelled in " + name));
        throw FormatFailure(Wording("bad field in " + name), 7);
    }
};

}  // namespace vomel::testing
