#pragma once

#include "tools/artwork/Paint.h"

// Where the editor lays its controls over the background, in editor pixels.
// The background is drawn around these, so they must match the editor exactly.
namespace velkor::artwork::layout {

constexpr double width = 760;
constexpr double height = 450;

constexpr Rect vuLeft{20, 14, 250, 125};
constexpr Rect vuRight{280, 14, 250, 125};

constexpr Rect knobInput{24, 212, 120, 120};
constexpr Rect knobOutput{180, 212, 120, 120};
constexpr Rect valueInput{24, 326, 120, 19};
constexpr Rect valueOutput{180, 326, 120, 19};

constexpr Rect buttonAutoGain{344, 193, 42, 42};
constexpr Rect buttonOutComp{344, 282, 42, 42};
constexpr Rect buttonHiss{344, 365, 42, 42};
constexpr Rect buttonBypass{641, 36, 42, 42};

constexpr Rect selectAutoGainLevel{441, 242, 50, 18};
constexpr Rect selectBias{391, 333, 50, 18};
constexpr Rect selectGroup{603, 114, 118, 18};
constexpr Rect selectDeck{603, 198, 118, 18};
constexpr Rect selectHissLevel{440, 413, 50, 18};

constexpr Rect machine{549, 228, 180, 180};

}  // namespace velkor::artwork::layout
