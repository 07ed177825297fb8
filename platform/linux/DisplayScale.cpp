#include "platform/linux/DisplayScale.h"

#include "platform/linux/X11Connection.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace
{
constexpr double kBaseDotsPerInch = 96.0;
// Ten times the base resolution is beyond any screen: such a value is a typo.
constexpr double kHighestDotsPerInch = 960.0;
constexpr const char kDpiResource[] = "Xft.dpi:";
} // namespace

double DisplayScaleFromResources(const char* resources)
{
  if (resources == nullptr)
    return 1.0;
  for (const char* line = resources; *line != '\0';)
  {
    if (std::strncmp(line, kDpiResource, sizeof kDpiResource - 1) == 0)
    {
      const char* value = line + sizeof kDpiResource - 1;
      while (*value == ' ' || *value == '\t')
        ++value;
      // Whatever the host's locale: a decimal comma must not cut 120.5 to 120.
      double dpi = 0.0;
      const std::from_chars_result read = std::from_chars(value, value + std::strcspn(value, "\n"), dpi);
      if (read.ec == std::errc() && std::isfinite(dpi) && dpi > 0.0 && dpi <= kHighestDotsPerInch)
        return dpi / kBaseDotsPerInch;
      return 1.0;
    }
    const char* next = std::strchr(line, '\n');
    if (next == nullptr)
      break;
    line = next + 1;
  }
  return 1.0;
}

double DisplayScaleOf(Display* display) { return DisplayScaleFromResources(XResourceManagerString(display)); }

double ReadDisplayScale()
{
  Display* display = OpenXDisplay();
  if (display == nullptr)
    return 1.0;
  const double scale = DisplayScaleOf(display);
  XCloseDisplay(display);
  return scale;
}
