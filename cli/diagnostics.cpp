#include "cli/diagnostics.h"

#include <QLocale>
#include <QString>
#include <cstdio>

#include "text/number_reader.h"

namespace roccalc::cli {
namespace {

constexpr std::size_t kShownCharacters = 80;

// The length of the UTF-8 sequence at text[i], or 0 when none starts there.
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) {
        return 0;
    }
    char32_t code = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < least || code > 0x10FFFF || surrogate ? 0 : length;
}

void appendEscaped(std::string& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    switch (c) {
        case '\r':
            out += "\\r";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\t':
            out += "\\t";
            return;
        case '\0':
            out += "\\0";
            return;
        default:
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
    }
}

}  // namespace

void printDiagnostic(std::string_view message) {
    std::string line = "roccalc-cli: ";
    line += message;
    line += '\n';
    std::fwrite(line.data(), 1, line.size(), stderr);
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    std::size_t shown = 0;
    std::size_t i = 0;
    while (i < text.size() && shown < kShownCharacters) {
        const std::size_t length = utf8Length(text, i);
        const auto c = static_cast<unsigned char>(text[i]);
        if (length == 0 || c < 0x20 || c == 0x7F || c == '\\' || c == '"') {
            if (c == '\\' || c == '"') {
                out += '\\';
                out += static_cast<char>(c);
            } else {
                appendEscaped(out, c);
            }
            i += 1;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
        ++shown;
    }
    out += '"';
    if (i < text.size()) {
        out += "…";
    }
    return out;
}

bool warnIfPartlyRead(std::string_view where, std::string_view text) {
    if (readsEntirely(text)) {
        return false;
    }
    const QString value = QString::number(readNumber(text), 'g', QLocale::FloatingPointShortest);
    printDiagnostic(std::string(where) + ' ' + quoted(text) + " reads as " + value.toStdString());
    return true;
}

}  // namespace roccalc::cli
