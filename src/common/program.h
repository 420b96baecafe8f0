// The program: its forms (created on first use) and every program-wide value.
#pragma once
#include <string>

#include "common/design_values.h"
#include "common/hand_overs.h"
#include "common/invalidation.h"
#include "common/main_window_port.h"
#include "common/queries.h"
#include "common/report_values.h"
#include "common/section_values.h"
#include "common/slab_model_values.h"
#include "common/stability_values.h"
#include "platform/desktop.h"
#include "platform/surface.h"

class Program : public plat::Desktop, public DesignValues, public StabilityValues, public SectionValues,
                public SlabModelValues, public ReportValues {
public:
    explicit Program(plat::Services& services) : plat::Desktop(services) {}

    // The form of type F; creates it hidden (its load step runs) when it is not loaded.
    template <class F>
    F& form() {
        return plat::Desktop::form<F>(*this);
    }

    // The main window, as the app that owns it set it up (registerForms).
    MainWindowPort mainWindow;
    // The main window's toolbar; none before the main window exists.
    plat::Toolbar* mainToolbar() { return mainWindow.toolbar ? mainWindow.toolbar() : nullptr; }
    // A top-level menu of the main window by name ("Men_F"); none before the main window exists.
    plat::MenuItem* mainMenu(const std::string& name) { return mainWindow.menu ? mainWindow.menu(name) : nullptr; }

    // How each result that an input can make stale is dropped, as the screens that own
    // them registered it (registerForLowerFloors, from registerForms).
    Invalidation invalidation;
    // The commands and questions of the higher floors that the lower ones reach, as their
    // owners registered them.
    HandOvers handOvers;
    Queries queries;

    // The stability result stands (σmax of 0 means none).
    bool hasResult() const { return sigmaMax != 0; }
    // The stability result is gone, and the section check that was made for it.
    void dropResult() {
        sigmaMax = 0;
        dropCheck();
    }
    // The section stress check was made on the rows as they stand.
    bool checkCurrent() const { return sectionCheckDoneValue() == 1; }
    // The section stress check was made on the rows as they stand, and counts.
    void countCheck() { sectionCheckDone = 1; }
    // The section check no longer counts.
    void dropCheck() { sectionCheckDone = 0; }

    // The input screen that is current: 0 none, 1 design conditions, 2 dimensions, 3 sections.
    int currentScreen = 0;
    // Where the report pages draw: a preview page's canvas or the printer; none until the
    // preview or the print run sets it.
    plat::Surface* outputSurface = nullptr;
    // The number of the first printed page, as the print-range dialog last read it.
    float firstPageNumber = 0;

    // A new, closed or opened project starts from the values of a fresh program: nothing
    // that an earlier project computed reaches its screens, file or report.
    void resetProjectValues() {
        static_cast<DesignValues&>(*this) = DesignValues{};
        static_cast<StabilityValues&>(*this) = StabilityValues{};
        static_cast<SectionValues&>(*this) = SectionValues{};
        static_cast<SlabModelValues&>(*this) = SlabModelValues{};
        static_cast<ReportValues&>(*this) = ReportValues{};
    }

    // The current project path (the project-file dialog's file name); empty: none.
    std::string projectPath;

    // Above 0 while a project is being opened: a calculation that cannot go on ends its
    // statement without a message box (see common/calc_fault.h).
    int faultMessagesMuted = 0;
    // True while the lines of a project file are put into the screens: what their handlers
    // would empty is still to come from the file, and the recalculation after the last
    // line decides what stands.
    bool readingProjectLines = false;
};
