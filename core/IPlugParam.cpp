#include "IPlugParam.h"

#include "BoundedText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
std::string FieldText(const char* text)
{
  return BoundedText(text, IPlugParam::kTextLength - 1);
}

// Conversion to int that is defined for every double (NaN and huge values included).
int TruncToInt(double x)
{
  if (!(x == x))
    return 0;
  x = std::clamp(x, -2147483648.0, 2147483647.0);
  return static_cast<int>(x);
}

void CopyText(char* out, const char* text)
{
  std::snprintf(out, IPlugParam::kTextLength, "%s", text);
}

// "-0.0" and "-0" read as a sign on nothing: show them unsigned.
void DropSignOfZero(char* text)
{
  if (text[0] != '-')
    return;
  for (const char* c = text + 1; *c; ++c)
    if (*c != '0' && *c != '.')
      return;
  std::memmove(text, text + 1, std::strlen(text));
}
}

void IPlugParam::DefineDouble(const char* name, double defaultValue, double min, double max, double step,
                              const char* label, const char* group, double shape)
{
  if (mKind == KindNone)
    mKind = KindDouble;
  mName = FieldText(name);
  mLabel = FieldText(label);
  mGroup = FieldText(group);
  mValue.Store(defaultValue);
  mDefault = defaultValue;
  mMin = min;
  mStep = step;
  mMax = std::max(min + step, max);

  mPrecision = 0;
  for (double s = step; s != std::floor(s) && mPrecision < 6; s *= 10.0)
    ++mPrecision;

  if (shape != 0.0)
    mShape = shape;
}

void IPlugParam::DefineBool(const char* name, bool defaultValue, const char* label, const char* group)
{
  if (mKind == KindNone)
    mKind = KindBool;
  DefineDouble(name, defaultValue ? 1.0 : 0.0, 0.0, 1.0, 0.1, label, group, 1.0);
  AddDisplayText(0, "off");
  AddDisplayText(1, "on");
}

void IPlugParam::DefineEnum(const char* name, int defaultValue, int count, const char* label, const char* group)
{
  if (mKind == KindNone)
    mKind = KindEnum;
  DefineDouble(name, defaultValue, 0.0, count - 1, 0.1, label, group, 1.0);
}

void IPlugParam::AddDisplayText(int value, const char* text)
{
  mDisplayTexts.push_back({value, FieldText(text)});
}

double IPlugParam::PlainFromNormalized(double normalized) const
{
  return mMin + std::pow(normalized, mShape) * (mMax - mMin);
}

void IPlugParam::SetFromNormalized(double normalized)
{
  // Hosts may send anything; a value outside [0, 1] must not leave the range
  // (a choice below 0 would index outside its table).
  if (!std::isfinite(normalized))
    return;
  mValue.Store(SnappedPlainFromNormalized(normalized));
}

double IPlugParam::SnappedPlainFromNormalized(double normalized) const
{
  double v = PlainFromNormalized(std::clamp(normalized, 0.0, 1.0));
  if (mKind == KindBool || mKind == KindEnum)
    v = std::floor(v + 0.5);  // switches and choices hold exactly the whole value they show
  else if (mKind != KindDouble)
    v = std::floor(v / mStep + 0.5) * mStep;
  else if (mStep == 1.0)
    v = std::round(v);
  return std::clamp(v, mMin, mMax);
}

void IPlugParam::SetClamped(double plain)
{
  if (std::isnan(plain))
    return;
  mValue.Store(plain < mMin ? mMin : std::min(plain, mMax));
}

double IPlugParam::NormalizeValue(double plain) const
{
  if (std::isnan(plain))
    return 0.0;
  const double v = plain < mMin ? mMin : std::min(plain, mMax);
  const double n = std::pow((v - mMin) / (mMax - mMin), 1.0 / mShape);
  return std::clamp(n, 0.0, 1.0);
}

double IPlugParam::Normalized() const
{
  return NormalizeValue(Value());
}

const IPlugParam::DisplayText* IPlugParam::FindDisplayText(int value) const
{
  for (const DisplayText& entry : mDisplayTexts)
    if (entry.value == value)
      return &entry;
  return nullptr;
}

const char* IPlugParam::DisplayTextFor(int value) const
{
  const DisplayText* entry = FindDisplayText(value);
  return entry ? entry->text.c_str() : "";
}

const char* IPlugParam::UnitLabel() const
{
  const DisplayText* entry = FindDisplayText(TruncToInt(Value()));
  if (entry && !entry->text.empty())
    return "";
  return mLabel.c_str();
}

void IPlugParam::FormatValue(double value, bool isNormalized, char* out, bool useDisplayTexts) const
{
  double x = value;
  if (isNormalized)
    x = SnappedPlainFromNormalized(std::isfinite(x) ? x : 0.0);  // what setting it would store

  if (useDisplayTexts)
  {
    const DisplayText* entry = FindDisplayText(TruncToInt(x));
    if (entry && !entry->text.empty())
    {
      CopyText(out, entry->text.c_str());
      return;
    }
  }

  if (mNegatedDisplay)
    x = -x;
  if (mPrecision > 0)
    std::snprintf(out, kTextLength, "%.*f", mPrecision, x);
  else
    std::snprintf(out, kTextLength, "%d", TruncToInt(x));
  DropSignOfZero(out);
}
