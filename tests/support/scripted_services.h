// Services for tests: answers come from queues, every request is recorded.
#pragma once
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/services.h"
#include "platform/surface.h"

class ScriptedServices : public plat::Services {
public:
    plat::MsgResult messageBox(const plat::MessageRequest& request) override;
    void beep() override { ++beeps; events.push_back("beep"); }
    std::optional<std::string> openFileDialog(const plat::FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const plat::FileDialogRequest& request) override;
    bool printerDialog() override;
    void runModal(plat::Form& dialog) override;
    plat::PrinterPage printerPage() override { return page; }
    // Asks printerAnswers like the printer dialog; a confirmed job records on a new surface
    // as wide as the page's printable width, unless printStartFails says that it cannot start.
    plat::PrintStart beginPrint(const std::string& title) override;
    // Answers !printEndFails.
    bool endPrint() override;

    // Answers, consumed in order. A message box without a queued answer gets its
    // default button; a modal dialog without a script returns at once.
    std::deque<plat::MsgResult> answers;
    std::deque<std::optional<std::string>> fileAnswers;
    std::deque<bool> printerAnswers;
    std::deque<std::function<void(plat::Form&)>> modalScripts;

    plat::PrinterPage page;
    // Every print job started, oldest first; printJobsEnded counts the endPrint() calls.
    std::vector<std::unique_ptr<plat::RecordingSurface>> printJobs;
    std::vector<std::string> printTitles;
    int printJobsEnded = 0;
    bool printStartFails = false;
    bool printEndFails = false;

    std::vector<plat::MessageRequest> messages;
    std::vector<plat::FileDialogRequest> fileRequests;
    std::vector<std::string> modals;  // names of the dialogs shown modal
    std::vector<std::string> events;  // "msg:<text>", "beep", "modal:<form>" in order
    int beeps = 0;

    std::vector<std::string> messageTexts() const;
    void clear();
};
