#pragma once
// The version of Sartell: credited in the ontologies it writes and printed on request.
inline constexpr const char* sartellVersion = "0.1.0";
