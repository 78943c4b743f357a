#pragma once
// The stationing of an IFC alignment from its referents (IfcReferent nested
// in the alignment, with Pset_Stationing): the start station, and station
// equations as chain breaks.
//
// A referent's place is its DistanceAlong (IfcLinearPlacement →
// IfcAxis2PlacementLinear → IfcPointByDistanceExpression), measured from the
// start of the horizontal layout. The referent nearest the start that has a
// Station and no IncomingStation gives the start station (its Station less
// its distance); one with an IncomingStation is a station equation: back
// station IncomingStation, ahead station Station. A file without referents
// starts at station 0. Stations that decrease along the line
// (HasIncreasingStation false) are refused.

#include <string>
#include <vector>

#include "core/wording.h"
#include "formats/ifc_model.h"
#include "formats/ifc_units.h"
#include "stationing/chain_break.h"

namespace vomel::ifc {

struct StationEquation {
    double distance = 0.0;  // from the start of the line, line unit
    double back = 0.0;
    double ahead = 0.0;
};

struct Stationing {
    double startStation = 0.0;
    std::vector<StationEquation> equations;  // in order along the line
    std::vector<Wording> notes;
};

Stationing readStationing(const Model& model, const Entity& alignment, const Units& units);

// The equations as a chain-break table for a line ending at continuous
// station `endStation` (the end row holds it).
ChainBreaks chainBreaksOf(const Stationing& stationing, double endStation);

}  // namespace vomel::ifc
