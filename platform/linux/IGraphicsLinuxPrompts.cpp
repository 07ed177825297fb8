#include "platform/linux/IGraphicsLinux.h"

#include "core/IPlugBase.h"
#include "graphics/IControl.h"
#include "graphics/TextEntryCommit.h"
#include "platform/linux/IGraphicsLinuxEntry.h"
#include "graphics/WindowRects.h"
#include "platform/linux/X11PopupMenu.h"

#include <poll.h>

#include <algorithm>

PopupMenuRecord* IGraphicsLinux::ShowPopupMenu(PopupMenuRecord& menu, const IRectI& rect)
{
  ForgetPointerCapture();
  mMenuShownDuringPress = true;
  if (!WindowUsable() || menu.items.empty())
    return nullptr;

  const IRectI inWindow = WindowRectFor(rect, mScale);
  int rootX = 0;
  int rootY = 0;
  Window child = 0;
  XTranslateCoordinates(mConnection->Get(), mWindow, mConnection->Root(), inWindow.left, inWindow.top, &rootX,
                        &rootY, &child);
  const IRectI anchor{rootX, rootY, rootX + inWindow.Width(), rootY + inWindow.Height()};

  // Declared first, so that a connection closed during the menu outlives it.
  ModalScope modal(*this);
  X11PopupMenu popup(*mConnection, *this, menu, anchor, mScale);
  mOpenMenu = &popup;
  if (popup.Open())
    WaitModally([&popup] { return popup.Finished(); }, [&popup](XEvent& event) { return popup.HandleEvent(event); },
                nullptr, nullptr, std::nullopt);
  mOpenMenu = nullptr;
  popup.Close();
  if (WindowUsable())
    Invalidate({0, 0, Width(), Height()});
  const int chosen = popup.Chosen();
  if (chosen < 0)
    return nullptr;
  menu.chosenIndex = chosen;
  return &menu;
}

void IGraphicsLinux::OpenTextEntry(IControl& control, const ITextStyle& style, const IRectI& rect, const char* text,
                                   IPlugParam* param)
{
  if (mEntry != nullptr || !WindowUsable())
    return;
  auto entry = std::make_unique<OpenEntry>();
  entry->field = std::make_unique<X11TextEntry>(*mConnection, mWindow, *this, style, rect, mScale, text,
                                                control.EntryLengthLimit(), param);
  entry->control = &control;
  entry->param = param;
  mEntry = std::move(entry);
  mEntry->field->TakeFocus();
  XFlush(mConnection->Get());
}

void IGraphicsLinux::CancelTextEntry()
{
  if (mEntry != nullptr)
    mEntry->state = TextEntryState::Cancel;
}

void IGraphicsLinux::CloseEntry() { mEntry.reset(); }

void IGraphicsLinux::CommitEntry()
{
  const std::string text = mEntry->field->Field().Text().substr(0, kCommittedTextLength);
  IControl& control = *mEntry->control;
  const IPlugParam* param = mEntry->param;
  CloseEntry();
  CommitTextEntryAsGesture(Plug(), control, param, text.c_str());
}

void IGraphicsLinux::WaitModally(const std::function<bool()>& finished, const std::function<bool(XEvent&)>& take,
                                 const std::function<int()>& watchedFd, const std::function<void()>& onWatched,
                                 std::optional<std::chrono::steady_clock::time_point> deadline)
{
  using Clock = std::chrono::steady_clock;
  ModalScope modal(*this);
  X11Connection* connection = mConnection.get();
  const auto period = std::chrono::milliseconds(TickMilliseconds());
  auto nextTick = Clock::now() + period;
  while (!finished())
  {
    const auto now = Clock::now();
    if (deadline && now >= *deadline)
      return;
    // Once the window closed, its connection is no longer watched.
    Display* display = connection != nullptr && mConnection.get() == connection ? connection->Get() : nullptr;
    const int fd = watchedFd ? watchedFd() : -1;
    if (display == nullptr && fd < 0)
      return;

    pollfd watched[2]{};
    nfds_t count = 0;
    if (display != nullptr)
      watched[count++] = {ConnectionNumber(display), POLLIN, 0};
    if (fd >= 0)
      watched[count++] = {fd, POLLIN, 0};
    auto wakeUp = nextTick;
    if (deadline)
      wakeUp = std::min(wakeUp, *deadline);
    int timeout = static_cast<int>(
      std::max<long long>(0, std::chrono::duration_cast<std::chrono::milliseconds>(wakeUp - now).count()));
    if (display != nullptr && XPending(display) > 0)
      timeout = 0;
    poll(watched, count, timeout);

    if (fd >= 0 && (watched[count - 1].revents & (POLLIN | POLLHUP | POLLERR)) != 0 && onWatched)
      onWatched();
    while (display != nullptr && mConnection.get() == connection && XPending(display) > 0)
    {
      XEvent event;
      XNextEvent(display, &event);
      if (!take || !take(event))
        HandleEvent(event, true);
    }
    // The redraw timer keeps running while the modal part has the user.
    if (Clock::now() >= nextTick)
    {
      nextTick = Clock::now() + period;
      if (display != nullptr && mConnection.get() == connection && WindowUsable())
        StepEntryThenRedraw();
    }
  }
}
