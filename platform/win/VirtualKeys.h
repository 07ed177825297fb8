#pragma once

// The KeyNumber a Windows virtual key stands for: space, the arrows, the
// digits and the letters; -1 for any other key, which goes on to the host.
int KeyNumberForVirtualKey(unsigned int virtualKey);
