#include "platform/win/IGraphicsWin.h"

#include <cwchar>

namespace
{
// The clipboard stays open only inside this scope.
class OpenedClipboard
{
public:
  explicit OpenedClipboard(HWND owner) : mOpen(OpenClipboard(owner) != 0) {}
  ~OpenedClipboard()
  {
    if (mOpen)
      CloseClipboard();
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;

  bool IsOpen() const { return mOpen; }

private:
  bool mOpen;
};

bool Utf8Of(const wchar_t* wide, int units, std::string& text)
{
  if (units == 0)
    return true;
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, units, nullptr, 0, nullptr, nullptr);
  if (length <= 0)
    return false;
  std::string converted(static_cast<std::size_t>(length), '\0');
  if (WideCharToMultiByte(CP_UTF8, 0, wide, units, converted.data(), length, nullptr, nullptr) != length)
    return false;
  text = std::move(converted);
  return true;
}
} // namespace

bool IGraphicsWin::GetClipboardText(std::string& text)
{
  text.clear();
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT))
    return false;
  const OpenedClipboard clipboard(mWindow);
  if (!clipboard.IsOpen())
    return false;
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* wide = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (wide == nullptr)
    return false;
  // Up to the terminating zero, but never past the memory another program
  // put there without one.
  const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
  const bool converted = Utf8Of(wide, static_cast<int>(wcsnlen(wide, capacity)), text);
  GlobalUnlock(data);
  return converted;
}
