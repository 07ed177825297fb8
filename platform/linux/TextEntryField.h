#pragma once

#include <string>

class IPlugParam;

// Whether the in-place entry lets `c` in: for switch, whole-number and
// choice parameters only signs and digits, for continuous ones a decimal
// point too; an entry without parameter (or of a parameter of no kind) takes
// any printable character.
bool EntryAcceptsCharacter(const IPlugParam* param, char c);

// What a single-line entry holds while the user edits it: the text, the
// caret and a selection. All of the text starts selected, so the first
// character typed replaces it.
class TextEntryField
{
public:
  TextEntryField(std::string text, int lengthLimit, const IPlugParam* param);

  // False when the filter or the length limit refuses the character.
  bool Type(char c);
  void Backspace();
  void Delete();
  void MoveCaret(int position);
  void CaretLeft() { MoveCaret(mCaret - 1); }
  void CaretRight() { MoveCaret(mCaret + 1); }
  void SelectAll();

  const std::string& Text() const { return mText; }
  int Caret() const { return mCaret; }
  bool HasSelection() const { return mSelectionStart != mSelectionEnd; }
  int SelectionStart() const { return mSelectionStart; }
  int SelectionEnd() const { return mSelectionEnd; }

private:
  int Length() const { return static_cast<int>(mText.size()); }
  void EraseSelection();

  std::string mText;
  int mLengthLimit;
  const IPlugParam* mParam;
  int mCaret = 0;
  int mSelectionStart = 0;
  int mSelectionEnd = 0;
};
