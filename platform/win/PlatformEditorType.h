#pragma once

// The kind of parent window a Windows host hands to the editor: a window handle.
inline constexpr const char* kEditorPlatformType = "HWND";
