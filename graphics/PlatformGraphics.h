#pragma once

#include <memory>

class IGraphics;
class IPlugBase;

// The editor's graphics core with the window layer of the platform the
// module is built for (platform/<os>/). A frame rate of 0 or less becomes 30.
std::unique_ptr<IGraphics> CreatePlatformGraphics(IPlugBase& plug, int width, int height, int frameRate);
