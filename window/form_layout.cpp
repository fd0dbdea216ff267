#include "form_layout.h"

#include <array>

namespace roccalc::window {
namespace {

constexpr std::optional<Colour> kPlain = std::nullopt;

constexpr std::array kLabels{
    // Banner.
    LabelSpec{"Label21",
              "     CALCOLATORE   VARIABILI   DELLE  CURVE   ROC",
              {600, 360, 12990, 555},
              24,
              true,
              kDarkGrey,
              true,
              std::nullopt},
    // Section 1.
    LabelSpec{"Label22(0)",
              "sezione 1",
              {480, 2160, 1335, 375},
              12,
              true,
              kDarkGrey,
              false,
              std::nullopt},
    LabelSpec{"Label1",
              "p(FA) impostato %",
              {240, 3480, 1530, 195},
              8.25,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label3",
              "  da  0.1 %    a   49 %",
              {1320, 3840, 2130, 240},
              9.75,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label8",
              "dati calcolati",
              {1200, 4920, 1350, 240},
              9.75,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label9", "p(FA) =", {840, 5280, 765, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{"Label19", "", {1920, 5280, 75, 240}, 9.75, true, kPlain, true, ResultLabel::Label19},
    LabelSpec{"Label10", "q =", {1080, 5640, 375, 255}, 9.75, true, kPlain, false, std::nullopt},
    LabelSpec{"Label11", "", {1560, 5640, 75, 240}, 9.75, true, kPlain, true, ResultLabel::Label11},
    // Section 2, first box.
    LabelSpec{"Label22(1)",
              "sezione 2",
              {4440, 2160, 1335, 375},
              12,
              true,
              kDarkGrey,
              false,
              std::nullopt},
    LabelSpec{"Label2",
              "p(D) impostato %",
              {4200, 3960, 1440, 195},
              8.25,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label4",
              "per  p(D) > p(FA) ",
              {5400, 4320, 1500, 195},
              8.25,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label28",
              "p(D) < 99.1 %",
              {5760, 4560, 1170, 195},
              8.25,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{"Label12(0)",
              "dati calcolati",
              {5040, 5040, 1575, 255},
              9.75,
              true,
              kPlain,
              false,
              std::nullopt},
    LabelSpec{"Label13", "p(D) =", {4800, 5400, 645, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{"Label14", "", {5760, 5400, 75, 240}, 9.75, true, kPlain, true, ResultLabel::Label14},
    LabelSpec{"Label15", "d = ", {4920, 5760, 390, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{
        "Label16", "", {5520, 5760, 315, 240}, 9.75, true, kPlain, false, ResultLabel::Label16},
    // Section 2, second box.
    LabelSpec{"Label24",
              " (d) impostato",
              {7680, 3960, 1170, 195},
              8.25,
              true,
              kPlain,
              true,
              std::nullopt},
    LabelSpec{
        "Label25", "per d < 40", {8880, 4320, 1035, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{"Label12(1)",
              "dato calcolato",
              {8280, 5040, 1575, 255},
              9.75,
              true,
              kPlain,
              false,
              std::nullopt},
    LabelSpec{"Label26", "p(D) =", {8280, 5400, 645, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{
        "Label27", "", {9240, 5393, 855, 255}, 9.75, true, kPlain, false, ResultLabel::Label27},
    // Section 3.
    LabelSpec{"Label22(3)",
              "sezione 3",
              {11760, 2197, 1170, 300},
              12,
              true,
              kDarkGrey,
              true,
              std::nullopt},
    LabelSpec{
        "Label5", "banda Hz", {13320, 3480, 1005, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{
        "Label6", "RC   Sec.", {13320, 4080, 975, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{
        "Label17", "S/N dB =", {12000, 5220, 930, 240}, 9.75, true, kPlain, true, std::nullopt},
    LabelSpec{
        "Label20", "", {13200, 5153, 855, 375}, 9.75, true, kPlain, false, ResultLabel::Label20},
    // Corner caption.
    LabelSpec{
        "Label23", "Virel 2013", {11880, 9840, 975, 255}, 8.25, false, kPlain, false, std::nullopt},
};

constexpr std::array kTextBoxes{
    TextBoxSpec{"Text1", TextBox::Text1, {2280, 3360, 735, 375}, "p(FA) impostato %", true},
    TextBoxSpec{"Text2", TextBox::Text2, {6000, 3840, 735, 420}, "p(D) impostato %", true},
    TextBoxSpec{"Text5", TextBox::Text5, {9000, 3840, 735, 420}, " (d) impostato", false},
    TextBoxSpec{"Text3", TextBox::Text3, {12180, 3360, 735, 420}, "banda Hz", true},
    TextBoxSpec{"Text4", TextBox::Text4, {12180, 3960, 735, 420}, "RC   Sec.", true},
};

constexpr std::array kButtons{
    ButtonSpec{"Command1", "calcolo var. ( q )", {2040, 2640, 1215, 495}, FlagButton::Command1},
    ButtonSpec{"Command2", "calcolo var.  (d)", {5760, 2640, 1215, 495}, FlagButton::Command2},
    ButtonSpec{"Command4", "calcolo var. p(D)", {8760, 2640, 1215, 495}, FlagButton::Command4},
    ButtonSpec{"Command3", "calcolo var.   s / n   ", {12000, 2640, 1215, 495}, std::nullopt},
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
