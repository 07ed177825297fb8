#pragma once

#include <atomic>
#include <string>
#include <vector>

enum ParamKind : int
{
  KindNone = 0,
  KindBool = 1,
  KindInt = 2,
  KindEnum = 3,
  KindDouble = 4,
};

// One automatable value of a plug-in. Writers hold the plug-in's PlugLock; the
// value itself is atomic because the host's threads read it without the lock
// while the audio thread may be writing it. The rest is set once, at
// definition.
//
// Plain values live in [min, max]; hosts and controls exchange normalised
// values n in [0, 1] through the shape law  plain = min + n^shape * (max - min).
class IPlugParam
{
public:
  static constexpr int kTextLength = 32;  // 31 characters and a terminator

  void DefineBool(const char* name, bool defaultValue, const char* label = "", const char* group = "");
  void DefineEnum(const char* name, int defaultValue, int count, const char* label = "", const char* group = "");
  void DefineDouble(const char* name, double defaultValue, double min, double max, double step,
                    const char* label = "", const char* group = "", double shape = 1.0);
  void AddDisplayText(int value, const char* text);

  void SetFromNormalized(double normalized);
  void SetClamped(double plain);
  double Normalized() const;
  double NormalizeValue(double plain) const;
  double PlainFromNormalized(double normalized) const;

  // Writes at most kTextLength bytes (terminator included) into out.
  void FormatValue(double value, bool isNormalized, char* out, bool useDisplayTexts) const;

  const char* Name() const { return mName.c_str(); }
  const char* UnitLabel() const;
  const char* GroupName() const { return mGroup.c_str(); }
  int DisplayTextCount() const { return static_cast<int>(mDisplayTexts.size()); }
  const char* DisplayTextFor(int value) const;

  ParamKind Kind() const { return mKind; }
  double Value() const { return mValue.Load(); }
  double Min() const { return mMin; }
  double Max() const { return mMax; }
  double Step() const { return mStep; }
  double Shape() const { return mShape; }
  double Default() const { return mDefault; }
  int Precision() const { return mPrecision; }
  bool NegatedDisplay() const { return mNegatedDisplay; }
  bool Automatable() const { return mAutomatable; }

private:
  struct DisplayText
  {
    int value;
    std::string text;
  };

  const DisplayText* FindDisplayText(int value) const;
  double SnappedPlainFromNormalized(double normalized) const;

  ParamKind mKind = KindNone;
  // Copies of a parameter take the value as it stands.
  class SharedValue
  {
  public:
    SharedValue() = default;
    SharedValue(const SharedValue& other) : mValue(other.Load()) {}
    SharedValue& operator=(const SharedValue& other)
    {
      Store(other.Load());
      return *this;
    }
    double Load() const { return mValue.load(std::memory_order_relaxed); }
    void Store(double value) { mValue.store(value, std::memory_order_relaxed); }

  private:
    std::atomic<double> mValue{0.0};
  };

  SharedValue mValue;
  double mMin = 0.0;
  double mMax = 1.0;
  double mStep = 1.0;
  double mShape = 1.0;
  double mDefault = 0.0;
  int mPrecision = 0;
  std::string mName;
  std::string mLabel;
  std::string mGroup;
  bool mNegatedDisplay = false;
  bool mAutomatable = true;
  std::vector<DisplayText> mDisplayTexts;
};
