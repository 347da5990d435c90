#include "rdf/process_exit.h"

#if defined(__SANITIZE_ADDRESS__)
#define SARTELL_LEAK_CHECKED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SARTELL_LEAK_CHECKED 1
#endif
#endif

namespace RdfCpp {
namespace {
bool leaving = false;
}

void leaveGraphsToTheSystemAtExit() {
#ifndef SARTELL_LEAK_CHECKED
    leaving = true;
#endif
}

bool leavesGraphsToTheSystem() { return leaving; }

}  // namespace RdfCpp
