#include "support/screen_input.h"

#include "conditions/conditions_screen.h"
#include "stability/dimension_screen.h"

namespace screen_input {

void typeDesignValues(Form3& c, const std::string& site, bool cohesion) {
    c.txt1.setText(site);
    c.txt2.setText("24");
    c.txt3.setText("200");
    c.txt4.setText("100");
    c.txt5.setText("18");
    c.txt6.setText("24");
    c.cbo1.setListIndex(2);
    c.txt8.setText("30");
    c.txt10.setText("20");
    c.txt12.setText("15");
    c.cbo2.setListIndex(2);
    (cohesion ? c.opt7 : c.opt8).userClick();
    c.txt14.setText(cohesion ? "10" : "0");
    c.opt5.userClick();
    c.txt11.setText("30");
    c.txt9.setText("0.5");
}

const Texts& commonWall() {
    static const Texts texts = {
        {"txt1", "3"},     {"txt2", "U-1"},   {"txt3", "0.5"},  {"txt4", "1.2"},   {"txt5", "2.5"},
        {"txt6", "0.3"},   {"txt7", "0.3"},   {"txt8", "0.1"},  {"txt9", "0.3"},   {"txt10", "0.1"},
        {"txt12", "0.5"},  {"txt13", "0.45"}, {"txt14", "2.0"}, {"txt15", "0.45"}, {"txt16", "0.6"},
        {"txt17", "0.4"},  {"txt18", "0.3"},  {"txt19", "0.3"}, {"txt20", "1.5"},  {"txt21", "10"},
        {"txt22", "5"},    {"txt23", "3"}};
    return texts;
}

void typeWall(Form4& d, const Texts& changes) {
    for (const Texts* texts : {&commonWall(), &changes})
        for (const auto& [name, text] : *texts) static_cast<plat::TextBox*>(d.control(name))->setText(text);
}

}  // namespace screen_input
