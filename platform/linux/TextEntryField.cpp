#include "platform/linux/TextEntryField.h"

#include "core/IPlugParam.h"
#include "graphics/TextEntryCommit.h"

#include <algorithm>
#include <utility>

bool EntryAcceptsCharacter(const IPlugParam* param, char c)
{
  const bool printable = c >= ' ' && c <= '~';
  return printable && (param == nullptr || EntryTakesCharacterOfKind(param->Kind(), c));
}

TextEntryField::TextEntryField(std::string text, int lengthLimit, const IPlugParam* param)
  : mText(std::move(text)), mLengthLimit(lengthLimit), mParam(param)
{
  SelectAll();
}

void TextEntryField::SelectAll()
{
  mSelectionStart = 0;
  mSelectionEnd = Length();
  mCaret = Length();
}

void TextEntryField::EraseSelection()
{
  mText.erase(static_cast<std::size_t>(mSelectionStart), static_cast<std::size_t>(mSelectionEnd - mSelectionStart));
  mCaret = mSelectionStart;
  mSelectionEnd = mSelectionStart;
}

bool TextEntryField::Type(char c)
{
  if (!EntryAcceptsCharacter(mParam, c))
    return false;
  const int selected = mSelectionEnd - mSelectionStart;
  if (Length() - selected + 1 > mLengthLimit)
    return false;
  EraseSelection();
  mText.insert(mText.begin() + mCaret, c);
  MoveCaret(mCaret + 1);
  return true;
}

void TextEntryField::Backspace()
{
  if (HasSelection())
  {
    EraseSelection();
    return;
  }
  if (mCaret == 0)
    return;
  mText.erase(static_cast<std::size_t>(mCaret - 1), 1);
  MoveCaret(mCaret - 1);
}

void TextEntryField::Delete()
{
  if (HasSelection())
  {
    EraseSelection();
    return;
  }
  if (mCaret < Length())
    mText.erase(static_cast<std::size_t>(mCaret), 1);
}

void TextEntryField::MoveCaret(int position)
{
  mCaret = std::clamp(position, 0, Length());
  mSelectionStart = mCaret;
  mSelectionEnd = mCaret;
}
