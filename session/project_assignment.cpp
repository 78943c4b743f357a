// Which line of a project a point belongs to, and its answer there.
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/failure.h"
#include "session/project.h"
#include "solver/reference_search.h"

namespace vomel {

namespace {

// A line's answer for the point, with how far its foot lies.
struct Foot {
    std::size_t line;
    Solution solution;
    double distance;
};

bool onTheLine(const Solution& solution)
{
    return solution.place == FootPlace::OnLine || solution.place == FootPlace::Corner;
}

// True when the line's window and maximum offset hold the foot.
bool withinBounds(const ProjectLine& line, const Solution& solution)
{
    const double s = solution.station;
    if (line.fromStation && s < *line.fromStation - WINDOW_TOLERANCE) return false;
    if (line.toStation && s > *line.toStation + WINDOW_TOLERANCE) return false;
    return !line.entry.maxOffset || std::fabs(solution.offset) <= *line.entry.maxOffset + WINDOW_TOLERANCE;
}

// The nearest foot that holds the point and the second nearest, in `feet`
// (lines in project order, so that a tie goes to the earlier line). A
// foot beyond a line's end (on its extended tangent) holds no point.
struct Choice {
    const Foot* best = nullptr;
    const Foot* second = nullptr;
};
Choice choose(const std::vector<Foot>& feet, const std::vector<ProjectLine>& lines)
{
    Choice choice;
    for (const Foot& foot : feet) {
        if (!onTheLine(foot.solution) || !withinBounds(lines[foot.line], foot.solution)) continue;
        if (choice.best == nullptr || foot.distance < choice.best->distance) {
            choice.second = choice.best;
            choice.best = &foot;
        } else if (choice.second == nullptr || foot.distance < choice.second->distance) {
            choice.second = &foot;
        }
    }
    return choice;
}

ProjectSolution answer(const Choice& choice)
{
    ProjectSolution result;
    result.assignment = Assignment::Nearest;
    result.line = choice.best->line;
    result.solution = choice.best->solution;
    result.otherLine = result.line;
    if (choice.second != nullptr && choice.second->distance - choice.best->distance <= AMBIGUOUS_LINE_DISTANCE) {
        result.solution.ambiguous = true;
        result.solution.otherStation = choice.second->solution.station;
        result.otherLine = choice.second->line;
    }
    return result;
}

Foot footOn(std::size_t line, const Solution& solution) { return {line, solution, std::fabs(solution.offset)}; }

}  // namespace

void Project::index()
{
    std::vector<LineSetIndex::Line> indexed;
    codes_.clear();
    prefixes_.clear();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        indexed.push_back({&lines[i].line->samples, &lines[i].line->sampleIndex});
        for (const auto& code : lines[i].entry.codes) codes_.emplace_back(code, i);
        for (const auto& prefix : lines[i].entry.prefixes) prefixes_.emplace_back(prefix, i);
    }
    std::stable_sort(prefixes_.begin(), prefixes_.end(),
                     [](const auto& p, const auto& q) { return p.first.size() > q.first.size(); });
    index_ = LineSetIndex(std::move(indexed));
}

std::optional<ProjectSolution> Project::byCodeOrPrefix(const SurveyPoint& point) const
{
    ProjectSolution result;
    const auto code = std::find_if(codes_.begin(), codes_.end(), [&](const auto& c) { return c.first == point.code; });
    if (!point.code.empty() && code != codes_.end()) {
        result.assignment = Assignment::Code;
        result.line = code->second;
    } else {
        const auto prefix = std::find_if(prefixes_.begin(), prefixes_.end(),
                                         [&](const auto& p) { return point.label.starts_with(p.first); });
        if (prefix == prefixes_.end()) return std::nullopt;
        result.assignment = Assignment::Prefix;
        result.line = prefix->second;
    }
    result.solution = lines[result.line].line->solve(point.x, point.y);
    result.otherLine = result.line;
    return result;
}

ProjectSolution Project::byGeometry(double x, double y) const
{
    // Reused from point to point: no allocation once they have grown. Taken
    // by reference once (each use of a thread_local checks its
    // initialisation).
    thread_local std::vector<LineSetIndex::Candidate> withinOfThread;
    thread_local std::vector<SampleIndex::Candidate> ofLineOfThread;
    thread_local std::vector<Foot> feetOfThread;
    std::vector<LineSetIndex::Candidate>& within = withinOfThread;
    std::vector<SampleIndex::Candidate>& ofLine = ofLineOfThread;
    std::vector<Foot>& feet = feetOfThread;
    const double margin = candidateMargin(lines.front().line->samples);
    const LineSetIndex::Candidate nearest = index_.nearestWithin(x, y, margin, within);
    feet.clear();
    for (std::size_t i = 0; i < within.size();) {
        const std::size_t line = within[i].line;
        ofLine.clear();
        for (; i < within.size() && within[i].line == line; ++i)
            ofLine.push_back({within[i].index, within[i].distance});
        // The nearest line's candidates are those of its own search; another
        // line's nearest sample may lie elsewhere, so it searches itself.
        const PreparedLine& prepared = *lines[line].line;
        feet.push_back(footOn(line, line == nearest.line ? prepared.solveAmong(x, y, nearest.index, ofLine)
                                                         : prepared.solve(x, y)));
    }
    // A line without a candidate has its foot farther than the nearest
    // sample plus CANDIDATE_DISTANCE_SLACK: it can neither be nearer than a
    // foot short of that by AMBIGUOUS_LINE_DISTANCE nor as near.
    Choice choice = choose(feet, lines);
    const double unsolvedReach = nearest.distance + CANDIDATE_DISTANCE_SLACK;
    if (choice.best != nullptr && choice.best->distance + AMBIGUOUS_LINE_DISTANCE < unsolvedReach)
        return answer(choice);

    // The nearest lines do not hold the point: every line answers.
    std::vector<bool> solved(lines.size(), false);
    for (const Foot& foot : feet) solved[foot.line] = true;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        if (!solved[line]) feet.push_back(footOn(line, lines[line].line->solve(x, y)));
    }
    std::sort(feet.begin(), feet.end(), [](const Foot& p, const Foot& q) { return p.line < q.line; });
    choice = choose(feet, lines);
    if (choice.best == nullptr) return {};
    return answer(choice);
}

ProjectSolution Project::solve(const SurveyPoint& point) const
{
    requireCoordinate(point.x, VOMEL_TRANSLATE_NOOP("Failure", "X of the point"));
    requireCoordinate(point.y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the point"));
    if (lines.empty() || index_.empty()) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    }
    if (auto assigned = byCodeOrPrefix(point)) return *assigned;
    return byGeometry(point.x, point.y);
}

}  // namespace vomel
