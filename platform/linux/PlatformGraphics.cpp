#include "graphics/PlatformGraphics.h"

#include "platform/linux/IGraphicsLinux.h"

std::unique_ptr<IGraphics> CreatePlatformGraphics(IPlugBase& plug, int width, int height, int frameRate)
{
  return std::make_unique<IGraphicsLinux>(plug, width, height, frameRate);
}
