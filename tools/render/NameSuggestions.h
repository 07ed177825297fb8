#pragma once

#include <string>
#include <vector>

// The names of `known` that `typed` most likely meant, best first, at most
// `count`: those within a few typing mistakes of it, and those that contain
// it as a word. Case is ignored.
std::vector<std::string> NearestNames(const std::string& typed, const std::vector<std::string>& known, size_t count);
