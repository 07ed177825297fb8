#include <gtest/gtest.h>

#include "core/IPlugParam.h"
#include "graphics/MessageBoxCodes.h"
#include "platform/linux/DesktopDialogs.h"
#include "platform/linux/DisplayScale.h"
#include "platform/linux/DoubleClicks.h"
#include "platform/linux/PopupMenuLayout.h"
#include "platform/linux/TextEntryField.h"
#include "graphics/WindowRects.h"
#include "platform/linux/X11Cursors.h"
#include "platform/linux/X11KeyMap.h"
#include "platform/linux/XdgFolders.h"

#include <X11/cursorfont.h>
#include <X11/keysym.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{
IPlugParam Param(ParamKind kind)
{
  IPlugParam param;
  switch (kind)
  {
  case KindDouble:
    param.DefineDouble("Level", 0.0, -18.0, 18.0, 0.1, "dB");
    break;
  case KindEnum:
    param.DefineEnum("Deck", 0, 3);
    break;
  default:
    param.DefineBool("Switch", false);
    break;
  }
  return param;
}

std::string Typed(TextEntryField field, const std::string& keys)
{
  for (char c : keys)
    field.Type(c);
  return field.Text();
}

bool Contains(const std::vector<std::string>& arguments, const std::string& argument)
{
  return std::find(arguments.begin(), arguments.end(), argument) != arguments.end();
}
} // namespace

TEST(WindowRects, EditorRectanglesCoverTheWindowPixelsTheyShow)
{
  struct Case
  {
    IRectI editor;
    double scale;
    IRectI window;
  };
  for (const Case& c : {Case{{10, 10, 20, 20}, 1.5, {15, 15, 30, 30}}, Case{{10, 10, 21, 21}, 1.5, {15, 15, 32, 32}},
                        Case{{0, 0, 760, 450}, 1.5, {0, 0, 1140, 675}}, Case{{3, 4, 5, 6}, 1.0, {3, 4, 5, 6}},
                        Case{{3, 4, 5, 6}, 2.0, {6, 8, 10, 12}}, Case{{}, 1.5, {}}})
    EXPECT_EQ(WindowRectFor(c.editor, c.scale), c.window) << c.editor.left << "," << c.editor.right << " x" << c.scale;

  EXPECT_EQ(EditorRectFor({15, 15, 30, 30}, 1.5), (IRectI{10, 10, 20, 20}));
  // An exposed strip that ends inside an editor pixel still repaints it.
  EXPECT_EQ(EditorRectFor({16, 16, 31, 31}, 1.5), (IRectI{10, 10, 21, 21}));
  EXPECT_EQ(EditorRectFor({300, 150, 301, 151}, 1.5), (IRectI{200, 100, 201, 101}));
}

TEST(DisplayScale, ComesFromTheDesktopFontResolution)
{
  struct Case
  {
    const char* resources;
    double scale;
  };
  for (const Case& c : {Case{"Xft.dpi:\t144\n", 1.5}, Case{"Xft.antialias:\t1\nXft.dpi:\t120.5\nXft.hinting:\t1\n", 120.5 / 96},
                        Case{"Xft.dpi: 96", 1.0}, Case{"Xft.antialias:\t1\n", 1.0}, Case{"Xft.dpi:\tlarge\n", 1.0},
                        Case{"Xft.dpi:\t0\n", 1.0}, Case{"Xft.dpi:\t-96\n", 1.0}, Case{"Xft.dpi:\t5000\n", 1.0},
                        Case{"", 1.0}, Case{nullptr, 1.0}})
    EXPECT_DOUBLE_EQ(DisplayScaleFromResources(c.resources), c.scale) << (c.resources ? c.resources : "none");
}

