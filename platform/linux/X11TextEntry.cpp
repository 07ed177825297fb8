#include "platform/linux/X11TextEntry.h"

#include "graphics/IGraphics.h"
#include "graphics/WindowRects.h"
#include "platform/linux/BitmapFill.h"
#include "raster/LICE_CachedFont.h"
#include "raster/LICE_TextFlags.h"

#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

namespace
{
constexpr LICE_pixel kSelectionBackground = LICE_RGBA(0x33, 0x99, 0xFF, 0xFF);
constexpr LICE_pixel kSelectionText = LICE_RGBA(0xFF, 0xFF, 0xFF, 0xFF);
constexpr int kPadding = 2;
constexpr int kTextFlags = TextOneLine | TextMiddle | TextNoClip;

LICE_pixel Opaque(const IColorRGBA& colour) { return LICE_RGBA(colour.R, colour.G, colour.B, 0xFF); }
} // namespace

X11TextEntry::X11TextEntry(const X11Connection& connection, Window editorWindow, IGraphics& graphics,
                           const ITextStyle& style, const IRectI& editorRect, double scale, const char* text,
                           int lengthLimit, const IPlugParam* param)
  : mConnection(connection), mField(text != nullptr ? text : "", lengthLimit, param), mStyle(style)
{
  // The field is one pixel larger than the scaled rectangle each way.
  mBounds = {ScaledSize(editorRect.left, scale), ScaledSize(editorRect.top, scale),
             ScaledSize(editorRect.left, scale) + ScaledSize(editorRect.Width(), scale) + 1,
             ScaledSize(editorRect.top, scale) + ScaledSize(editorRect.Height(), scale) + 1};
  mStyle.size = std::max(1, ScaledSize(style.size, scale));
  mStyle.cachedFont = nullptr;
  mFont = graphics.FindOrCreateFont(mStyle);
  mPixels.SetSize(mBounds.Width(), mBounds.Height());

  Display* display = connection.Get();
  XSetWindowAttributes attributes{};
  attributes.colormap = connection.ColourMap();
  attributes.border_pixel = 0;
  attributes.background_pixmap = None;
  attributes.event_mask = ExposureMask | KeyPressMask | KeyReleaseMask | ButtonPressMask | FocusChangeMask;
  attributes.cursor = XCreateFontCursor(display, XC_xterm);
  mWindow = XCreateWindow(display, editorWindow, mBounds.left, mBounds.top, static_cast<unsigned>(mBounds.Width()),
                          static_cast<unsigned>(mBounds.Height()), 0, connection.Depth(), InputOutput,
                          connection.TrueColourVisual(),
                          CWColormap | CWBorderPixel | CWBackPixmap | CWEventMask | CWCursor, &attributes);
  XFreeCursor(display, attributes.cursor);
  mPresenter = std::make_unique<X11Presenter>(connection, mWindow);
  XMapRaised(display, mWindow);
}

X11TextEntry::~X11TextEntry()
{
  mPresenter.reset();
  XDestroyWindow(mConnection.Get(), mWindow);
  XFlush(mConnection.Get());
}

void X11TextEntry::TakeFocus() { XSetInputFocus(mConnection.Get(), mWindow, RevertToParent, CurrentTime); }

void X11TextEntry::FocusChanged(bool focused)
{
  mFocused = focused;
  Draw();
}

EntryKey X11TextEntry::Key(XKeyEvent& event)
{
  char typed[16] = {};
  KeySym symbol = NoSymbol;
  const int count = XLookupString(&event, typed, sizeof typed, &symbol, nullptr);
  switch (symbol)
  {
  case XK_Return:
  case XK_KP_Enter:
    return EntryKey::Commit;
  case XK_Escape:
    return EntryKey::Cancel;
  case XK_BackSpace:
    mField.Backspace();
    break;
  case XK_Delete:
  case XK_KP_Delete:
    mField.Delete();
    break;
  case XK_Left:
  case XK_KP_Left:
    mField.CaretLeft();
    break;
  case XK_Right:
  case XK_KP_Right:
    mField.CaretRight();
    break;
  case XK_Home:
  case XK_KP_Home:
    mField.MoveCaret(0);
    break;
  case XK_End:
  case XK_KP_End:
    mField.MoveCaret(static_cast<int>(mField.Text().size()));
    break;
  default:
    if (count <= 0 || (event.state & ControlMask) != 0)
      return EntryKey::Ignored;
    for (int i = 0; i < count; ++i)
      mField.Type(typed[i]);
    break;
  }
  Draw();
  return EntryKey::Edited;
}

