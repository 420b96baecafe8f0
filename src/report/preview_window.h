// The print preview's windows: one per report page (Form1 shows page 1 ... Form20 page 9),
// each a page-sized canvas seen through a scrolled viewport, with its own menu bar.
#pragma once
#include "common/program.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "report/report_pages.h"

class PreviewWindow : public plat::Form {
public:
    PreviewWindow(Program& program, const char* name, int page);

    int page() const { return page_; }

    plat::PictureBox Picture1{*this, "Picture1"};
    plat::PictureBox Picture2{*this, "Picture2"};
    plat::ScrollBar VScroll1{*this, "VScroll1", plat::ScrollBar::Orientation::Vertical};
    plat::ScrollBar HScroll1{*this, "HScroll1", plat::ScrollBar::Orientation::Horizontal};

    plat::MenuItem Men_Pre{"Men_Pre", "前のﾍﾟｰｼﾞ(&F)"};
    plat::MenuItem Men_Nex{"Men_Nex", "次のﾍﾟｰｼﾞ(&N)"};
    plat::MenuItem Men_Prn{"Men_Prn", "印刷(&P)"};
    plat::MenuItem Men_Cls{"Men_Cls", "閉じる(&C)"};

    // The canvas's inner coordinates: the printer's printable area, in twips.
    float Picture2ScaleWidth = 0;
    float Picture2ScaleHeight = 0;

    // Where the page writers draw.
    plat::Surface& canvas() { return Picture2.surface(); }

    void Form_Load() override;
    void Form_QueryUnload(bool& cancel) override;
    void HScroll1_Change();
    void VScroll1_Change();
    void Men_Nex_Click();
    void Men_Pre_Click();
    void Men_Prn_Click();
    void Men_Cls_Click();

protected:
    Program& program_;

private:
    int page_;
};

// Unloads every preview window that is loaded.
void unloadPreviewWindows(Program& program);
// The window of a report page; loads it when it is not loaded.
PreviewWindow& previewWindow(Program& program, int page);
// The window of a report page when it is loaded; none otherwise.
PreviewWindow* loadedPreviewWindow(Program& program, int page);

// Report page 1: design conditions.
class Form1 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form1";
    explicit Form1(Program& program) : PreviewWindow(program, kName, 1) {}
};

// Report page 2: wall drawing and self weight.
class Form2 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form2";
    explicit Form2(Program& program) : PreviewWindow(program, kName, 2) {}
};

// Report page 3: earth pressure and load table.
class Form5 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form5";
    explicit Form5(Program& program) : PreviewWindow(program, kName, 3) {}
};

// Report page 4: stability checks.
class Form18 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form18";
    explicit Form18(Program& program) : PreviewWindow(program, kName, 4) {}
};

// Report page 5: opening page of the section checks.
class Form6 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form6";
    explicit Form6(Program& program) : PreviewWindow(program, kName, 5) {}
};

// Report page 6: upright wall sections.
class Form8 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form8";
    explicit Form8(Program& program) : PreviewWindow(program, kName, 6) {}
};

// Report page 7: base slab sections.
class Form16 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form16";
    explicit Form16(Program& program) : PreviewWindow(program, kName, 7) {}
};

// Report page 8: rear fixed end and the first of heel, toe, key.
class Form17 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form17";
    explicit Form17(Program& program) : PreviewWindow(program, kName, 8) {}
};

// Report page 9: the toe and key sections that page 8 left.
class Form20 : public PreviewWindow {
public:
    static constexpr const char* kName = "Form20";
    explicit Form20(Program& program) : PreviewWindow(program, kName, 9) {}
};
