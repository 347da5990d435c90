#pragma once
// On/off switches written as text, on the command line and in repository configuration files, by one rule.
#include <string>

// "true" is on and "false" off (exactly so); any other text is on when its leading integer is not 0.
bool switchFromText(const std::string& text);
