#include "session/line_export.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "alignment/element_chain_line.h"
#include "alignment/intersection_point_line.h"
#include "core/failure.h"
#include "formats/atomic_file.h"
#include "formats/landxml_reader.h"
#include "geometry/element_pose.h"
#include "session/session.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// Lengths below this (in the line's unit) are no element: the key
// stations of a curve without a spiral or an arc coincide.
constexpr double EMPTY_ELEMENT_LENGTH = 0.0;

double signOf(double value) { return value < 0.0 ? -1.0 : 1.0; }

// The straights, spirals and arcs of a main line, from its curve elements:
// each element starts at the line's own key point with the tangent the
// line has there.
std::vector<LandXmlElement> mainLineElements(const IntersectionPointLine& source)
{
    const MainLine& l = source.table();
    const int n = l.jdCount;
    std::vector<LandXmlElement> elements;
    auto add = [&](Point start, double azimuth, ElementShape shape, Point end) {
        if (shape.length > EMPTY_ELEMENT_LENGTH) elements.push_back({start, azimuth, shape, end});
    };
    Point sideStart{l.jdX[1], l.jdY[1]};
    double sideStation = l.jdStation[1];
    for (int i = 2; i < n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const double turn = signOf(l.jdDeflection[r]);
        const double radius = turn * std::fabs(l.jdRadius[r]);
        const Point zh{l.zhX[r], l.zhY[r]};
        const Point hy{l.hyX[r], l.hyY[r]};
        const Point hz{l.hzX[r], l.hzY[r]};
        const Point yh = source.pointAt(l.yhStation[r]);
        add(sideStart, l.sideAzimuth[r - 1], {INFINITE_RADIUS, INFINITE_RADIUS, l.zhStation[r] - sideStation}, zh);
        const double outerIn = l.jdOuterRadiusIn[r] == 0.0 ? INFINITE_RADIUS : turn * std::fabs(l.jdOuterRadiusIn[r]);
        const ElementShape entry{outerIn, radius, l.hyStation[r] - l.zhStation[r]};
        add(zh, l.hyAzimuth[r] - elementDeflection(entry), entry, hy);
        const ElementShape arc{radius, radius, l.yhStation[r] - l.hyStation[r]};
        add(hy, l.hyAzimuth[r], arc, yh);
        const double outerOut =
            l.jdOuterRadiusOut[r] == 0.0 ? INFINITE_RADIUS : turn * std::fabs(l.jdOuterRadiusOut[r]);
        add(yh, l.hyAzimuth[r] + elementDeflection(arc), {radius, outerOut, l.hzStation[r] - l.yhStation[r]}, hz);
        sideStart = hz;
        sideStation = l.hzStation[r];
    }
    add(sideStart, l.sideAzimuth[static_cast<std::size_t>(n - 1)],
        {INFINITE_RADIUS, INFINITE_RADIUS, l.endStation() - sideStation},
        {l.jdX[static_cast<std::size_t>(n)], l.jdY[static_cast<std::size_t>(n)]});
    return elements;
}

// A ramp's elements as laid out: each from its node, ending where its own
// layout ends (which is the next node unless the next element has a start
// of its own).
std::vector<LandXmlElement> chainElements(const ElementChain& chain)
{
    std::vector<LandXmlElement> elements;
    for (int k = 1; k <= chain.elementCount; ++k) {
        const auto row = static_cast<std::size_t>(k);
        elements.push_back({{chain.nodeX[row], chain.nodeY[row]},
                            chain.nodeAzimuth[row],
                            elementShape(chain, k),
                            {chain.endX[row], chain.endY[row]}});
    }
    return elements;
}

// The stations at which the two lines are compared: the ends and quarter
// points of every element.
std::vector<double> comparisonStations(const LandXmlLine& line)
{
    std::vector<double> stations;
    double station = line.startStation;
    for (const LandXmlElement& element : line.elements) {
        for (const double share : {0.0, 0.25, 0.5, 0.75}) stations.push_back(station + share * element.shape.length);
        station += element.shape.length;
    }
    stations.push_back(station);
    return stations;
}

void keepLargest(double value, double station, double& largest, double& largestAt)
{
    if (value > largest) {
        largest = value;
        largestAt = station;
    }
}

}  // namespace

