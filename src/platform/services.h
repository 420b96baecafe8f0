// Services that need a person: message boxes, beep, file and printer dialogs, the modal loop.
// The Qt back end answers them for real; tests answer them from a script.
#pragma once
#include <optional>
#include <string>

#include "platform/surface.h"

namespace plat {

class Form;

// The printer's page: outer size and printable area, in twips.
struct PrinterPage {
    int width = 11906;  // A4 portrait
    int height = 16838;
    float scaleWidth = static_cast<float>(kA4PrintableWidth);
    float scaleHeight = 16271;
};

enum class MsgButtons { OK, OKCancel, YesNo };

// A message box's style: its buttons, icon and default button, combined with |
// (plat::msg::kYesNo | plat::msg::kCritical | plat::msg::kSecondDefault).
struct MsgStyle {
    int bits = 0;
    friend constexpr MsgStyle operator|(MsgStyle a, MsgStyle b) { return {a.bits | b.bits}; }
    bool operator==(const MsgStyle&) const = default;
};

namespace msg {
inline constexpr MsgStyle kOk{0};
inline constexpr MsgStyle kOkCancel{1};
inline constexpr MsgStyle kYesNo{4};
inline constexpr MsgStyle kCritical{16};
inline constexpr MsgStyle kQuestion{32};
inline constexpr MsgStyle kExclamation{48};
inline constexpr MsgStyle kInformation{64};
// The second button is the default (an OK-only box has no second button: no effect).
inline constexpr MsgStyle kSecondDefault{256};
}  // namespace msg
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// Values as the program compares them (OK 1, Cancel 2, Yes 6, No 7).
enum class MsgResult { OK = 1, Cancel = 2, Yes = 6, No = 7 };

struct MessageRequest {
    std::string text;
    std::string title;  // empty: the application's own title shows
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 0;  // 0 first, 1 second

    static MessageRequest fromStyle(std::string text, MsgStyle style, std::string title);
    bool operator==(const MessageRequest&) const = default;
};

struct PrintStart {
    Surface* surface = nullptr;
    bool failed = false;  // the dialog was confirmed, but the job could not start
};

struct FileDialogRequest {
    std::string title;
    std::string initialFolder;
    std::string filter;  // "label|pattern"
    std::string fileName;
};

class Services {
public:
    virtual ~Services() = default;
    virtual MsgResult messageBox(const MessageRequest& request) = 0;
    virtual void beep() = 0;
    // An empty result means the dialog was cancelled. The save dialog neither asks
    // about replacing a file nor adds an extension.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;
    virtual bool printerDialog() = 0;
    // The page of the printer that printing would use now.
    virtual PrinterPage printerPage() { return {}; }
    // Shows the printer dialog and starts a print job on the chosen printer or file: the
    // surface prints at the top left of the printable area; newPage() turns the sheet (a
    // page on which nothing was drawn is not printed), endDoc() completes the job. No surface
    // when the dialog was cancelled or the job could not start (failed). The surface stays
    // valid until the next job starts.
    virtual PrintStart beginPrint(const std::string& title) = 0;
    // Ends the job that beginPrint started: a completed job is sent, any other abandoned.
    // False when the job failed, so that its pages did not reach the printer or the file.
    virtual bool endPrint() = 0;
    // Blocks until the dialog is hidden or unloaded.
    virtual void runModal(Form& dialog) = 0;
    // Called after the program's state changed outside an event of the back end's own.
    virtual void refresh() {}
};

}  // namespace plat
