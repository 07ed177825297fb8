#pragma once

class LICE_IBitmap;

// A film strip: `frameCount` equal frames side by side or stacked in one
// raster that the process-wide raster cache holds.
struct IFrameBitmap
{
  LICE_IBitmap* raster = nullptr;
  int width = 0;
  int height = 0;
  int frameCount = 1;
  bool framesSideBySide = false;

  int FrameWidth() const { return framesSideBySide ? width / frameCount : width; }
  int FrameHeight() const { return framesSideBySide ? height : height / frameCount; }
};
