// The main window as the lower floors reach it: its toolbar and menus through slots that the
// app fills when it makes the forms known, so that no floor below the app calls into it.
#pragma once
#include <array>
#include <functional>
#include <string>

#include "platform/menu.h"

// The main window's toolbar buttons by what they do; the separator after 上書き保存 counts.
enum class ToolbarButton {
    New = 1,        // 新規作成
    Open = 2,       // 開く
    Save = 3,       // 上書き保存
    Separator = 4,  // delivers its click like a button; nothing runs
    Preview = 5,    // 印刷ｲﾒｰｼﾞ
    Print = 6,      // 印刷
};

// The buttons of the report commands: overwrite save, preview and print.
inline constexpr std::array kReportCommandButtons{ToolbarButton::Save, ToolbarButton::Preview, ToolbarButton::Print};

inline plat::Toolbar::Button& button(plat::Toolbar& toolbar, ToolbarButton which) {
    return toolbar.button(static_cast<int>(which));
}
inline const plat::Toolbar::Button& button(const plat::Toolbar& toolbar, ToolbarButton which) {
    return toolbar.button(static_cast<int>(which));
}
// A click on the named button as the user makes it: a disabled one delivers nothing.
inline void userClick(plat::Toolbar& toolbar, ToolbarButton which) { toolbar.userClick(static_cast<int>(which)); }

struct MainWindowPort {
    // The toolbar; none before the main window exists.
    std::function<plat::Toolbar*()> toolbar;
    // A top-level menu by name ("Men_F"); none before the main window exists.
    std::function<plat::MenuItem*(const std::string& name)> menu;
};
