#pragma once
// What the process tells its caller: scripts tell a usable result from a failed run by this alone.
enum ExitStatus {
    exitSuccess = 0,  // every file the run meant to write was written
    exitFailure = 1,  // the input could not be read or converted, or a file could not be written
    exitUsage = 2,    // the command line was missing or malformed
};
