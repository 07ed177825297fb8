// The ids of the Linux editor's run-loop interfaces, which the SDK subset we
// build from leaves undefined; the SDK declares them for Linux only.
#include "pluginterfaces/gui/iplugview.h"

namespace Steinberg
{
namespace Linux
{
DEF_CLASS_IID(IEventHandler)
DEF_CLASS_IID(ITimerHandler)
DEF_CLASS_IID(IRunLoop)
}
}
