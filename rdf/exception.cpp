#include "rdf/exception.h"

#include <iostream>

namespace RdfCpp {

void printException(const std::string& message) { std::cout << "Exception: " << message << std::endl; }

}  // namespace RdfCpp
