#include "raster/LICE_PlatformFont.h"

#include "platform/win/RunningUnderWine.h"
#include "raster/LICE_TextFlags.h"

#include <windows.h>

#include <cstring>
#include <string>

// A GDI font. Single characters are measured and drawn with DrawTextW on a
// memory context of the font's own or on the glyph canvas's context; whole
// strings go to DrawTextA or DrawTextW on the target bitmap's context.
namespace
{
DWORD QualityFor(int quality)
{
  switch (quality)
  {
  case 1:
    return NONANTIALIASED_QUALITY;
  case 2:
    return ANTIALIASED_QUALITY;
  case 3:
    return CLEARTYPE_QUALITY;
  default:
    return DEFAULT_QUALITY;
  }
}

// The font selected into a context for as long as this lives.
class SelectedFont
{
public:
  SelectedFont(HDC context, HFONT font) : mContext(context), mPrevious(SelectObject(context, font)) {}
  ~SelectedFont() { SelectObject(mContext, mPrevious); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

private:
  HDC mContext;
  HGDIOBJ mPrevious;
};

// True when the text holds a well-formed multi-byte UTF-8 sequence.
bool HasMultiByteSequence(const char* text, int length)
{
  for (int i = 0; i < length; ++i)
  {
    const auto lead = static_cast<unsigned char>(text[i]);
    int continuation = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
      continuation = 1;
    else if (lead >= 0xE0 && lead <= 0xEF)
      continuation = 2;
    else if (lead >= 0xF0 && lead <= 0xF4)
      continuation = 3;
    if (continuation == 0 || i + continuation >= length)
      continue;
    bool wellFormed = true;
    for (int k = 1; wellFormed && k <= continuation; ++k)
      wellFormed = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (wellFormed)
      return true;
  }
  return false;
}

// Strict conversion; empty when the text is not valid UTF-8.
std::wstring WideOf(const char* text, int length)
{
  const int units = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, length, nullptr, 0);
  if (units <= 0)
    return {};
  std::wstring wide(static_cast<std::size_t>(units), L'\0');
  if (MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, length, wide.data(), units) != units)
    return {};
  return wide;
}

COLORREF ColourOf(LICE_pixel pixel)
{
  return RGB(static_cast<BYTE>(LICE_GetR(pixel)), static_cast<BYTE>(LICE_GetG(pixel)),
             static_cast<BYTE>(LICE_GetB(pixel)));
}

constexpr int kOpaqueBackground = 2;
// The text-drawing flags GDI takes from TextFlags; the rest are the cached font's own.
constexpr int kGdiTextFlags = 0xFFFF;
} // namespace

struct LICE_PlatformFont::Native
{
  HFONT font = nullptr;
  // For measuring, where no bitmap's context is at hand.
  HDC context = nullptr;
  int lineHeight = 0;

  ~Native()
  {
    if (context != nullptr)
      DeleteDC(context);
    if (font != nullptr)
      DeleteObject(font);
  }
};

LICE_PlatformFont::LICE_PlatformFont(Native* native) : native_(native) {}

LICE_PlatformFont::~LICE_PlatformFont() { delete native_; }

std::unique_ptr<LICE_PlatformFont> LICE_PlatformFont::Create(const LICE_FontRequest& request)
{
  auto native = std::make_unique<Native>();
  native->font = CreateFontA(request.height, 0, request.orientation, request.orientation, request.weight,
                             request.italic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             QualityFor(request.quality), DEFAULT_PITCH,
                             request.faceName != nullptr ? request.faceName : "");
  native->context = CreateCompatibleDC(nullptr);
  if (native->font == nullptr || native->context == nullptr)
    return nullptr;
  TEXTMETRICA metrics{};
  {
    const SelectedFont selected(native->context, native->font);
    if (!GetTextMetricsA(native->context, &metrics))
      return nullptr;
  }
  native->lineHeight = metrics.tmHeight;
  return std::unique_ptr<LICE_PlatformFont>(new LICE_PlatformFont(native.release()));
}

int LICE_PlatformFont::LineHeight() const { return native_->lineHeight; }

LICE_GlyphCell LICE_PlatformFont::MeasureGlyph(int code)
{
  if (code < 0 || code > 0xFFFF)
    return {};
  const wchar_t unit = static_cast<wchar_t>(code);
  RECT cell{};
  const SelectedFont selected(native_->context, native_->font);
  if (DrawTextW(native_->context, &unit, 1, &cell, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX) == 0)
    return {};
  return {cell.right - cell.left, cell.bottom - cell.top};
}

void LICE_PlatformFont::DrawGlyph(int code, LICE_IBitmap& canvas, int x, int y)
{
  const HDC context = static_cast<HDC>(canvas.NativeContext());
  if (context == nullptr || code < 0 || code > 0xFFFF)
    return;
  const wchar_t unit = static_cast<wchar_t>(code);
  {
    const SelectedFont selected(context, native_->font);
    SetTextColor(context, RGB(255, 255, 255));
    SetBkColor(context, RGB(0, 0, 0));
    SetBkMode(context, OPAQUE);
    RECT cell{x, y, x, y};
    DrawTextW(context, &unit, 1, &cell, DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
  }
  // The mask is read from the pixels next.
  GdiFlush();
}

std::optional<int> LICE_PlatformFont::DrawStringNative(LICE_IBitmap* target, const char* text, int length,
                                                       IRectI& rect, int flags, const LICE_NativeTextColours& colours,
                                                       bool forced)
{
  if (!forced && !NativeTextPathAvailable())
    return std::nullopt;
  const bool measuring = (flags & TextMeasure) != 0;
  HDC context = target != nullptr ? static_cast<HDC>(target->NativeContext()) : nullptr;
  if (context == nullptr)
  {
    if (!measuring)
      return target == nullptr ? std::optional<int>(0) : std::nullopt;
    context = native_->context;
  }
  if (text == nullptr)
    text = "";
  if (length < 0)
    length = static_cast<int>(std::strlen(text));

  RECT area{rect.left, rect.top, rect.right, rect.bottom};
  const UINT format = static_cast<UINT>(flags & kGdiTextFlags) | DT_NOPREFIX;
  int height = 0;
  {
    const SelectedFont selected(context, native_->font);
    SetTextColor(context, ColourOf(colours.text));
    SetBkMode(context, colours.backgroundMode == kOpaqueBackground ? OPAQUE : TRANSPARENT);
    if (colours.backgroundMode == kOpaqueBackground)
      SetBkColor(context, ColourOf(colours.background));
    const std::wstring wide = HasMultiByteSequence(text, length) ? WideOf(text, length) : std::wstring();
    if (!wide.empty())
      height = DrawTextW(context, wide.data(), static_cast<int>(wide.size()), &area, format);
    else
      height = DrawTextA(context, text, length, &area, format);
  }
  GdiFlush();
  if (measuring)
  {
    rect.right = rect.left + (area.right - area.left);
    rect.bottom = rect.top + (area.bottom - area.top);
  }
  return height;
}
