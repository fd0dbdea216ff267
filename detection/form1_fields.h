#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace roccalc {

// The window's four calculations, each started by one button.
enum class Calculation { Section1, IndexSearch, SetIndex, Section3 };

enum class TextBox { Text1, Text2, Text3, Text4, Text5 };
enum class ResultLabel { Label19, Label11, Label14, Label16, Label27, Label20 };
enum class Command { Command1, Command2, Command3, Command4 };
// The buttons whose colour is a request flag; Command3 never changes colour.
enum class FlagButton { Command1, Command2, Command4 };

struct TextBoxField {
    TextBox box;
    std::string_view name;    // the control's name, as in a replay
    Calculation calculation;  // the calculation that reads it
    std::string_view key;     // command-line option and batch column
    std::string_view help;    // what the box holds, for usage texts
};

struct ResultLabelField {
    ResultLabel label;
    std::string_view name;
    Calculation calculation;  // the calculation that writes it
    std::string_view title;   // the caption's line title on the command line
    std::string_view column;  // batch column
};

struct CommandField {
    Command command;
    std::string_view name;
    Calculation calculation;
};

// A button whose colour is a request flag: the click only asks.
struct FlagButtonField {
    FlagButton button;
    Command command;
};

// One row per field, in the enum's order; every door (window, command line,
// tests) takes names and groupings from here.
inline constexpr std::array kTextBoxFields{
    TextBoxField{TextBox::Text1, "Text1", Calculation::Section1, "pfa",
                 "Section 1: p(FA) set, in percent (Text1)."},
    TextBoxField{TextBox::Text2, "Text2", Calculation::IndexSearch, "pd",
                 "Section 2: p(D) set, in percent (Text2)."},
    TextBoxField{TextBox::Text3, "Text3", Calculation::Section3, "band",
                 "Section 3: bandwidth in Hz (Text3); needs --rc."},
    TextBoxField{TextBox::Text4, "Text4", Calculation::Section3, "rc",
                 "Section 3: RC time in seconds (Text4); needs --band."},
    TextBoxField{TextBox::Text5, "Text5", Calculation::SetIndex, "d",
                 "Section 2, second box: d set (Text5)."},
};

inline constexpr std::array kResultLabelFields{
    ResultLabelField{ResultLabel::Label19, "Label19", Calculation::Section1,
                     "p(FA) =", "pfa_reached"},
    ResultLabelField{ResultLabel::Label11, "Label11", Calculation::Section1, "q =", "q"},
    ResultLabelField{ResultLabel::Label14, "Label14", Calculation::IndexSearch,
                     "p(D) =", "pd_reached"},
    ResultLabelField{ResultLabel::Label16, "Label16", Calculation::IndexSearch, "d =", "d_found"},
    ResultLabelField{ResultLabel::Label27, "Label27", Calculation::SetIndex,
                     "p(D) for the set d =", "pd_for_d"},
    ResultLabelField{ResultLabel::Label20, "Label20", Calculation::Section3, "S/N dB =", "snr_db"},
};

inline constexpr std::array kCommandFields{
    CommandField{Command::Command1, "Command1", Calculation::Section1},
    CommandField{Command::Command2, "Command2", Calculation::IndexSearch},
    CommandField{Command::Command3, "Command3", Calculation::Section3},
    CommandField{Command::Command4, "Command4", Calculation::SetIndex},
};

inline constexpr std::array kFlagButtonFields{
    FlagButtonField{FlagButton::Command1, Command::Command1},
    FlagButtonField{FlagButton::Command2, Command::Command2},
    FlagButtonField{FlagButton::Command4, Command::Command4},
};

// The calculations in the order the window's sections run them.
inline constexpr std::array kCalculationsInWindowOrder{
    Calculation::Section1, Calculation::IndexSearch, Calculation::SetIndex, Calculation::Section3};

// The boxes in the order of the calculations that read them (the order of
// the command line's options and batch columns).
inline constexpr std::array<TextBox, kTextBoxFields.size()> kTextBoxesInWindowOrder = [] {
    std::array<TextBox, kTextBoxFields.size()> boxes{};
    std::size_t next = 0;
    for (const Calculation calculation : kCalculationsInWindowOrder) {
        for (const TextBoxField& row : kTextBoxFields) {
            if (row.calculation == calculation) {
                boxes[next++] = row.box;
            }
        }
    }
    return boxes;
}();

inline constexpr int kTextBoxCount = static_cast<int>(kTextBoxFields.size());
inline constexpr int kResultLabelCount = static_cast<int>(kResultLabelFields.size());
inline constexpr int kFlagButtonCount = static_cast<int>(kFlagButtonFields.size());

// Slots of fields in arrays kept per enum.
template <typename Enum>
constexpr std::size_t slot(Enum e) {
    return static_cast<std::size_t>(e);
}

constexpr const TextBoxField& field(TextBox box) {
    return kTextBoxFields[slot(box)];
}
constexpr const ResultLabelField& field(ResultLabel label) {
    return kResultLabelFields[slot(label)];
}
constexpr const CommandField& field(Command command) {
    return kCommandFields[slot(command)];
}
constexpr const CommandField& field(FlagButton button) {
    return field(kFlagButtonFields[slot(button)].command);
}

// The button that starts a calculation.
constexpr Command commandOf(Calculation calculation) {
    for (const CommandField& row : kCommandFields) {
        if (row.calculation == calculation) {
            return row.command;
        }
    }
    return Command::Command1;  // unreachable: every calculation has a button
}

// A field by its name; no value for a name that is none.
std::optional<TextBox> textBoxNamed(std::string_view name);
std::optional<Command> commandNamed(std::string_view name);
std::optional<TextBox> textBoxWithKey(std::string_view key);

namespace fields_check {
template <typename Row, std::size_t N, typename Member>
constexpr bool inEnumOrder(const std::array<Row, N>& rows, Member member) {
    for (std::size_t i = 0; i < N; ++i) {
        if (slot(rows[i].*member) != i) {
            return false;
        }
    }
    return true;
}
static_assert(inEnumOrder(kTextBoxFields, &TextBoxField::box));
static_assert(inEnumOrder(kResultLabelFields, &ResultLabelField::label));
static_assert(inEnumOrder(kCommandFields, &CommandField::command));
static_assert(inEnumOrder(kFlagButtonFields, &FlagButtonField::button));
}  // namespace fields_check

}  // namespace roccalc
