#include "VelkorTape.h"

// Built where the platform's window layer does not exist yet (Windows): the
// plug-in runs without editor, and its views report that they cannot open,
// as they do for any plug-in without a graphics core.
void VelkorTape::BuildEditor() {}

void VelkorTape::ShowMachine(int) {}

void VelkorTape::ShowMeters() {}
