#include "platform/win/IGraphicsWin.h"

#include "core/IPlugBase.h"
#include "core/IPlugParam.h"
#include "graphics/IControl.h"
#include "graphics/TextEntryCommit.h"
#include "graphics/WindowRects.h"
#include "platform/win/IGraphicsWinEntry.h"
#include "platform/win/ModuleHandles.h"

#include <cstring>
#include <string>

namespace
{
constexpr int kBoldWeight = 700;
constexpr WORD kCommandNotification = 1;
DWORD AlignmentStyle(int alignment)
{
  switch (alignment)
  {
  case TextAlignLeft:
    return 0;
  case TextAlignRight:
    return ES_RIGHT;
  default:
    return ES_CENTER;
  }
}

COLORREF ColourOf(const IColorRGBA& colour)
{
  return RGB(static_cast<BYTE>(colour.R), static_cast<BYTE>(colour.G), static_cast<BYTE>(colour.B));
}
} // namespace

void IGraphicsWin::OpenTextEntry(IControl& control, const ITextStyle& style, const IRectI& rect, const char* text,
                                 IPlugParam* param)
{
  if (mEntry != nullptr || mWindow == nullptr)
    return;
  const double scale = mScale;
  const DWORD fieldStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | AlignmentStyle(style.alignment);
  const HWND field =
    CreateWindowExA(0, "EDIT", text != nullptr ? text : "", fieldStyle, ScaledSize(rect.left, scale),
                    ScaledSize(rect.top, scale), ScaledSize(rect.Width(), scale) + 1, ScaledSize(rect.Height(), scale) + 1,
                    mWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextEntryControlId)), ModuleHandle(),
                    nullptr);
  if (field == nullptr)
    return;

  auto entry = std::make_unique<OpenEntry>();
  entry->field = field;
  entry->control = &control;
  entry->param = param;
  entry->style = style;
  const std::string face(style.fontName, strnlen(style.fontName, sizeof style.fontName));
  entry->font = CreateFontA(ScaledSize(style.size, scale), 0, 0, 0, style.style == TextStyleBold ? kBoldWeight : 0,
                            style.style == TextStyleItalic, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str());
  if (entry->font != nullptr)
    SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(entry->font), FALSE);
  SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(control.EntryLengthLimit()), 0);
  SendMessageA(field, EM_SETSEL, 0, -1);
  // The focus goes to the field before its procedure is ours: only a focus
  // it takes back later counts.
  SetFocus(field);
  entry->previousProc =
    reinterpret_cast<WNDPROC>(SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EntryProc)));
  mEntry = std::move(entry);
}

void IGraphicsWin::CancelTextEntry()
{
  if (mEntry != nullptr)
    mEntry->state = TextEntryState::Cancel;
}

// The entry field's messages, on the editor window's thread.
LRESULT CALLBACK IGraphicsWin::EntryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
  const HWND parent = GetParent(window);
  IGraphicsWin* editor = parent != nullptr ? EditorOf(parent) : nullptr;
  if (editor == nullptr || editor->mWindow != parent || editor->mEntry == nullptr ||
      editor->mEntry->field != window)
    return DefWindowProcA(window, message, wParam, lParam);
  return editor->HandleEntryMessage(message, wParam, lParam);
}

LRESULT IGraphicsWin::HandleEntryMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
  OpenEntry& entry = *mEntry;
  const HWND field = entry.field;
  const WNDPROC previous = entry.previousProc;
  switch (message)
  {
  case WM_SETFOCUS:
    entry.state = TextEntryState::Focused;
    break;
  case WM_KILLFOCUS:
    entry.state = TextEntryState::Commit;
    break;
  case WM_GETDLGCODE:
  {
    // Inside a dialog, Enter still reaches the field.
    const LRESULT code = CallWindowProcA(previous, field, message, wParam, lParam);
    const MSG* queried = reinterpret_cast<const MSG*>(lParam);
    if (queried != nullptr && queried->message == WM_KEYDOWN && queried->wParam == VK_RETURN)
      return code | DLGC_WANTALLKEYS;
    return code;
  }
  case WM_KEYDOWN:
    if (wParam == VK_RETURN)
    {
      entry.state = TextEntryState::Commit;
      return 0;
    }
    if (wParam == VK_ESCAPE)
    {
      entry.state = TextEntryState::Cancel;
      return 0;
    }
    break;
  case WM_CHAR:
    if (entry.param != nullptr && wParam != VK_BACK && !EntryTakesCharacterOfKind(entry.param->Kind(), static_cast<int>(wParam)))
      return 0;
    break;
  case WM_COMMAND:
    if (HIWORD(wParam) == kCommandNotification)
    {
      entry.state = TextEntryState::Commit;
      return 0;
    }
    break;
  default:
    break;
  }
  return CallWindowProcA(previous, field, message, wParam, lParam);
}

// The redraw timer's part in the entry's life: true when the tick ends here.
bool IGraphicsWin::StepTextEntry()
{
  if (mEntry == nullptr)
    return false;
  switch (mEntry->state)
  {
  case TextEntryState::Idle:
    return false;
  case TextEntryState::Commit:
    CommitEntry();
    return true;
  case TextEntryState::Cancel:
    CloseEntry();
    return true;
  default:
    mEntry->state = TextEntryState::Idle;
    return true;
  }
}

void IGraphicsWin::CommitEntry()
{
  char text[kCommittedTextLength + 1] = {};
  SendMessageA(mEntry->field, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  IControl& control = *mEntry->control;
  const IPlugParam* param = mEntry->param;
  CloseEntry();
  CommitTextEntryAsGesture(Plug(), control, param, text);
}

void IGraphicsWin::CloseEntry()
{
  if (mEntry == nullptr)
    return;
  const std::unique_ptr<OpenEntry> entry = std::move(mEntry);
  if (IsWindow(entry->field))
  {
    const bool hadFocus = GetFocus() == entry->field;
    SetWindowLongPtrA(entry->field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry->previousProc));
    DestroyWindow(entry->field);
    // Keys keep reaching the editor, and through it the host.
    if (hadFocus && mWindow != nullptr)
      SetFocus(mWindow);
  }
}

LRESULT IGraphicsWin::EntryColours(HDC context)
{
  const COLORREF background = ColourOf(mEntry->style.entryBackground);
  SetBkColor(context, background);
  SetTextColor(context, ColourOf(mEntry->style.entryText));
  SetBkMode(context, OPAQUE);
  // The brush fills the field beyond the text.
  SetDCBrushColor(context, background);
  return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}
