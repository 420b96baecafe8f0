// A small form and desktop for tests of the platform's rules.
#pragma once
#include <string>
#include <vector>

#include "platform/desktop.h"
#include "support/scripted_services.h"

struct TestForm : plat::Form {
    static constexpr const char* kName = "TestForm";
    explicit TestForm(plat::Desktop& d, plat::FormKind kind = plat::FormKind::MdiChild) : plat::Form(d, kName, kind) {
        o2.setContainer(frame);
        o3.setContainer(frame);
        t1.setTabIndex(0);
        t2.setTabIndex(1);
        cb.setTabIndex(2);
        btn.setTabIndex(3);
        o1.setTabIndex(4);
        o2.setTabIndex(5);
        o3.setTabIndex(6);
        chk.setTabIndex(7);
        for (plat::Control* c : controls()) {
            c->Click = [this, c] { log.push_back(c->name() + ".Click"); };
            c->GotFocus = [this, c] { log.push_back(c->name() + ".GotFocus"); };
            c->LostFocus = [this, c] { log.push_back(c->name() + ".LostFocus"); };
        }
        t1.Change = [this] { log.push_back("t1.Change"); };
        cb.addItem("A");
        cb.addItem("B");
    }
    void Form_Load() override { ++loads; }
    void Form_Activate() override { log.push_back(std::string(name()) + ".Activate"); }

    plat::TextBox t1{*this, "t1"};
    plat::TextBox t2{*this, "t2"};
    plat::ComboBox cb{*this, "cb"};
    plat::CommandButton btn{*this, "btn"};
    plat::OptionButton o1{*this, "o1"};
    plat::Frame frame{*this, "frame"};
    plat::OptionButton o2{*this, "o2"};
    plat::OptionButton o3{*this, "o3"};
    plat::CheckBox chk{*this, "chk"};
    plat::Label lbl{*this, "lbl"};

    int loads = 0;
    std::vector<std::string> log;
};

struct OtherForm : plat::Form {
    static constexpr const char* kName = "OtherForm";
    explicit OtherForm(plat::Desktop& d) : plat::Form(d, kName, plat::FormKind::MdiChild) {}
    void Form_Activate() override { ++activations; }
    int activations = 0;
};

struct TestDesktop : plat::Desktop {
    explicit TestDesktop(ScriptedServices& s) : plat::Desktop(s) {}
    template <class F>
    F& form() {
        return plat::Desktop::form<F>(*this);
    }
};
