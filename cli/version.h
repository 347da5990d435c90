#pragma once

inline constexpr const char* sartellVersion = "sartell 1.0.0";