TEST(KeyMap, MapsTheKeysControlsAreOfferedAndNoOthers)
{
  struct Case
  {
    KeySym symbol;
    int key;
  };
  for (const Case& c : {Case{XK_space, 0}, Case{XK_Up, 1}, Case{XK_Down, 2}, Case{XK_Left, 3}, Case{XK_Right, 4},
                        Case{XK_0, 5}, Case{XK_9, 14}, Case{XK_a, 15}, Case{XK_A, 15}, Case{XK_z, 40}, Case{XK_Z, 40},
                        Case{XK_F1, -1}, Case{XK_KP_5, -1}, Case{XK_KP_Up, -1}, Case{XK_Return, -1},
                        Case{XK_exclam, -1}})
    EXPECT_EQ(KeyNumberFor(c.symbol), c.key) << c.symbol;
}

TEST(DoubleClicks, ASecondPressSoonAndCloseCompletesAPair)
{
  DoubleClicks clicks;
  EXPECT_FALSE(clicks.Press(100, 100, 1000));
  EXPECT_TRUE(clicks.Press(102, 98, 1500));
  // The third press starts a new pair.
  EXPECT_FALSE(clicks.Press(102, 98, 1600));
  EXPECT_FALSE(clicks.Press(105, 98, 1700)) << "too far";
  EXPECT_FALSE(clicks.Press(105, 98, 2201)) << "too late";
  clicks.Forget();
  EXPECT_FALSE(clicks.Press(105, 98, 2300));
  // Server time wraps around after 49 days.
  EXPECT_FALSE(clicks.Press(0, 0, 0xFFFFFF00ul));
  EXPECT_TRUE(clicks.Press(0, 0, 0x40ul));
}

TEST(TextEntryField, FiltersCharactersByTheParameterKind)
{
  const IPlugParam level = Param(KindDouble);
  const IPlugParam deck = Param(KindEnum);
  const IPlugParam onOff = Param(KindBool);
  struct Case
  {
    const IPlugParam* param;
    std::string keys;
    std::string text;
  };
  for (const Case& c : {Case{&level, "12a", "12"}, Case{&level, "-3.5", "-3.5"}, Case{&level, "+1e3", "+13"},
                        Case{&deck, "2.5", "25"}, Case{&deck, "-4x", "-4"}, Case{&onOff, "on1", "1"},
                        Case{nullptr, "Name 2", "Name 2"}})
    EXPECT_EQ(Typed(TextEntryField("0.0", 7, c.param), c.keys), c.text) << c.keys;
  EXPECT_FALSE(EntryAcceptsCharacter(nullptr, '\b'));
  EXPECT_FALSE(EntryAcceptsCharacter(&level, '\n'));
}

TEST(TextEntryField, StartsSelectedHoldsAtMostTheLimitAndEditsAtTheCaret)
{
  const IPlugParam level = Param(KindDouble);
  TextEntryField field("0.0", 7, &level);
  EXPECT_TRUE(field.HasSelection());
  EXPECT_EQ(Typed(field, "12345678"), "1234567");
  for (char c : std::string("1234567"))
    EXPECT_TRUE(field.Type(c));
  EXPECT_FALSE(field.Type('9')) << "the eighth character is refused";
  EXPECT_EQ(field.Text(), "1234567");
  field.Backspace();
  EXPECT_EQ(field.Text(), "123456");
  field.MoveCaret(0);
  field.Delete();
  EXPECT_EQ(field.Text(), "23456");
  field.CaretRight();
  field.Type('.');
  EXPECT_EQ(field.Text(), "2.3456");
  field.SelectAll();
  field.Backspace();
  EXPECT_EQ(field.Text(), "");
  field.CaretLeft();
  EXPECT_EQ(field.Caret(), 0);
}

TEST(PopupMenuLayout, FindsItemsAndStepsOverThoseThatCannotBeChosen)
{
  const PopupMenuLayout layout = PopupMenuLayout::AtScale(1.0);
  EXPECT_EQ(layout.ItemAt(10, layout.ItemTop(2) + 1, 100, 3), 2);
  EXPECT_EQ(layout.ItemAt(10, layout.ItemTop(3) + 1, 100, 3), -1);
  EXPECT_EQ(layout.ItemAt(0, layout.ItemTop(1), 100, 3), -1) << "on the frame";
  EXPECT_EQ(PopupMenuLayout::AtScale(1.5).itemHeight, 30);

  PopupMenuRecord menu;
  menu.items = {{"a", 0}, {"b", PopupItemGreyed}, {"c", PopupItemChecked}, {"d", PopupItemDisabled}};
  EXPECT_EQ(NextSelectableItem(menu, -1, +1), 0);
  EXPECT_EQ(NextSelectableItem(menu, 0, +1), 2);
  EXPECT_EQ(NextSelectableItem(menu, 2, +1), 0) << "wraps around";
  EXPECT_EQ(NextSelectableItem(menu, -1, -1), 2);
  PopupMenuRecord greyed;
  greyed.items = {{"x", PopupItemGreyed}};
  EXPECT_EQ(NextSelectableItem(greyed, -1, +1), -1);
  EXPECT_EQ(NextSelectableItem(PopupMenuRecord{}, -1, +1), -1);
}

