#pragma once

#include "core/IPlugEditor.h"
#include "core/IRectI.h"
#include "graphics/DisplayScaleChoice.h"
#include "graphics/IBlendSetting.h"
#include "graphics/IColorRGBA.h"
#include "graphics/IFrameBitmap.h"
#include "graphics/IMouseState.h"
#include "graphics/ITextStyle.h"
#include "graphics/PopupMenuRecord.h"
#include "graphics/ResampledTiles.h"

#include <memory>
#include <string>
#include <vector>

class IControl;
class IPlugBase;
class IPlugParam;
class LICE_CachedFont;
class LICE_IBitmap;
class LICE_SysBitmap;

// The platform-independent half of the editor: the controls, the drawing
// surface they paint on, and the rules that connect the pointer to controls
// and controls to parameters. A platform class derives from it, implements
// the pure virtual operations (window, presentation, menus, text entry,
// dialogs, cursor, resources) and feeds it the window's events: pointer
// and key events through the Pointer... and KeyDown operations, the redraw
// timer through CollectDirtyRegion, painting through DrawRegion.
//
// Coordinates are editor pixels with the origin at the top left, before
// display scaling; the pointer operations take window pixels and divide them
// by the display scale. The drawing surface has the window's pixels: at a
// display scale other than 1 pictures are drawn from their drawing at twice
// the editor's pixels where there is one (resampled where the scale is not
// 2) and texts at the scaled size, so that the window shows every pixel it
// has rather than a stretched picture.
class IGraphics : public IPlugEditor
{
public:
  static constexpr int kDefaultFrameRate = 30;

  // A frame rate of 0 or less becomes kDefaultFrameRate.
  IGraphics(IPlugBase& plug, int width, int height, int frameRate);

  IGraphics(const IGraphics&) = delete;
  IGraphics& operator=(const IGraphics&) = delete;

  // Copies `region` of the drawing surface to the window.
  virtual bool PresentRegion(const IRectI& region) = 0;
  // DrawStyledText in measure mode.
  virtual bool MeasureText(ITextStyle& style, const char* text, IRectI& rect);
  // Drops an open text entry without applying it.
  virtual void CancelTextEntry() = 0;
  // New editor size: new drawing surfaces, and the plug-in resizes its window.
  virtual void Resize(int width, int height);
  virtual bool IsWindowOpen();
  virtual const char* GetDrawingApiName();
  virtual int PresentMessageBox(const char* text, const char* caption, int type) = 0;
  // Shows `menu` below the rectangle's bottom-left corner; returns `menu`
  // with its chosen index set, or none when dismissed. Implementations call
  // ForgetPointerCapture first: the menu takes the pointer.
  virtual PopupMenuRecord* ShowPopupMenu(PopupMenuRecord& menu, const IRectI& rect) = 0;
  // Opens an in-place field over `rect` holding `text`, at most the
  // control's entry length limit long. A confirmed entry goes through
  // CommitTextEntry (graphics/TextEntryCommit.h).
  virtual void OpenTextEntry(IControl& control, const ITextStyle& style, const IRectI& rect, const char* text,
                             IPlugParam* param) = 0;
  virtual void GetHostPath(std::string& path) = 0;
  virtual void GetPluginPath(std::string& path) = 0;
  virtual void GetDesktopPath(std::string& path) = 0;
  virtual void GetDocumentsPath(std::string& path) = 0;
  virtual void GetAppDataPath(std::string& path, bool allUsers) = 0;
  virtual void GetUserAppDataPath(std::string& path) = 0;
  // `action` 1 saves, anything else opens; `file` is "" when cancelled.
  virtual void ChooseFilePath(std::string& file, int action, std::string& folder, const char* extensions) = 0;
  // True when the user chose a colour, kept with SetLastChosenColour.
  virtual bool ChooseColour(const IColorRGBA& colour, const char* prompt) = 0;
  virtual bool OpenWebAddress(const char* url, const char* caption, const char* confirmText,
                              const char* errorText) = 0;
  void* OpenEditorWindow(void* parent) override = 0;
  void CloseEditorWindow() override = 0;
  virtual void* GetWindowHandle() = 0;
  virtual bool GetClipboardText(std::string& text) = 0;
  virtual void SetWindowAlpha(int alpha) = 0;
  ~IGraphics() override;
  // Platform: the scale in force (ScaleInForce of the system's scale).
  double GetDisplayScale() override = 0;
  bool SetHostScaleFactor(double factor) override;
  double DrawScale() const override { return mDrawScale; }
  // A CursorShape.
  virtual void SetCursorShape(int shape) = 0;
  virtual void HideCursor() = 0;
  virtual void RestoreCursor() = 0;
  // The module's PNG resource `id`; none when it cannot be loaded.
  virtual std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name) = 0;

  // Pictures drawn at twice the editor's pixels: `doubleId` (`doublePath`)
  // is the picture of resource `resourceId` at 2x, loaded the first time the
  // editor draws at a scale above 1. A picture of resource `resourceId` must
  // have been loaded; a 2x picture of any other size than twice its own is
  // not used.
  void AddDoubleScalePicture(int resourceId, int doubleId, const char* doublePath);

  // Controls. The graphics core owns them; list order is drawing order.
  // Returns the control's list index.
  int AddControl(std::unique_ptr<IControl> control);
  // A one-frame picture copied plainly at (0, 0), drawn under everything.
  void AddBackground(int resourceId, const char* path);
  int NControls() const { return static_cast<int>(mControls.size()); }
  IControl* GetControl(int index) const;

  // Parameter values into controls; callable from any thread.
  void TakeBoundParamValue(int paramIdx, double normalized) override;
  void ApplyParamToControls(int paramIdx, double value, bool isNormalized) override;
  void MarkAllControlsDirty() override;

  // A menu of the parameter's texts, or a text entry holding its value,
  // for `control`; nothing when any of the three is missing.
  void PromptParamInput(IControl* control, IPlugParam* param, const IRectI* rect);

  // The redraw timer: the union of the rectangles of the controls that need
  // redrawing, accumulated into `region` (empty on entry). False when none
  // did; every second such tick runs the plug-in's idle hook.
  bool CollectDirtyRegion(IRectI& region);
  // Paint: draws the controls that meet `region` (editor pixels) and
  // presents it.
  bool DrawRegion(const IRectI& region);

  // Window events, in window pixels.
  void PointerDown(int x, int y, const IMouseState& state);
  void PointerUp(int x, int y, const IMouseState& state);
  // Pointer movement with a button held while the window holds the capture.
  void PointerDrag(int x, int y, const IMouseState& state);
  bool PointerHover(int x, int y, const IMouseState& state);
  void PointerDoubleClick(int x, int y, const IMouseState& state);
  // `wheelDelta` in the platform's units, 120 to a notch.
  void PointerWheel(int x, int y, const IMouseState& state, int wheelDelta);
  // True when a control took the key (a KeyNumber); otherwise the window
  // passes it on to the host.
  bool KeyDown(int x, int y, int key);

  // Pictures, text and the drawing surface.
  const IFrameBitmap& LoadFrameBitmap(int resourceId, const char* path, int frameCount, bool framesSideBySide);
  void CreateDrawingSurfaces() override;
  LICE_IBitmap* DrawingSurface() override;
  // Blends the rectangle of `bitmap` at (sourceX, sourceY) onto `dest`,
  // clipped to the region being drawn. Without a blend setting, a
  // source-alpha copy at full weight.
  bool DrawFrameBitmap(const IFrameBitmap& bitmap, const IRectI& dest, int sourceX, int sourceY,
                       const IBlendSetting* blend);
  // Draws `text` in `rect` with the style, or with `measureOnly` re-aligns
  // `rect` around the text's size. False when no font can be made.
  bool DrawStyledText(ITextStyle& style, const char* text, IRectI& rect, bool measureOnly);
  LICE_CachedFont* FindOrCreateFont(ITextStyle& style);

  int Width() const override { return mWidth; }
  int Height() const override { return mHeight; }
  int FrameRate() const { return mFrameRate; }
  IPlugBase& Plug() const { return mPlug; }
  const IRectI& DrawRegionNow() const { return mDrawRegion; }
  int CaptureIndex() const { return mCaptureIndex; }
  const IColorRGBA& LastChosenColour() const { return mLastChosenColour; }

