#pragma once

#include <optional>
#include <span>

#include "detection/form1.h"

namespace roccalc::window {

// A rectangle in twips (1/1440 inch) from the top left of the client area.
struct Twips {
    int left;
    int top;
    int width;
    int height;
};

// A label that only decorates: its text never changes.
struct LabelSpec {
    const char* name;
    const char* text;
    Twips place;
    double points;
    bool bold = true;
    std::optional<Colour> textColour = std::nullopt;  // the toolkit's default when unset
    bool autoSize = false;                            // takes the size of its text
};

// A result label, 9.75 points bold; its name comes from the field table.
struct ResultLabelSpec {
    ResultLabel label;
    Twips place;
    bool autoSize;
};

struct TextBoxSpec {
    TextBox box;
    Twips place;
    const char* hint;  // the label that names the box, its accessible name
    bool filtered;     // takes only the characters of a plain decimal number
};

struct ButtonSpec {
    Command command;
    const char* caption;
    Twips place;
};

struct ShapeSpec {
    const char* name;
    Twips place;
    bool rounded;  // the section frames: rounded, 3 wide, dark grey
};

inline constexpr double kResultPoints = 9.75;
inline constexpr double kButtonPoints = 8.25;
inline constexpr double kTextBoxPoints = 9.75;
inline constexpr Twips kPicturePlace{12960, 8880, 2175, 1215};
inline constexpr Twips kRestoredClientArea{0, 0, 4680, 3195};

std::span<const LabelSpec> labelSpecs();
std::span<const ResultLabelSpec> resultLabelSpecs();
std::span<const TextBoxSpec> textBoxSpecs();
std::span<const ButtonSpec> buttonSpecs();
std::span<const ShapeSpec> shapeSpecs();

}  // namespace roccalc::window
