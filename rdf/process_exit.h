#pragma once
// A command-line process that ends with its conversion can leave its graphs to the operating system, which
// reclaims them at once, instead of freeing every node and statement. Libraries and tests never ask for
// it; a sanitizer build ignores the request so that its leak check still sees everything freed.
namespace RdfCpp {

void leaveGraphsToTheSystemAtExit();
bool leavesGraphsToTheSystem();

}  // namespace RdfCpp