int X11TextEntry::TextWidth(int length)
{
  if (mFont == nullptr || length <= 0)
    return 0;
  IRectI extent;
  mFont->DrawString(nullptr, mField.Text().c_str(), length, extent, kTextFlags | TextMeasure);
  return extent.right;
}

std::vector<int> X11TextEntry::PrefixWidths()
{
  std::vector<int> widths(mField.Text().size() + 1);
  for (std::size_t length = 1; length < widths.size(); ++length)
    widths[length] = TextWidth(static_cast<int>(length));
  return widths;
}

int X11TextEntry::TextLeft(const std::vector<int>& widths) const
{
  const int width = mBounds.Width();
  const int textWidth = widths.back();
  if (textWidth > width - 2 * kPadding)
  {
    // Too long to show whole: keep the caret in view.
    const int caretX = widths[static_cast<std::size_t>(mField.Caret())];
    return std::min(kPadding, width - kPadding - caretX);
  }
  if (mStyle.alignment == TextAlignLeft)
    return kPadding;
  if (mStyle.alignment == TextAlignRight)
    return width - kPadding - textWidth;
  return (width - textWidth) / 2;
}

void X11TextEntry::PressAt(int x)
{
  const std::vector<int> widths = PrefixWidths();
  const int left = TextLeft(widths);
  std::size_t best = 0;
  for (std::size_t i = 1; i < widths.size(); ++i)
    if (std::abs(left + widths[i] - x) < std::abs(left + widths[best] - x))
      best = i;
  mField.MoveCaret(static_cast<int>(best));
  Draw();
}

void X11TextEntry::Draw()
{
  if (mPixels.PixelData() == nullptr)
    return;
  const int width = mBounds.Width();
  const int height = mBounds.Height();
  FillRect(mPixels, {0, 0, width, height}, Opaque(mStyle.entryBackground));

  const std::string& text = mField.Text();
  const std::vector<int> widths = PrefixWidths();
  const int left = TextLeft(widths);
  // Where the first `length` characters end.
  const auto at = [&](int length) { return left + widths[static_cast<std::size_t>(length)]; };
  const int lineHeight = mFont != nullptr ? std::min(mFont->LineHeight(), height) : height;
  const int lineTop = (height - lineHeight) / 2;
  if (mField.HasSelection())
    FillRect(mPixels,
             {at(mField.SelectionStart()), lineTop, at(mField.SelectionEnd()), lineTop + lineHeight},
             kSelectionBackground);
  if (mFont != nullptr && !text.empty())
  {
    // Character by character, so that the selected ones take their own colour.
    for (int i = 0; i < static_cast<int>(text.size()); ++i)
    {
      const bool selected = i >= mField.SelectionStart() && i < mField.SelectionEnd();
      mFont->SetForeground(selected ? kSelectionText : Opaque(mStyle.entryText));
      IRectI cell{at(i), 0, at(i + 1), height};
      mFont->DrawString(&mPixels, text.c_str() + i, 1, cell, kTextFlags);
    }
  }
  if (mFocused && !mField.HasSelection())
  {
    const int caretX = at(mField.Caret());
    FillRect(mPixels, {caretX, lineTop, caretX + 1, lineTop + lineHeight}, Opaque(mStyle.entryText));
  }
  mPresenter->Present(mPixels, {0, 0, width, height});
  XFlush(mConnection.Get());
}
