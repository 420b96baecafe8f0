#include <gtest/gtest.h>

#include "platform/controls.h"
#include "support/test_form.h"

namespace {

struct BarForm : plat::Form {
    explicit BarForm(plat::Desktop& d) : plat::Form(d, "BarForm", plat::FormKind::MdiChild) {
        bar.Change = [this] { changes.push_back(bar.value()); };
    }
    plat::ScrollBar bar{*this, "bar", plat::ScrollBar::Orientation::Horizontal};
    std::vector<int> changes;
};

TEST(ScrollBarTest, ValueStaysInRangeAndChangeRunsOnRealChangesOnly) {
    ScriptedServices svc;
    plat::Desktop desktop(svc);
    BarForm f(desktop);
    f.bar.setMax(100);
    f.bar.setValue(40);
    f.bar.setValue(40);
    f.bar.userScroll(500);
    f.bar.setValue(-3);
    EXPECT_EQ(f.changes, (std::vector<int>{40, 100, 0}));
    f.bar.setValue(90);
    f.bar.setMax(50);  // a smaller range pulls the value back
    EXPECT_EQ(f.bar.value(), 50);
    EXPECT_EQ(f.changes.back(), 50);
    f.bar.setMax(40000);
    EXPECT_EQ(f.bar.max(), 32767);
    f.bar.setLargeChange(0);
    f.bar.setSmallChange(-5);
    EXPECT_EQ(f.bar.largeChange(), 1);
    EXPECT_EQ(f.bar.smallChange(), 1);
}

}  // namespace
