#pragma once

// The hiss's random source: a linear congruential generator with values
// 0..32767. Each thread has one state, starting at 1 and never reseeded, that
// every engine running on the thread draws from.
int NextHissRandom();

// A random value mapped onto [-1, 1], in the single-precision steps the hiss
// has always been made with.
double HissUnitSample(int randomValue);
