#include <gtest/gtest.h>

#include <set>
#include <string>

#include "detection/form1_fields.h"
#include "detection/memory_form1.h"
#include "detection/session.h"

namespace roccalc {
namespace {

TEST(Form1FieldsTest, NamesAndKeysAreUniqueAndLookUpBack) {
    std::set<std::string_view> names;
    std::set<std::string_view> keys;
    for (const TextBoxField& row : kTextBoxFields) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_EQ(textBoxNamed(row.name), row.box);
        EXPECT_EQ(textBoxWithKey(row.key), row.box);
    }
    for (const CommandField& row : kCommandFields) {
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        EXPECT_EQ(commandNamed(row.name), row.command);
        EXPECT_EQ(commandOf(row.calculation), row.command);
    }
    EXPECT_EQ(textBoxNamed("Text6"), std::nullopt);
    EXPECT_EQ(textBoxNamed("Text1 "), std::nullopt);
    EXPECT_EQ(commandNamed("command1"), std::nullopt);
}

TEST(Form1FieldsTest, BoxesInWindowOrderFollowTheSections) {
    EXPECT_EQ(kTextBoxesInWindowOrder, (std::array{TextBox::Text1, TextBox::Text2, TextBox::Text5,
                                                   TextBox::Text3, TextBox::Text4}));
}

// A calculation runs only with all its boxes: section 3 needs both B and RC.
TEST(SessionTest, RunsOnlyCalculationsWithAllTheirTexts) {
    SessionTexts texts;
    texts[TextBox::Text3] = std::string("1");  // a char* here trips GCC 12's -Wrestrict
    EXPECT_FALSE(texts.runs(Calculation::Section3));
    texts[TextBox::Text4] = std::string("1");
    EXPECT_TRUE(texts.runs(Calculation::Section3));
    EXPECT_FALSE(texts.runs(Calculation::Section1));

    MemoryForm1 form;
    Calculator calculator(form);
    runSession(texts, form, calculator);
    EXPECT_EQ(form.caption(ResultLabel::Label20), "-50.");  // d still 0
    EXPECT_EQ(form.caption(ResultLabel::Label11), "");
}

// The driver gives the long calculations their tick, so each press ends
// with its button green again and its result shown.
TEST(SessionTest, PressRunsTheClickAndItsTick) {
    MemoryForm1 form;
    Calculator calculator(form);
    form.setText(TextBox::Text1, "1");
    press(calculator, Command::Command1);
    form.setText(TextBox::Text2, "90");
    press(calculator, Command::Command2);
    EXPECT_EQ(form.backColor(FlagButton::Command2), kGreen);
    EXPECT_EQ(form.caption(ResultLabel::Label16), "13.0312");
    form.setText(TextBox::Text5, "13.0312");
    press(calculator, Command::Command4);
    EXPECT_EQ(form.backColor(FlagButton::Command4), kGreen);
    EXPECT_EQ(form.caption(ResultLabel::Label27), "   89.97");
}

}  // namespace
}  // namespace roccalc