TEST(DesktopDialogs, MessageBoxesAskWithTheButtonsOfTheirType)
{
  const std::vector<std::string> yesNo = MessageBoxArguments(DesktopHelper::Zenity, "Sure?", "Tape", MessageBoxYesNo, 42);
  for (const char* argument : {"zenity", "--question", "--no-markup", "--title=Tape", "--text=Sure?", "--ok-label=Yes",
                               "--cancel-label=No", "--attach=42"})
    EXPECT_TRUE(Contains(yesNo, argument)) << argument;
  EXPECT_TRUE(Contains(MessageBoxArguments(DesktopHelper::Zenity, "x", "y", MessageBoxOk, 0), "--info"));
  EXPECT_TRUE(Contains(MessageBoxArguments(DesktopHelper::KDialog, "x", "y", MessageBoxYesNoCancel, 0), "--yesnocancel"));

  struct Case
  {
    DesktopHelper helper;
    int type;
    int status;
    const char* output;
    int answer;
  };
  for (const Case& c : {Case{DesktopHelper::Zenity, MessageBoxOk, 0, "", AnswerOk},
                        Case{DesktopHelper::Zenity, MessageBoxOk, 1, "", AnswerOk},
                        Case{DesktopHelper::Zenity, MessageBoxYesNo, 0, "", AnswerYes},
                        Case{DesktopHelper::Zenity, MessageBoxYesNo, 1, "", AnswerNo},
                        Case{DesktopHelper::Zenity, MessageBoxYesNoCancel, 1, "Cancel\n", AnswerCancel},
                        Case{DesktopHelper::Zenity, MessageBoxYesNoCancel, 1, "", AnswerNo},
                        Case{DesktopHelper::Zenity, MessageBoxAbortRetryIgnore, 1, "Abort\n", AnswerAbort},
                        Case{DesktopHelper::Zenity, MessageBoxRetryCancel, 0, "", AnswerRetry},
                        Case{DesktopHelper::Zenity, MessageBoxOkCancel, -1, "", MessageBoxFailed},
                        Case{DesktopHelper::KDialog, MessageBoxYesNoCancel, 2, "", AnswerCancel},
                        Case{DesktopHelper::KDialog, MessageBoxOkCancel, 1, "", AnswerCancel},
                        Case{DesktopHelper::KDialog, MessageBoxYesNo, 2, "", MessageBoxFailed},
                        Case{DesktopHelper::KDialog, MessageBoxOk, 254, "", MessageBoxFailed}})
    EXPECT_EQ(MessageBoxAnswerFor(c.helper, c.type, c.status, c.output), c.answer)
      << static_cast<int>(c.helper) << " type " << c.type << " status " << c.status;
}

