#include "platform/linux/X11Clipboard.h"

#include <X11/Xatom.h>

#include <climits>

X11ClipboardRequest::X11ClipboardRequest(const X11Connection& connection, Window requestor)
  : mConnection(connection),
    mRequestor(requestor),
    mClipboard(connection.Intern("CLIPBOARD")),
    mUtf8(connection.Intern("UTF8_STRING")),
    mProperty(connection.Intern("VELKOR_CLIPBOARD"))
{
}

bool X11ClipboardRequest::Send()
{
  Display* display = mConnection.Get();
  if (XGetSelectionOwner(display, mClipboard) == None)
    return false;
  XConvertSelection(display, mClipboard, mUtf8, mProperty, mRequestor, CurrentTime);
  XFlush(display);
  return true;
}

bool X11ClipboardRequest::HandleEvent(const XEvent& event)
{
  if (event.type != SelectionNotify || event.xselection.requestor != mRequestor ||
      event.xselection.selection != mClipboard)
    return false;
  mAnswered = true;
  mDelivered = event.xselection.property != None;
  return true;
}

bool X11ClipboardRequest::TakeText(std::string& text)
{
  text.clear();
  if (!mDelivered)
    return false;
  Display* display = mConnection.Get();
  Atom type = None;
  int format = 0;
  unsigned long count = 0;
  unsigned long remaining = 0;
  unsigned char* data = nullptr;
  const int read = XGetWindowProperty(display, mRequestor, mProperty, 0, LONG_MAX / 4, True, AnyPropertyType, &type,
                                      &format, &count, &remaining, &data);
  const bool isText = read == Success && format == 8 && (type == mUtf8 || type == XA_STRING);
  if (isText && data != nullptr)
  {
    if (type == mUtf8)
    {
      text.assign(reinterpret_cast<const char*>(data), count);
    }
    else
    {
      // STRING is Latin-1.
      for (unsigned long i = 0; i < count; ++i)
      {
        const unsigned char c = data[i];
        if (c < 0x80)
        {
          text += static_cast<char>(c);
        }
        else
        {
          text += static_cast<char>(0xC0 | (c >> 6));
          text += static_cast<char>(0x80 | (c & 0x3F));
        }
      }
    }
  }
  if (data != nullptr)
    XFree(data);
  return isText;
}
