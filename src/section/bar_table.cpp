#include "section/bar_table.h"

#include "conditions/design_choices.h"

// "D25,D29" keeps 5.745, not the exact mean 5.7455, so that it sits on the large-bar threshold.
const std::array<BarSize, 21> kBarSizes = {{
    {"D10", 0.7133f, 3.0f, 5.0f},
    {"D10,D13", 0.99015f, 3.5f, 6.5f},
    {"D13", 1.267f, 4.0f, 6.5f},
    {"D13,D16", 1.6265f, 4.5f, 8.0f},
    {"D16", 1.986f, 5.0f, 8.0f},
    {"D16,D19", 2.4255f, 5.5f, 9.5f},
    {"D19", 2.865f, 6.0f, 9.5f},
    {"D19,D22", 3.368f, 6.5f, 11.0f},
    {"D22", 3.871f, 7.0f, 11.0f},
    {"D22,D25", 4.469f, 7.5f, 12.5f},
    {"D25", 5.067f, 8.0f, 12.5f},
    {"D25,D29", 5.745f, 8.5f, 14.5f},
    {"D29", 6.424f, 9.0f, 14.5f},
    {"D29,D32", 7.183f, 9.5f, 16.0f},
    {"D32", 7.942f, 10.0f, 16.0f},
    {"D32,D35", 8.754f, 10.5f, 17.5f},
    {"D35", 9.566f, 11.0f, 17.5f},
    {"D35,D38", 10.483f, 11.5f, 19.0f},
    {"D38", 11.4f, 12.0f, 19.0f},
    {"D38,D41", 12.4f, 12.5f, 20.5f},
    {"D41", 13.4f, 13.0f, 20.5f},
}};

void LargeBarRebarAllow(Program& program, float barArea) {
    constexpr float kLargeBarArea = 5.745f;  // cm2
    constexpr float kLargeBarAllow = 195;    // N/mm2
    const DesignChoices choices = designChoices(program);
    if (!choices.building() || !choices.normal()) return;
    program.rebarAllow = barArea >= kLargeBarArea ? kLargeBarAllow : program.rebarAllowLong;
}