TEST(DesktopDialogs, FileChoosersFilterByTheExtensionList)
{
  EXPECT_EQ(ExtensionPatterns("wav aif"), (std::vector<std::string>{"*.wav", "*.aif"}));
  EXPECT_EQ(ExtensionPatterns("  wav   aif "), (std::vector<std::string>{"*.wav", "*.aif"}));
  EXPECT_TRUE(ExtensionPatterns(nullptr).empty());
  EXPECT_EQ(DefaultExtension("wav aif"), "wav");
  EXPECT_EQ(DefaultExtension(""), "");

  const std::vector<std::string> save =
    FileChooserArguments(DesktopHelper::Zenity, true, "/home/me/takes", "mix", ExtensionPatterns("wav aif"), 0);
  for (const char* argument : {"--file-selection", "--save", "--filename=/home/me/takes/mix",
                               "--file-filter=*.wav;*.aif | *.wav *.aif"})
    EXPECT_TRUE(Contains(save, argument)) << argument;
  const std::vector<std::string> open =
    FileChooserArguments(DesktopHelper::KDialog, false, "/home/me/", "", ExtensionPatterns("wav"), 7);
  EXPECT_EQ(open, (std::vector<std::string>{"kdialog", "--getopenfilename", "/home/me/", "*.wav", "--attach", "7"}));
  EXPECT_EQ(ChosenPath("/home/me/mix.wav\n"), "/home/me/mix.wav");
}

TEST(DesktopDialogs, ChosenColoursAreReadInEveryFormTheHelpersPrint)
{
  struct Case
  {
    const char* output;
    bool read;
    int red;
    int green;
    int blue;
  };
  for (const Case& c : {Case{"rgb(10,20,30)\n", true, 10, 20, 30}, Case{"rgba(255,128,0,0.5)\n", true, 255, 128, 0},
                        Case{"#0a141e\n", true, 10, 20, 30}, Case{"#FFFF80800000\n", true, 255, 128, 0},
                        Case{"rgb(300,0,0)", false, 0, 0, 0}, Case{"#12345", false, 0, 0, 0},
                        Case{"#12345g", false, 0, 0, 0}, Case{"", false, 0, 0, 0}, Case{"red", false, 0, 0, 0}})
  {
    IColorRGBA colour{7, 1, 2, 3};
    EXPECT_EQ(ParseChosenColour(c.output, colour), c.read) << c.output;
    if (c.read)
    {
      EXPECT_EQ(colour, (IColorRGBA{7, c.red, c.green, c.blue})) << c.output;
    }
  }
  EXPECT_TRUE(Contains(ColourChooserArguments(DesktopHelper::Zenity, {255, 10, 20, 30}, "Pick", 0), "--color=#0a141e"));
}

TEST(XdgFolders, UserDirectoriesFollowTheUsersSettings)
{
  const std::string config = "# written by xdg-user-dirs-update\n"
                             "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                             "XDG_DOCUMENTS_DIR=\"/data/docs/\"\n"
                             "XDG_MUSIC_DIR=\"music\"\n";
  EXPECT_EQ(UserDirFromConfig(config, "XDG_DESKTOP_DIR", "/home/ann"), "/home/ann/Schreibtisch");
  EXPECT_EQ(UserDirFromConfig(config, "XDG_DOCUMENTS_DIR", "/home/ann"), "/data/docs");
  EXPECT_EQ(UserDirFromConfig(config, "XDG_MUSIC_DIR", "/home/ann"), "") << "relative paths are not allowed";
  EXPECT_EQ(UserDirFromConfig(config, "XDG_VIDEOS_DIR", "/home/ann"), "");

  EXPECT_EQ(FolderOf("/opt/hosts/host"), "/opt/hosts/");
  EXPECT_EQ(FolderOf("/opt/hosts/"), "");
  EXPECT_EQ(FolderOf("host"), "");
  // This test program and its module are the same file here.
  EXPECT_EQ(HostProgramFolder(), PluginModuleFolder());
  EXPECT_FALSE(HostProgramFolder().empty());
}

TEST(Cursors, EveryShapeHasAFontCursorAndUnknownOnesAreTheArrow)
{
  EXPECT_EQ(FontCursorFor(0), static_cast<unsigned>(XC_left_ptr));
  EXPECT_EQ(FontCursorFor(1), static_cast<unsigned>(XC_xterm));
  EXPECT_EQ(FontCursorFor(11), static_cast<unsigned>(XC_hand2));
  EXPECT_EQ(FontCursorFor(13), static_cast<unsigned>(XC_question_arrow));
  EXPECT_EQ(FontCursorFor(99), static_cast<unsigned>(XC_left_ptr));
  EXPECT_EQ(FontCursorFor(-1), static_cast<unsigned>(XC_left_ptr));
}
