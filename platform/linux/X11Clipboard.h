#pragma once

#include "platform/linux/X11Connection.h"

#include <string>

// One request for the text of the CLIPBOARD selection, as UTF-8, delivered
// into a property of `requestor`. The owner answers with a SelectionNotify
// event, which the editor hands to HandleEvent while it waits.
class X11ClipboardRequest
{
public:
  X11ClipboardRequest(const X11Connection& connection, Window requestor);

  // False when nobody holds the clipboard.
  bool Send();
  // True when the event was the answer.
  bool HandleEvent(const XEvent& event);
  bool Answered() const { return mAnswered; }
  // The text the owner delivered; false when it refused or delivered
  // something that is not text.
  bool TakeText(std::string& text);

private:
  const X11Connection& mConnection;
  Window mRequestor;
  Atom mClipboard;
  Atom mUtf8;
  Atom mProperty;
  bool mAnswered = false;
  bool mDelivered = false;
};