std::vector<LandXmlElement> landXmlElementsOf(const PreparedLine& line)
{
    if (const auto* main = dynamic_cast<const IntersectionPointLine*>(line.line.get())) return mainLineElements(*main);
    if (const auto* ramp = dynamic_cast<const ElementChainLine*>(line.line.get())) return chainElements(ramp->chain());
    throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "this kind of line has no LandXML form"));
}

LandXmlLine landXmlLineOf(const PreparedLine& line, const DesignSurface& surface, const std::string& name)
{
    LandXmlLine exported;
    exported.name = name;
    exported.unit = line.lengthUnit();
    exported.startStation = line.line->startStation();
    exported.elements = landXmlElementsOf(line);
    exported.chainBreaks = line.chainBreaks();
    if (surface.profile) exported.profile = *surface.profile;
    return exported;
}

ExportAgreement compareExport(const PreparedLine& line, const DesignSurface& surface, const std::string& document)
{
    std::istringstream in(document);
    ImportedLine imported = readLandXml(in);
    ExportAgreement agreement;
    agreement.notes = imported.notes;
    const std::optional<VerticalProfile> profile = imported.profile;
    const ChainBreaks breaks = imported.chainBreaks;
    const std::shared_ptr<const DesignLine> back = importedDesignLine(std::move(imported));
    const LandXmlLine exported = landXmlLineOf(line, surface, {});
    for (const double station : comparisonStations(exported)) {
        const Point a = line.pointAt(station);
        const Point b = back->pointAt(station);
        keepLargest(std::hypot(a.x - b.x, a.y - b.y), station, agreement.pointDistance, agreement.pointStation);
        const StatedStation stated = chainStationLetter(line.chainBreaks(), station);
        const StatedStation statedBack = chainStationLetter(breaks, station);
        const double difference = stated.letter == statedBack.letter ? std::fabs(stated.stated - statedBack.stated)
                                                                     : std::numeric_limits<double>::max();
        keepLargest(difference, station, agreement.stationDifference, agreement.stationAt);
        if (surface.profile && surface.profile->contains(station)) {
            const double elevation = surface.profile->elevationAt(station);
            const double elevationBack = profile && profile->contains(station) ? profile->elevationAt(station)
                                                                               : std::numeric_limits<double>::max();
            keepLargest(std::fabs(elevation - elevationBack), station, agreement.elevationDifference,
                        agreement.elevationAt);
        }
    }
    return agreement;
}

std::vector<Wording> exportLandXml(const PreparedLine& line, const DesignSurface& surface, const std::string& name,
                                   const std::string& path, const std::string& date, const std::string& time)
{
    LandXmlLine exported = landXmlLineOf(line, surface, name);
    exported.date = date;
    exported.time = time;
    const std::string document = landXmlDocument(exported);
    const ExportAgreement agreement = compareExport(line, surface, document);
    struct Check {
        double difference;
        double station;
        const char* what;
    };
    for (const Check& check :
         {Check{agreement.pointDistance, agreement.pointStation, VOMEL_TRANSLATE_NOOP("Failure", "its point")},
          Check{agreement.stationDifference, agreement.stationAt, VOMEL_TRANSLATE_NOOP("Failure", "its station")},
          Check{agreement.elevationDifference, agreement.elevationAt,
                VOMEL_TRANSLATE_NOOP("Failure", "its design elevation")}}) {
        if (check.difference > EXPORT_AGREEMENT_TOLERANCE) {
            throw GeometryFailure(
                VOMEL_TRANSLATE_NOOP("Failure", "the LandXML written would not give back the line: at station %1 "
                                                "%2 would move by %3; nothing was written"),
                formatFixed(check.station, 4), worded(check.what),
                check.difference == std::numeric_limits<double>::max() ? std::string("all")
                                                                       : formatGeneral(check.difference));
        }
    }
    std::vector<Wording> notes;
    for (const Wording& note : agreement.notes) {
        notes.push_back(worded(VOMEL_TRANSLATE_NOOP("Failure", "the LandXML keeps this as the line has it: %1"), note));
    }
    if (surface.crossFall) {
        notes.push_back(worded(VOMEL_TRANSLATE_NOOP(
            "Failure", "the cross-fall is not exported: LandXML's ProfAlign holds the centre line's profile only")));
    }
    AtomicFile file(path);
    file.write(document);
    file.commit();
    return notes;
}

}  // namespace vomel
