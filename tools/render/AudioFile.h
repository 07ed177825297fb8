#pragma once

#include <string>
#include <vector>

// Planar audio in memory, read from and written to WAV, AIFF or FLAC files.
struct AudioData
{
  double sampleRate = 48000.0;
  std::vector<std::vector<float>> channels;
  int format = 0;  // the file format and sample encoding, as libsndfile names them

  size_t Frames() const { return channels.empty() ? 0 : channels[0].size(); }
};

// Sample encodings a user can ask for.
enum class SampleEncoding { SameAsInput, Int16, Int24, Float32 };

bool ReadAudioFile(const std::string& path, AudioData& audio, std::string& error);
// The container comes from the file's extension (.wav, .aif/.aiff, .flac).
bool WriteAudioFile(const std::string& path, const AudioData& audio, SampleEncoding encoding, std::string& error);
