#include "detection/form1_fields.h"

namespace roccalc {
namespace {

template <typename Enum, typename Row, std::size_t N, typename Key>
std::optional<Enum> find(const std::array<Row, N>& rows, Key Row::*key, std::string_view value) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rows[i].*key == value) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TextBox> textBoxNamed(std::string_view name) {
    return find<TextBox>(kTextBoxFields, &TextBoxField::name, name);
}

std::optional<Command> commandNamed(std::string_view name) {
    return find<Command>(kCommandFields, &CommandField::name, name);
}

std::optional<TextBox> textBoxWithKey(std::string_view key) {
    return find<TextBox>(kTextBoxFields, &TextBoxField::key, key);
}

}  // namespace roccalc
