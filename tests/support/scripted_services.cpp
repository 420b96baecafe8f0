#include "support/scripted_services.h"

using plat::MsgButtons;
using plat::MsgResult;

MsgResult ScriptedServices::messageBox(const plat::MessageRequest& request) {
    messages.push_back(request);
    events.push_back("msg:" + request.text);
    if (!answers.empty()) {
        MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    switch (request.buttons) {
        case MsgButtons::OKCancel: return request.defaultButton == 1 ? MsgResult::Cancel : MsgResult::OK;
        case MsgButtons::YesNo: return request.defaultButton == 1 ? MsgResult::No : MsgResult::Yes;
        default: return MsgResult::OK;
    }
}

std::optional<std::string> ScriptedServices::openFileDialog(const plat::FileDialogRequest& request) {
    fileRequests.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto r = fileAnswers.front();
    fileAnswers.pop_front();
    return r;
}

std::optional<std::string> ScriptedServices::saveFileDialog(const plat::FileDialogRequest& request) {
    return openFileDialog(request);
}

bool ScriptedServices::printerDialog() {
    if (printerAnswers.empty()) return true;
    bool r = printerAnswers.front();
    printerAnswers.pop_front();
    return r;
}

plat::PrintStart ScriptedServices::beginPrint(const std::string& title) {
    events.push_back("printer");
    if (!printerDialog()) return {};
    if (printStartFails) return {.failed = true};
    printJobs.push_back(std::make_unique<plat::RecordingSurface>());
    printJobs.back()->setPrintableWidth(page.scaleWidth);
    printTitles.push_back(title);
    return {.surface = printJobs.back().get()};
}

bool ScriptedServices::endPrint() {
    ++printJobsEnded;
    return !printEndFails;
}

void ScriptedServices::runModal(plat::Form& dialog) {
    modals.push_back(dialog.name());
    events.push_back("modal:" + dialog.name());
    if (modalScripts.empty()) return;
    auto script = std::move(modalScripts.front());
    modalScripts.pop_front();
    script(dialog);
}

std::vector<std::string> ScriptedServices::messageTexts() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.text);
    return out;
}

void ScriptedServices::clear() {
    messages.clear();
    fileRequests.clear();
    modals.clear();
    events.clear();
    beeps = 0;
}
