#include "conditions/note_window.h"
#include "common/colours.h"

Form27::Form27(Program& program) : plat::Form(program, kName, plat::FormKind::Dialog) {
    setCaption("ミラノス");
    setSize(6360, 3300);
    for (plat::Control* c : controls()) c->setFont("ＭＳ ゴシック", 9);

    Label5.place(360, 240, 5640, 255);
    Label5.setCaption("背面上載荷重の土圧について");
    Label5.setFont("ＭＳ ゴシック", 10.5, true);
    Label5.setForeColor(kGreen);

    Line1.setPoints(360, 720, 6000, 720);
    Line2.setPoints(6000, 720, 6000, 1740);
    Line3.setPoints(6000, 1740, 360, 1740);
    Line4.setPoints(360, 1740, 360, 720);
    Label1.place(480, 840, 5400, 255);
    Label1.setCaption("「宅地造成等規制法施行令の別表第二を用いる場合は、");
    Label2.place(480, 1140, 5400, 255);
    Label2.setCaption("土圧係数に５KN/m2程度の積載荷重が含まれているこ");
    Label3.place(480, 1440, 5400, 255);
    Label3.setCaption("とに留意する。」");
    Label4.place(1800, 1920, 4200, 255);
    Label4.setCaption("宅地防災マニュアルの解説（ぎょうせい）より");
    Label4.setAlignment(plat::Align::Right);

    cmd1.place(2580, 2520, 1215, 375);
    cmd1.setCaption("閉じる");
    cmd1.Click = [this] { cmd1_Click(); };
}

void Form27::cmd1_Click() { hide(); }
