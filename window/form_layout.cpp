#include "window/form_layout.h"

#include <array>

namespace roccalc::window {
namespace {

constexpr std::array kLabels{
    // Banner.
    LabelSpec{.name = "Label21",
              .text = "     CALCOLATORE   VARIABILI   DELLE  CURVE   ROC",
              .place = {600, 360, 12990, 555},
              .points = 24,
              .textColour = kDarkGrey,
              .autoSize = true},
    // Section 1.
    LabelSpec{.name = "Label22(0)",
              .text = "sezione 1",
              .place = {480, 2160, 1335, 375},
              .points = 12,
              .textColour = kDarkGrey},
    LabelSpec{.name = "Label1",
              .text = "p(FA) impostato %",
              .place = {240, 3480, 1530, 195},
              .points = 8.25,
              .autoSize = true},
    LabelSpec{.name = "Label3",
              .text = "  da  0.1 %    a   49 %",
              .place = {1320, 3840, 2130, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label8",
              .text = "dati calcolati",
              .place = {1200, 4920, 1350, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label9",
              .text = "p(FA) =",
              .place = {840, 5280, 765, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label10", .text = "q =", .place = {1080, 5640, 375, 255}, .points = 9.75},
    // Section 2, first box.
    LabelSpec{.name = "Label22(1)",
              .text = "sezione 2",
              .place = {4440, 2160, 1335, 375},
              .points = 12,
              .textColour = kDarkGrey},
    LabelSpec{.name = "Label2",
              .text = "p(D) impostato %",
              .place = {4200, 3960, 1440, 195},
              .points = 8.25,
              .autoSize = true},
    LabelSpec{.name = "Label4",
              .text = "per  p(D) > p(FA) ",
              .place = {5400, 4320, 1500, 195},
              .points = 8.25,
              .autoSize = true},
    LabelSpec{.name = "Label28",
              .text = "p(D) < 99.1 %",
              .place = {5760, 4560, 1170, 195},
              .points = 8.25,
              .autoSize = true},
    LabelSpec{.name = "Label12(0)",
              .text = "dati calcolati",
              .place = {5040, 5040, 1575, 255},
              .points = 9.75},
    LabelSpec{.name = "Label13",
              .text = "p(D) =",
              .place = {4800, 5400, 645, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label15",
              .text = "d = ",
              .place = {4920, 5760, 390, 240},
              .points = 9.75,
              .autoSize = true},
    // Section 2, second box.
    LabelSpec{.name = "Label24",
              .text = " (d) impostato",
              .place = {7680, 3960, 1170, 195},
              .points = 8.25,
              .autoSize = true},
    LabelSpec{.name = "Label25",
              .text = "per d < 40",
              .place = {8880, 4320, 1035, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label12(1)",
              .text = "dato calcolato",
              .place = {8280, 5040, 1575, 255},
              .points = 9.75},
    LabelSpec{.name = "Label26",
              .text = "p(D) =",
              .place = {8280, 5400, 645, 240},
              .points = 9.75,
              .autoSize = true},
    // Section 3.
    LabelSpec{.name = "Label22(3)",
              .text = "sezione 3",
              .place = {11760, 2197, 1170, 300},
              .points = 12,
              .textColour = kDarkGrey,
              .autoSize = true},
    LabelSpec{.name = "Label5",
              .text = "banda Hz",
              .place = {13320, 3480, 1005, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label6",
              .text = "RC   Sec.",
              .place = {13320, 4080, 975, 240},
              .points = 9.75,
              .autoSize = true},
    LabelSpec{.name = "Label17",
              .text = "S/N dB =",
              .place = {12000, 5220, 930, 240},
              .points = 9.75,
              .autoSize = true},
    // Corner caption.
    LabelSpec{.name = "Label23",
              .text = "Virel 2013",
              .place = {11880, 9840, 975, 255},
              .points = 8.25,
              .bold = false},
};

constexpr std::array kResultLabels{
    ResultLabelSpec{ResultLabel::Label19, {1920, 5280, 75, 240}, true},
    ResultLabelSpec{ResultLabel::Label11, {1560, 5640, 75, 240}, true},
    ResultLabelSpec{ResultLabel::Label14, {5760, 5400, 75, 240}, true},
    ResultLabelSpec{ResultLabel::Label16, {5520, 5760, 315, 240}, false},
    ResultLabelSpec{ResultLabel::Label27, {9240, 5393, 855, 255}, false},
    ResultLabelSpec{ResultLabel::Label20, {13200, 5153, 855, 375}, false},
};

constexpr std::array kTextBoxes{
    TextBoxSpec{TextBox::Text1, {2280, 3360, 735, 375}, "p(FA) impostato %", true},
    TextBoxSpec{TextBox::Text2, {6000, 3840, 735, 420}, "p(D) impostato %", true},
    TextBoxSpec{TextBox::Text5, {9000, 3840, 735, 420}, " (d) impostato", false},
    TextBoxSpec{TextBox::Text3, {12180, 3360, 735, 420}, "banda Hz", true},
    TextBoxSpec{TextBox::Text4, {12180, 3960, 735, 420}, "RC   Sec.", true},
};

constexpr std::array kButtons{
    ButtonSpec{Command::Command1, "calcolo var. ( q )", {2040, 2640, 1215, 495}},
    ButtonSpec{Command::Command2, "calcolo var.  (d)", {5760, 2640, 1215, 495}},
    ButtonSpec{Command::Command4, "calcolo var. p(D)", {8760, 2640, 1215, 495}},
    ButtonSpec{Command::Command3, "calcolo var.   s / n   ", {12000, 2640, 1215, 495}},
};

constexpr std::array kShapes{
    ShapeSpec{"Shape4(0)", {120, 2040, 3615, 4455}, true},
    ShapeSpec{"Shape4(1)", {4080, 2040, 6975, 4455}, true},
    ShapeSpec{"Shape4(2)", {11400, 2040, 3615, 4455}, true},
    ShapeSpec{"Shape1", {720, 4800, 2535, 1335}, false},
    ShapeSpec{"Shape2(0)", {4560, 4920, 2535, 1335}, false},
    ShapeSpec{"Shape2(1)", {8040, 4920, 2535, 1335}, false},
    ShapeSpec{"Shape3", {11880, 4800, 2535, 1335}, false},
};

}  // namespace

std::span<const LabelSpec> labelSpecs() {
    return kLabels;
}
std::span<const ResultLabelSpec> resultLabelSpecs() {
    return kResultLabels;
}
std::span<const TextBoxSpec> textBoxSpecs() {
    return kTextBoxes;
}
std::span<const ButtonSpec> buttonSpecs() {
    return kButtons;
}
std::span<const ShapeSpec> shapeSpecs() {
    return kShapes;
}

}  // namespace roccalc::window
