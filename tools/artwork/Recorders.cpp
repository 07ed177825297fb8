#include "tools/artwork/FilmStrip.h"
#include "tools/artwork/Machines.h"
#include "tools/artwork/Pictures.h"
#include "tools/artwork/RecorderParts.h"

namespace velkor::artwork {

Surface drawRecorders(int scale) {
  using PaintMachine = void (*)(cairo_t*);
  const PaintMachine machines[] = {recorder::paintJapaneseDeck, recorder::paintAmericanDeck,
                                   recorder::paintSwissDeck, recorder::paintSecondAmericanDeck};
  return stackFrames(recorder::frameSize, recorder::frameSize, 4, scale,
                     [&](cairo_t* cr, int frame) { machines[frame](cr); });
}

}  // namespace velkor::artwork
