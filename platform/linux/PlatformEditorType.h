#pragma once

// The kind of parent window a Linux host hands to the editor: an X11 window id.
inline constexpr const char* kEditorPlatformType = "X11EmbedWindowID";
