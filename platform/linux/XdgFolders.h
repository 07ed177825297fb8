#pragma once

#include <string>

// Folder look-ups after the desktop's conventions (the XDG base and user
// directories). Folders of files end with '/'; the others do not.

// $HOME, or the user's entry in the password database.
std::string HomeFolder();
// The value of `key` (such as XDG_DESKTOP_DIR) in the text of a
// user-dirs.dirs file, with $HOME expanded; "" when absent or unusable.
std::string UserDirFromConfig(const std::string& config, const char* key, const std::string& home);
// The user directory `key` from $XDG_CONFIG_HOME/user-dirs.dirs, else
// `fallback` under the home folder.
std::string UserDir(const char* key, const char* fallback);
// Application data: the first of $XDG_DATA_DIRS for all users, else
// $XDG_DATA_HOME (or ~/.local/share).
std::string AppDataFolder(bool allUsers);
// The part of `path` up to and including its last '/'; "" when it has none
// or ends with one.
std::string FolderOf(const std::string& path);
// Folders of the running program and of the module holding this code.
std::string HostProgramFolder();
std::string PluginModuleFolder();
