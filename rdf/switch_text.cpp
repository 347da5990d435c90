#include "rdf/switch_text.h"

#include "rdf/leading_integer.h"

bool switchFromText(const std::string& text) {
    if (text == "true") return true;
    if (text == "false") return false;
    return leadingInteger(text) != 0;
}
