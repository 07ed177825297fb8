#pragma once

#include "graphics/IColorRGBA.h"

#include <string>
#include <vector>

// Message boxes, file and colour choosers through the desktop's dialog
// helper, run as a program of its own: zenity (GNOME and most others) or
// kdialog (KDE). This file builds their command lines and reads their
// answers; the editor runs them.
enum class DesktopHelper
{
  Absent,
  Zenity,
  KDialog,
};

// The first helper found through PATH.
DesktopHelper FindDesktopHelper();

// `attachTo`: the window the dialog belongs to, 0 for none.
std::vector<std::string> MessageBoxArguments(DesktopHelper helper, const char* text, const char* caption, int type,
                                             unsigned long attachTo);
// The MessageBoxAnswer for how the helper ended; MessageBoxFailed when it
// did not answer as a dialog does.
int MessageBoxAnswerFor(DesktopHelper helper, int type, int exitStatus, const std::string& output);

// "wav aif" gives *.wav and *.aif; empty words are skipped.
std::vector<std::string> ExtensionPatterns(const char* extensions);
// The list's first word.
std::string DefaultExtension(const char* extensions);
std::vector<std::string> FileChooserArguments(DesktopHelper helper, bool save, const std::string& folder,
                                              const std::string& file, const std::vector<std::string>& patterns,
                                              unsigned long attachTo);
// The chosen path from the helper's output (its first line); "" for none.
std::string ChosenPath(const std::string& output);

std::vector<std::string> ColourChooserArguments(DesktopHelper helper, const IColorRGBA& colour, const char* title,
                                                unsigned long attachTo);
// Reads "#rrggbb", "#rrrrggggbbbb", "rgb(r,g,b)" or "rgba(r,g,b,a)" into
// red, green and blue; false for anything else.
bool ParseChosenColour(const std::string& output, IColorRGBA& colour);
