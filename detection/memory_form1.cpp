#include "detection/memory_form1.h"

namespace roccalc {

MemoryForm1::MemoryForm1() {
    colours_.fill(kGreen);
}

std::string MemoryForm1::text(TextBox box) const {
    return texts_[slot(box)];
}

void MemoryForm1::setText(TextBox box, std::string_view text) {
    texts_[slot(box)] = text;
}

std::string MemoryForm1::caption(ResultLabel label) const {
    return captions_[slot(label)];
}

void MemoryForm1::setCaption(ResultLabel label, std::string_view caption) {
    captions_[slot(label)] = caption;
}

Colour MemoryForm1::backColor(FlagButton button) const {
    return colours_[slot(button)];
}

void MemoryForm1::setBackColor(FlagButton button, Colour colour) {
    colours_[slot(button)] = colour;
}

}  // namespace roccalc
