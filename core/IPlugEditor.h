#pragma once

class LICE_IBitmap;

// What the plug-in base needs of the editor's graphics core. The graphics
// core implements it; the plug-in base owns the editor through it.
class IPlugEditor
{
public:
  virtual ~IPlugEditor() = default;

  // Creates the drawing surface at the editor's size and display scale.
  virtual void CreateDrawingSurfaces() = 0;
  virtual LICE_IBitmap* DrawingSurface() = 0;
  // The display scale the drawing surface was made at: its pixels per editor
  // pixel, each way.
  virtual double DrawScale() const = 0;

  // Binding: the parameter's normalised value reaches every control bound to
  // it, and the first auxiliary binding of each control that names it.
  virtual void TakeBoundParamValue(int paramIdx, double normalized) = 0;

  // Hands a parameter value to every control bound to the parameter. May be
  // called off the editor thread; controls pick the value up on their next tick.
  virtual void ApplyParamToControls(int paramIdx, double value, bool isNormalized) = 0;
  virtual void MarkAllControlsDirty() = 0;

  // The editor window inside the host's parent window (UI thread).
  virtual void* OpenEditorWindow(void* parent) = 0;
  virtual void CloseEditorWindow() = 0;
  // The scale in force: the host's content scale factor once it gave one,
  // else the system's (graphics/DisplayScaleChoice.h says why).
  virtual double GetDisplayScale() = 0;
  // The host's content scale factor, limited to 1..4 (UI thread, no lock
  // held): the editor draws at it from now on and an open window takes its
  // size. False, and nothing changed, for a factor that is no scale.
  virtual bool SetHostScaleFactor(double factor) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
};

// A drawing context that wraps the editor's drawing surface; bound once the
// surface exists.
class IPlugCanvas
{
public:
  virtual ~IPlugCanvas() = default;
  virtual void BindCanvas(IPlugEditor& editor) = 0;
};
