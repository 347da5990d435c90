#include "rdf/manager.h"
#include "rdf/restrictions.h"

namespace RdfCpp {

// Answered from the class descriptions once they can read restriction chains back.
std::vector<ClassRestrictions*> GraphManager::getClassRestrictions(const Redland::Node&, int,
                                                                   const std::set<Redland::Node>&) {
    return {};
}

}  // namespace RdfCpp
