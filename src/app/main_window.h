// MDIForm1: the main window with its menus, toolbar and the project commands.
#pragma once
#include <string>

#include "common/program.h"
#include "platform/form.h"
#include "platform/menu.h"

class MDIForm1 : public plat::Form {
public:
    static constexpr const char* kName = "MDIForm1";
    explicit MDIForm1(Program& program);

    plat::MenuItem Men_F{"Men_F", "ﾌｧｲﾙ(&F)"};
    plat::MenuItem Men_FNew{"Men_FNew", "新規作成(&N)"};
    plat::MenuItem Men_FOpn{"Men_FOpn", "開く(&O)"};
    plat::MenuItem Men_FCls{"Men_FCls", "閉じる(&C)"};
    plat::MenuItem Men_FL1{"Men_FL1", "-"};
    plat::MenuItem Men_FOvw{"Men_FOvw", "上書き保存(&V)"};
    plat::MenuItem Men_FSav{"Men_FSav", "名前を付けて保存(&A)"};
    plat::MenuItem Men_FL2{"Men_FL2", "-"};
    plat::MenuItem Men_FImg{"Men_FImg", "印刷イメージ(&I)"};
    plat::MenuItem Men_FPrn{"Men_FPrn", "印刷(&P)"};
    plat::MenuItem Men_FL3{"Men_FL3", "-"};
    plat::MenuItem Men_FEnd{"Men_FEnd", "終了(&X)"};
    plat::MenuItem Men_S{"Men_S", "参考(&S)"};
    plat::MenuItem Men_H{"Men_H", "ﾍﾙﾌﾟ(&H)"};
    plat::MenuItem Men_FVer{"Men_FVer", "ﾊﾞｰｼﾞｮﾝ情報(&A)"};

    plat::Toolbar Toolbar1;

    void MDIForm_Load();
    void Form_Load() override { MDIForm_Load(); }
    void Form_QueryUnload(bool& cancel) override { MDIForm_QueryUnload(cancel); }
    void MDIForm_QueryUnload(bool& cancel);

    void Men_F_Click();
    void FileNew();
    void Men_FCls_Click();
    void Men_FEnd_Click();
    void Men_S_Click();
    void Toolbar1_ButtonClick(int index);
    void Men_FVer_Click();
    void Men_FPrn_Click();

    // Project file and report commands.
    void FileOpen();
    void FileUpdate();
    void Men_FSav_Click();
    void FileImage();

    // The window's title for a project path: the product name, and the file's name once
    // the project has one.
    static std::string titleFor(const std::string& path);

private:
    // The current project path, named in the window's title.
    void setProjectPath(const std::string& path);

    Program& program_;
    // What each input of this screen makes stale.
    InvalidationTable stale_{program_.invalidation};
};
