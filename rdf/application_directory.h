#pragma once
// Where the running executable lives: the anchor of a relative repository path.
#include <string>

// The full path of the running executable; empty when the system does not tell.
std::string applicationPath();
// The text of applicationPath() before its last "/" (the whole text when it has none; "/" for a file in the root).
std::string applicationDirectory();
// path made absolute against applicationDirectory(); an empty path gives that directory itself.
std::string anchoredAtApplication(const std::string& path);
