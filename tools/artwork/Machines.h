#pragma once

#include <cairo.h>

// The four machine portraits, one 180 x 180 frame each, in deck-table order.
namespace velkor::artwork::recorder {

void paintJapaneseDeck(cairo_t* cr);
void paintAmericanDeck(cairo_t* cr);
void paintSwissDeck(cairo_t* cr);
void paintSecondAmericanDeck(cairo_t* cr);

}  // namespace velkor::artwork::recorder
