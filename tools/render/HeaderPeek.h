#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// What the start of a WAV, AIFF or FLAC file says about it, read only to
// explain in plain words why libsndfile refused a file, and to see how many
// frames a WAV or AIFF header announces (libsndfile quietly shortens the
// length of a truncated file to what is there).
struct HeaderFacts
{
  std::string container;          // "WAV", "AIFF", "FLAC", or "" when not one of them
  std::int64_t sampleRate = -1;   // -1: not found
  std::int64_t channels = -1;
  std::int64_t frames = -1;       // frames a WAV or AIFF header announces, -1 when not found or unknown
  bool endsInHeader = false;      // the bytes end before the header does
};

// `bytes` are the first `size` bytes of a file of `fileSize` bytes.
HeaderFacts PeekHeader(const unsigned char* bytes, size_t size, std::int64_t fileSize);

// Why a file with these facts cannot be played, in plain words; "" when the
// header itself looks sound.
std::string HeaderProblem(const HeaderFacts& facts);
