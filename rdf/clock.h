#pragma once
// The time a run stamps on what it writes.
#include <ctime>
#include <string>

namespace RdfCpp {

// SOURCE_DATE_EPOCH when it holds a valid time (the reproducible-builds convention), else the current time.
std::time_t runTime();

// True when runTime() comes from SOURCE_DATE_EPOCH; such a time is shown in UTC so it reads the same everywhere.
bool runTimeIsFixed();

// runTime() as asctime writes it, newline included: local time, or UTC when fixed.
std::string runTimeText();

// runTime() as YYYY-MM-DD, in the same zone as runTimeText().
std::string runDate();

}  // namespace RdfCpp
