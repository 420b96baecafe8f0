// The print preview's windows: one per report page, named as the page table says (Form1
// shows page 1 ... Form20 page 9), each a page-sized canvas seen through a scrolled
// viewport, with its own menu bar.
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

// Makes the window of every report page known by its name in the page table.
void registerPreviewWindows(Program& program);
// Unloads every preview window that is loaded.
void unloadPreviewWindows(Program& program);
// The window of a report page; loads it when it is not loaded.
PreviewWindow& previewWindow(Program& program, int page);
// The window of a report page when it is loaded; none otherwise.
PreviewWindow* loadedPreviewWindow(Program& program, int page);
