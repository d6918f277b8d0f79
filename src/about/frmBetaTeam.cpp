#include "about/frmBetaTeam.h"

#include <vector>

namespace {

constexpr int kRowTwips = 390;
constexpr int kFirstRowTwips = 1320;

std::vector<ui::ControlSpec> Table() {
    static const char* const kNames[] = {"Mara Ellison", "Tobias Renn",   "Ines Halloway", "Pieter Vos",
                                         "Carla Dumont", "Otto Brandt",   "Lena Okafor",   "Sam Whitcombe",
                                         "Yuki Tanabe",  "Rafael Quintero"};
    static const char* const kBoxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5",
                                         "Text6", "Text7", "Text8", "Text9", "Text10"};
    std::vector<ui::ControlSpec> table = {
        {"Label1", ui::ControlKind::Label, nullptr, "Our Loyal Beta Teamsters", 240, 180, 4920, 300, 0, SS_CENTER},
        {"Label2", ui::ControlKind::Label, nullptr,
         "Thank you to everyone who ran Vantro before it was ready, told us what broke and waited for the fix. "
         "These ten found the most.",
         240, 600, 4920, 600, 1},
    };
    // Two columns of five names, read-only.
    for (int i = 0; i < 10; ++i)
        table.push_back({kBoxes[i], ui::ControlKind::TextBox, nullptr, kNames[i], 240 + (i / 5) * 2520,
                         kFirstRowTwips + (i % 5) * kRowTwips, 2400, 315, 2 + i, ES_READONLY});
    table.push_back({"Command1", ui::ControlKind::Button, nullptr, "&OK", 2040, kFirstRowTwips + 5 * kRowTwips + 120,
                     1320, 375, 12, 0, ui::Role::Default});
    return table;
}

}  // namespace

frmBetaTeam::frmBetaTeam()
    : Form({"VantroBetaTeam", "Top 10 of our Beta Team", 5550, 4470, ui::kDialogStyle,
            ui::kDialogExStyle},
           Table()) {
    Command1.Click = [this] { Command1_Click(); };
}
