#pragma once
// Saving through one helper: the data go to a temporary file in the target's
// folder, which is flushed to the disk and then renamed over the target. A
// failure at any step removes the temporary file and leaves the previous
// target untouched.

#include <cstdint>
#include <string>
#include <vector>

// Raises VelotarError naming the path and the system's reason.
void WriteFileAtomically(const std::string& path, const std::vector<std::uint8_t>& data);
