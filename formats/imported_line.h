#pragma once
// A design line read from an exchange file (a LandXML or an IFC alignment):
// the laid-out element chain, its chain breaks, its profile, the unit of
// all its lengths and what the import noticed on the way.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "alignment/length_unit.h"
#include "alignment/vertical_profile.h"
#include "core/wording.h"
#include "stationing/chain_break.h"

namespace vomel {

struct ImportedLine {
    std::string name;  // the alignment's name, bytes as in the file
    std::shared_ptr<const ElementChain> chain;
    ChainBreaks chainBreaks;
    std::optional<VerticalProfile> profile;
    // Why the line has no profile although the file gives one (a profile
    // that cannot be used); empty otherwise. The plan stands without it.
    std::string profileProblem;
    // What was imported but deserves the user's eye (a gap or a kink
    // between elements, a stated length that is not the elements' sum),
    // one sentence each, in file order, each said once.
    std::vector<Wording> notes;
    LengthUnit unit = LengthUnit::Metre;
};

}  // namespace vomel
