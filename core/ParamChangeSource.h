#pragma once

// Why HandleParamChange runs.
enum ParamChangeSource : int
{
  ChangeFromHost = 1,    // a host parameter queue, on the audio thread
  ChangeFromRecall = 2,  // state or preset recall
  ChangeFromEditor = 3,  // an editor gesture
  ChangeFromPlugin = 4,  // the plug-in itself (automatic gain, group pick-up)
};