protected:
  // For platform classes: their cursor bookkeeping, the chosen colour, and
  // handing the pointer to a menu.
  struct CursorMemory
  {
    bool hidden = false;
    int x = -1;
    int y = -1;
  };

  CursorMemory& SavedCursor() { return mSavedCursor; }
  void SetLastChosenColour(const IColorRGBA& colour) { mLastChosenColour = colour; }
  void ForgetPointerCapture();
  bool HasHostScaleFactor() const { return mScaleChoice.HasHostFactor(); }
  // The host's factor when it gave one, else `systemScale`.
  double ScaleInForce(double systemScale) const { return mScaleChoice.InForce(systemScale); }
  // The scale in force changed (a host factor arrived) and the drawing
  // surface follows it: an open window takes the new size and repaints.
  virtual void DisplayScaleChanged() {}

private:
  struct DoubleScalePicture
  {
    const LICE_IBitmap* single;
    int id;
    std::string path;
    // Loaded on first need; none when it cannot be used.
    LICE_IBitmap* raster = nullptr;
    bool looked = false;
  };

  int ToEditorPixels(int windowPixels);
  // Whether a control drawing into `rect` reaches into the region being drawn.
  bool MeetsDrawRegion(const IRectI& rect) const;
  // The drawing of `single` at twice its pixels, or none.
  LICE_IBitmap* DoubleScaleOf(const LICE_IBitmap* single);
  bool DrawScaledFrameBitmap(const IFrameBitmap& bitmap, const IRectI& dest, int sourceX, int sourceY,
                             const IBlendSetting& blend);
  // The topmost visible, enabled control under (x, y), or -1.
  int HitTestControls(int x, int y) const;
  // The control holding the pointer capture, else the one under (x, y).
  int PointerTarget(int x, int y) const;
  bool HasParam(const IControl& control) const;

  IColorRGBA mLastChosenColour = kColorBlack;
  std::vector<std::unique_ptr<IControl>> mControls;
  IPlugBase& mPlug;
  IRectI mDrawRegion;
  // The draw region in the drawing surface's pixels.
  IRectI mSurfaceRegion;
  DisplayScaleChoice mScaleChoice;
  double mDrawScale = 1.0;
  std::vector<DoubleScalePicture> mDoubleScalePictures;
  ResampledTiles mResampledTiles;
  CursorMemory mSavedCursor;
  std::unique_ptr<LICE_SysBitmap> mDrawingSurface;
  int mWidth;
  int mHeight;
  int mFrameRate;
  int mIdleCounter = 0;
  int mCaptureIndex = -1;
  int mLastX = -1;
  int mLastY = -1;
};
