// Titles of the program's message boxes.
#pragma once

// Input errors and calculation faults.
inline constexpr const char* kErrorTitle = "エラーメッセージ";
// Confirmations.
inline constexpr const char* kConfirmTitle = "確認";
