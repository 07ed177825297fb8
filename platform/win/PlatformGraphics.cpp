#include "graphics/PlatformGraphics.h"

#include "platform/win/IGraphicsWin.h"

std::unique_ptr<IGraphics> CreatePlatformGraphics(IPlugBase& plug, int width, int height, int frameRate)
{
  return std::make_unique<IGraphicsWin>(plug, width, height, frameRate);
}
