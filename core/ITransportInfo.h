#pragma once

// The host transport as the host reports it, filled once per block.
struct ITransportInfo
{
  double tempo = 120.0;           // beats per minute
  double samplePosition = -1.0;   // project time in samples
  double musicPosition = -1.0;    // quarter notes
  double barStart = -1.0;         // quarter notes
  double cycleStart = -1.0;       // quarter notes
  double cycleEnd = -1.0;         // quarter notes
  int timeSigNumerator = 4;
  int timeSigDenominator = 4;
  bool isPlaying = false;
  bool isCycling = false;
};
