#pragma once

#include "core/IRectI.h"
#include "graphics/IBlendSetting.h"
#include "graphics/IMouseState.h"
#include "graphics/ITextStyle.h"

#include <atomic>
#include <vector>

class IGraphics;
class IPlugBase;

// A rectangle of the editor that shows a parameter (or nothing) and reacts to
// the pointer. The value is normalised 0..1; the plug-in side may push values
// and redraw requests from any thread (meters from the audio thread), so the
// value and the redraw flags are atomics that the editor thread picks up at
// its next tick.
class IControl
{
public:
  static constexpr int kEntryLengthLimit = 7;

  IControl(IPlugBase& plug, const IRectI& drawRect, int paramIdx, const IBlendSetting& blend);
  virtual ~IControl() = default;

  IControl(const IControl&) = delete;
  IControl& operator=(const IControl&) = delete;

  // Pointer and key events, in editor pixels. A right press asks for a value.
  virtual void PressAt(int x, int y, const IMouseState& state);
  virtual void ReleaseAt(int x, int y, const IMouseState& state);
  virtual void DragTo(int x, int y, int dx, int dy, const IMouseState& state);
  // Returns to the default value once one is known.
  virtual void DoubleClickAt(int x, int y, const IMouseState& state);
  virtual void WheelAt(int x, int y, const IMouseState& state, int notches);
  // True when the control took the key (a KeyNumber).
  virtual bool KeyAt(int x, int y, int key);
  virtual void HoverAt(int x, int y, const IMouseState& state);
  virtual void HoverEnd();
  virtual bool Render(IGraphics& graphics) = 0;
  virtual void ApplyScale(double scale);
  // A value from the plug-in side; the first one also becomes the default.
  virtual void TakePlugValue(double normalized);
  // A value the user chose in a menu or typed; goes on to the plug-in.
  virtual void TakeUserValue(double normalized);
  // A confirmed text entry of a control without parameter.
  virtual void TakeEnteredText(const char* text);
  virtual void SetHidden(bool hidden);
  virtual void SetDisabled(bool disabled);
  virtual bool HitTest(int x, int y) const;
  // Clamps the value, asks for a redraw and brings every control bound to
  // the same parameter along; with `pushToPlug` the plug-in takes the value.
  virtual void MarkDirty(bool pushToPlug);
  virtual void MarkClean();
  virtual bool NeedsRedraw() const;
  virtual void IdleTick();
  // The value of auxiliary parameter binding `binding` (from AddAuxParam).
  virtual void TakeAuxPlugValue(int binding, double normalized);
  virtual void MoveTo(int x, int y);

  // Offers the user a menu of the parameter's texts or a text field: over
  // the draw rectangle for a parameter with texts, else over its centre.
  void PromptForValue();

  // Binds one more parameter to the control, besides its own; returns the
  // binding's number.
  int AddAuxParam(int paramIdx);
  // The first auxiliary binding of `paramIdx`, or -1.
  int FirstAuxBindingFor(int paramIdx) const;
  double AuxValue(int binding) const;

  // Called by the graphics core that owns the control.
  void AttachTo(IGraphics& graphics, int listIndex);

  int ParamIdx() const { return mParamIdx; }
  int ListIndex() const { return mListIndex; }
  IGraphics* Graphics() const { return mGraphics; }
  const IRectI& DrawRect() const { return mDrawRect; }
  const IRectI& TargetRect() const { return mTargetRect; }
  double Value() const { return mValue.load(); }
  double DefaultValue() const { return mDefaultValue.load(); }
  bool IsHidden() const { return mHidden; }
  bool IsDisabled() const { return mDisabled; }
  const IBlendSetting& Blend() const { return mBlend; }
  ITextStyle& TextStyle() { return mTextStyle; }
  int EntryLengthLimit() const { return mEntryLengthLimit; }

protected:
  // Adds to the value; used by the gesture rules of derived controls.
  void NudgeValue(double delta);
  // PromptForValue over `rect`.
  void PromptForValueOver(const IRectI& rect);

  int mEntryLengthLimit = kEntryLengthLimit;
  ITextStyle mTextStyle;
  IPlugBase& mPlug;
  IGraphics* mGraphics = nullptr;
  IRectI mDrawRect;
  IRectI mTargetRect;
  int mParamIdx;
  int mListIndex = 0;
  std::atomic<double> mValue{0.0};
  // Below 0 until the plug-in side pushes the first value.
  std::atomic<double> mDefaultValue{-1.0};
  double mLowerBound = 0.0;
  double mUpperBound = 1.0;
  std::atomic<bool> mDirty{true};
  bool mHidden = false;
  bool mDisabled = false;
  // Set by every change; MarkClean hands it to the next pass, so a change
  // made while a pass draws is drawn again.
  std::atomic<bool> mChangedAgain{false};
  bool mPromptDisabled = true;
  IBlendSetting mBlend;

private:
  struct AuxParam
  {
    int paramIdx;
    double value;
  };

  std::vector<AuxParam> mAuxParams;
};
