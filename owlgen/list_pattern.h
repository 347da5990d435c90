#pragma once
// LIST and ARRAY aggregations as linked lists of cells: list classes per member class, and the bounds of an
// aggregation as restriction chains on hasNext.
#include <string>

#include "owlgen/generation_context.h"
#include "rdf/node.h"
#include "rdf/restrictions.h"

// The list class of a member and, with the LDWG decisions, its empty-list subclass; null where absent.
struct ListClasses {
    Redland::Node list;
    Redland::Node emptyList;
};

// Binds List, EmptyList, isFollowedBy, hasNext and hasContents: to the external list vocabulary with the
// LDWG decisions, otherwise to terms defined in the schema graph.
void setUpListVocabulary(GenerationContext& ctx);

// The list class and the three list properties with their characteristics, domains, ranges and labels.
void declareListTerms(RdfCpp::Graph& graph, const Redland::Node& list, const Redland::Node& isFollowedBy,
                      const Redland::Node& hasNext, const Redland::Node& hasContents);

// Makes memberName + "_List" (and "_EmptyList" with the LDWG decisions) in graph on the first request for a
// member that has a class; every request returns the classes as they are then.
ListClasses generateListClass(GenerationContext& ctx, const std::string& memberName, RdfCpp::Graph& graph);

// The bounds of a LIST on cls as chains on hasNext, each starting with leading when one is given.
void addListBoundsChains(GenerationContext& ctx, const Redland::Node& cls, const Restriction* leading,
                         const std::string& lower, const std::string& upper, const ListClasses& classes);

// The length of an ARRAY on cls as chains on hasNext.
void addArrayLengthChains(GenerationContext& ctx, const Redland::Node& cls, const std::string& lower,
                          const std::string& upper, const ListClasses& classes);
