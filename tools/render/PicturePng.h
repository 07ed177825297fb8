#pragma once

#include "EditorPicture.h"

#include <string>

bool WritePng(const std::string& path, const EditorPicture& picture, std::string& error);
