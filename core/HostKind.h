#pragma once

// Host kinds that change the adapter's behaviour.
inline constexpr int kHostUnidentified = -1;
inline constexpr int kHostUnknown = 0;
inline constexpr int kHostLive = 9;      // its parameter automation is ignored
inline constexpr int kHostWavelab = 31;  // its state streams report failure while delivering bytes

// The host kind for a host's product name: the first table key found in the
// lower-cased name, or kHostUnknown.
int LookUpHostKind(const char* hostName);
