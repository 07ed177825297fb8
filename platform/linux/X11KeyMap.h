#pragma once

#include <X11/X.h>

// The KeyNumber a control is offered for a key, from the key's unshifted
// symbol: space, the arrows, the digits above the letters and the letters
// (either case). -1 for every other key (function keys, the numeric keypad),
// which goes straight on to the host.
int KeyNumberFor(KeySym symbol);
