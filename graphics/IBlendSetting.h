#pragma once

#include "raster/LICE_Composite.h"

enum BlendKind : int
{
  // Copy weighted by the source pixels' alpha.
  BlendSourceAlpha = 0,
  // Copy, ignoring the source alpha.
  BlendCopy = 1,
  BlendAdd = 2,
  BlendColourDodge = 3,
};

// How a control's picture is combined with what lies under it.
struct IBlendSetting
{
  int kind = BlendSourceAlpha;
  // The global alpha, 0..1.
  float weight = 1.0f;

  // The compositing operator; unknown kinds copy with the source alpha.
  int CompositeMode() const
  {
    switch (kind)
    {
    case BlendCopy:
      return ModeCopy;
    case BlendAdd:
      return ModeAdd | ModeUseSourceAlpha;
    case BlendColourDodge:
      return ModeDodge | ModeUseSourceAlpha;
    default:
      return ModeCopy | ModeUseSourceAlpha;
    }
  }
};
