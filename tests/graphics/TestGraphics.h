#pragma once

#include "graphics/IControl.h"
#include "graphics/IGraphics.h"
#include "raster/LoadPngResource.h"

#include <deque>
#include <string>
#include <vector>

// A graphics core without a window: presents into a list, answers menus
// from a script and records text entries and picture loads.
class TestGraphics : public IGraphics
{
public:
  struct ShownMenu
  {
    PopupMenuRecord menu;
    IRectI rect;
  };

  struct TextEntry
  {
    IControl* control;
    ITextStyle style;
    IRectI rect;
    std::string text;
    IPlugParam* param;
  };

  static constexpr int kDismissMenu = -1;

  TestGraphics(IPlugBase& plug, int width, int height, int frameRate = 0) : IGraphics(plug, width, height, frameRate)
  {
  }

  bool PresentRegion(const IRectI& region) override
  {
    presented.push_back(region);
    return true;
  }
  void CancelTextEntry() override {}
  int PresentMessageBox(const char*, const char*, int) override { return 0; }
  PopupMenuRecord* ShowPopupMenu(PopupMenuRecord& menu, const IRectI& rect) override
  {
    ForgetPointerCapture();
    menus.push_back({menu, rect});
    const int choice = menuChoices.empty() ? kDismissMenu : menuChoices.front();
    if (!menuChoices.empty())
      menuChoices.pop_front();
    if (choice == kDismissMenu)
      return nullptr;
    menu.chosenIndex = choice;
    return &menu;
  }
  void OpenTextEntry(IControl& control, const ITextStyle& style, const IRectI& rect, const char* text,
                     IPlugParam* param) override
  {
    textEntries.push_back({&control, style, rect, text, param});
  }
  void GetHostPath(std::string& path) override { path.clear(); }
  void GetPluginPath(std::string& path) override { path.clear(); }
  void GetDesktopPath(std::string& path) override { path.clear(); }
  void GetDocumentsPath(std::string& path) override { path.clear(); }
  void GetAppDataPath(std::string& path, bool) override { path.clear(); }
  void GetUserAppDataPath(std::string& path) override { path.clear(); }
  void ChooseFilePath(std::string& file, int, std::string&, const char*) override { file.clear(); }
  bool ChooseColour(const IColorRGBA&, const char*) override { return false; }
  bool OpenWebAddress(const char*, const char*, const char*, const char*) override { return false; }
  void* OpenEditorWindow(void*) override { return nullptr; }
  void CloseEditorWindow() override {}
  void* GetWindowHandle() override { return nullptr; }
  bool GetClipboardText(std::string& text) override
  {
    text.clear();
    return false;
  }
  void SetWindowAlpha(int) override {}
  // `displayScale` plays the system's scale.
  double GetDisplayScale() override { return ScaleInForce(displayScale); }
  void SetCursorShape(int) override {}
  void HideCursor() override {}
  void RestoreCursor() override {}
  std::unique_ptr<LICE_IBitmap> LoadPngResource(int id, const char* name) override
  {
    pngLoads.push_back(id);
    return ::LoadPngResource(id, name);
  }

  // Everything the editor shows, drawn at once.
  void DrawAll() { DrawRegion({0, 0, Width(), Height()}); }

  double displayScale = 1.0;
  std::vector<IRectI> presented;
  std::deque<int> menuChoices;
  std::vector<ShownMenu> menus;
  std::vector<TextEntry> textEntries;
  std::vector<int> pngLoads;
};
