#pragma once

#include "EditorPicture.h"

#include <string>

// Writes `picture` as a PNG file, through an OutputFile: a failed write leaves
// what was at `path` as it was.
bool WritePng(const std::string& path, const EditorPicture& picture, std::string& error);
