#include "project/project_file.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "common/cp932.h"
#include "common/numbers.h"
#include "platform/controls.h"
#include "project/file_system.h"
#include "section/calculation_faults.h"

namespace project {

namespace {

// The bytes are well-formed UTF-8: no stray or missing continuation byte, no overlong
// form, no surrogate, nothing above U+10FFFF.
bool validUtf8(std::string_view s) {
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t len;
        char32_t min;
        if (c < 0x80) {
            ++i;
            continue;
        } else if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            min = 0x80;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            min = 0x800;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            min = 0x10000;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        char32_t cp = c & (0x7F >> len);
        for (size_t k = 1; k < len; ++k) {
            const unsigned char next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += len;
    }
    return true;
}

std::vector<LineSource> buildTable() {
    std::vector<LineSource> t;
    auto add = [&t](const std::string& form, const std::string& control, Kind kind) {
        t.push_back(LineSource{static_cast<int>(t.size()) + 1, form, control, kind});
    };
    auto numbered = [&add](const std::string& form, const std::string& prefix, const std::vector<int>& numbers,
                           Kind kind) {
        for (int n : numbers) add(form, prefix + std::to_string(n), kind);
    };
    auto range = [](int first, int last) {
        std::vector<int> v;
        for (int n = first; n <= last; ++n) v.push_back(n);
        return v;
    };

    // Design conditions (the screen has no txt7).
    add("Form3", "opt_T", Kind::Option);
    add("Form3", "opt_D", Kind::Option);
    numbered("Form3", "txt", {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}, Kind::Text);
    add("Form3", "cbo1", Kind::Text);
    add("Form3", "cbo2", Kind::Text);
    numbered("Form3", "opt", range(1, 8), Kind::Option);
    // Ground shape.
    add("Form23", "opt1", Kind::Option);
    add("Form23", "opt2", Kind::Option);
    // Dimensions (no txt11), switches, the judgement panel's captions.
    numbered("Form4", "txt", range(1, 10), Kind::Text);
    numbered("Form4", "txt", range(12, 23), Kind::Text);
    numbered("Form4", "opt", range(1, 6), Kind::Option);
    numbered("Form4", "lbl", {46, 47, 48, 52, 53, 54, 56, 57, 58, 59, 60, 61, 62, 64, 65, 66, 67, 68, 69, 70},
             Kind::Text);
    add("Form4", "lbl33", Kind::Text);
    add("Form4", "chk1", Kind::Check);
    // Shear key of the building standard.
    numbered("Form19", "txt", range(1, 3), Kind::Text);
    add("Form19", "chk1", Kind::Check);
    // Seismic coefficients.
    add("Form25", "opt_K1", Kind::Option);
    add("Form25", "opt_K2", Kind::Option);
    add("Form25", "opt_D1", Kind::Option);
    add("Form25", "Text1", Kind::Text);
    add("Form25", "Text2", Kind::Text);
    add("Form25", "opt_A", Kind::Option);
    add("Form25", "opt_B", Kind::Option);
    add("Form25", "opt_C", Kind::Option);
    // Check methods, normal and seismic case.
    numbered("Form14", "opt", range(1, 6), Kind::Option);
    numbered("Form21", "opt", range(1, 10), Kind::Option);
    add("Form21", "chk1", Kind::Check);
    add("Form21", "txt1", Kind::Text);
    add("Form21", "lbl2", Kind::Text);
    add("Form21", "lbl3", Kind::Text);
    // Rebar covers (the dialog has no txt2).
    numbered("Form22", "txt", {1, 3, 4, 5, 6}, Kind::Text);
    // Section screen.
    add("Form7", "chk_1", Kind::Check);
    add("Form7", "txt_1", Kind::Text);
    add("Form7", "opt1", Kind::Option);
    add("Form7", "opt2", Kind::Option);
    add("Form7", "txt_ka", Kind::Text);
    for (int r : kLocations)
        for (Column c : {Column::BarArea, Column::BarPerimeter, Column::RebarCover, Column::EffectiveCover}) {
            t.push_back(LineSource{static_cast<int>(t.size()) + 1, "", "", Kind::Single, r, c});
        }
    const std::vector<int> locations(kLocations.begin(), kLocations.end());
    numbered("Form7", "cbo", locations, Kind::ListPosition);
    numbered("Form7", "lbl_r", locations, Kind::Text);
    for (const char* name : {"lbl_ra", "lbl_rb", "lbl_re", "lbl_rf", "lbl_rg", "lbl_rh", "lbl_ri", "lbl_rj"})
        add("Form7", name, Kind::Text);
    numbered("Form7", "txt", locations, Kind::Text);
    numbered("Form7", "lbl", range(1, 8), Kind::Text);
    numbered("Form7", "lbl", range(17, 40), Kind::Text);
    // How δ of the stability calculation came about.
    add("", "", Kind::Variant);
    // The road-standard shear key, after the lines of the earlier form.
    numbered("Form26", "txt", range(1, 3), Kind::Text);
    return t;
}

PerLocation<float>& perLocation(Program& program, Column column) {
    switch (column) {
        case Column::BarArea: return program.barArea;
        case Column::BarPerimeter: return program.barPerimeter;
        case Column::RebarCover: return program.rebarCover;
        case Column::EffectiveCover: return program.effectiveCover;
    }
    return program.barArea;
}

plat::Control& target(Program& program, const LineSource& line) {
    return program.controlByName(line.form, line.control);
}

std::string textOf(const plat::Control& c) {
    switch (c.kind()) {
        case plat::ControlKind::TextBox: return static_cast<const plat::TextBox&>(c).text();
        case plat::ControlKind::Label: return static_cast<const plat::Label&>(c).caption();
        case plat::ControlKind::ComboBox: return static_cast<const plat::ComboBox&>(c).text();
        default: throw std::logic_error("no text: " + c.name());
    }
}

void setTextOf(plat::Control& c, const std::string& text) {
    switch (c.kind()) {
        case plat::ControlKind::TextBox: static_cast<plat::TextBox&>(c).setText(text); break;
        case plat::ControlKind::Label: static_cast<plat::Label&>(c).setCaption(text); break;
        case plat::ControlKind::ComboBox: static_cast<plat::ComboBox&>(c).setText(text); break;
        default: throw std::logic_error("no text: " + c.name());
    }
}

template <class C>
C& as(plat::Control& c, plat::ControlKind kind) {
    if (c.kind() != kind) throw std::logic_error("unexpected control kind: " + c.name());
    return static_cast<C&>(c);
}

std::string trimmed(const std::string& text) {
    size_t b = text.find_first_not_of(" \t");
    if (b == std::string::npos) return "";
    size_t e = text.find_last_not_of(" \t");
    return text.substr(b, e - b + 1);
}

// A 16-bit integer as the line converts to it (halves to the even neighbour).
std::optional<int> integer16(const std::string& text) {
    std::optional<double> v = wholeNumber(text);
    if (!v) return std::nullopt;
    double r = std::nearbyint(*v);
    if (r < -32768 || r > 32767) return std::nullopt;
    return static_cast<int>(r);
}

std::optional<bool> truth(const std::string& text) {
    std::string t = trimmed(text);
    std::string lower;
    for (char ch : t) lower += static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (std::optional<double> v = wholeNumber(t)) return *v != 0;
    return std::nullopt;
}

}  // namespace

const std::vector<LineSource>& lines() {
    static const std::vector<LineSource> table = buildTable();
    return table;
}

std::optional<double> wholeNumber(const std::string& text) {
    const std::string t = trimmed(text);
    size_t i = 0;
    auto digits = [&] {
        size_t start = i;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
        return i - start;
    };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t mantissa = digits();
    if (i < t.size() && t[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (digits() == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    return num::parse(t);
}

std::string lineText(Program& program, const LineSource& line) {
    switch (line.kind) {
        case Kind::Option:
            return as<plat::OptionButton>(target(program, line), plat::ControlKind::OptionButton).value() ? "True"
                                                                                                           : "False";
        case Kind::Check:
            return num::integerForm(as<plat::CheckBox>(target(program, line), plat::ControlKind::CheckBox).value());
        case Kind::Text: return textOf(target(program, line));
        case Kind::Single: return num::singleForm(perLocation(program, line.column)[line.location]);
        case Kind::ListPosition:
            return num::integerForm(as<plat::ComboBox>(target(program, line), plat::ControlKind::ComboBox).listIndex());
        case Kind::Variant: return program.deltaComputed ? num::integerForm(*program.deltaComputed) : "";
    }
    return "";
}

std::vector<std::string> collect(Program& program) {
    std::vector<std::string> texts;
    texts.reserve(kLineCount);
    for (const LineSource& line : lines()) texts.push_back(lineText(program, line));
    return texts;
}

// The mark that opens a line written in UTF-8. No CP932 text begins with the byte EF
// (that lead byte has no characters), so a line of the code page can never be taken
// for one in UTF-8, nor the other way round.
static constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

static std::string encodeLine(const std::string& text) {
    if (std::optional<std::string> exact = cp932::encodeExactly(text)) return *exact;
    // A character the code page cannot hold (a name pasted from elsewhere) would become
    // "?" for good. Such a line is kept in UTF-8 behind the mark instead, so the project
    // keeps what was typed.
    std::string bytes(kUtf8Mark);
    for (char c : text)
        if (c != '\r' && c != '\n') bytes += c;
    return bytes;
}

// Well-formed UTF-8 as it stands; each byte that breaks it becomes "?".
static std::string utf8Text(std::string_view bytes) {
    if (validUtf8(bytes)) return std::string(bytes);
    std::string text;
    for (size_t i = 0; i < bytes.size();) {
        size_t len = 1;
        while (len <= 4 && i + len <= bytes.size() && !validUtf8(bytes.substr(i, len))) ++len;
        if (len <= 4 && i + len <= bytes.size()) {
            text += bytes.substr(i, len);
            i += len;
        } else {
            text += '?';
            ++i;
        }
    }
    return text;
}

static std::string decodeLine(std::string_view line) {
    // A value never holds a line break, and the writer drops any; a stray CR inside a
    // line is dropped here too, so that what is read is what the next save writes.
    std::string kept;
    for (char c : line)
        if (c != '\r') kept += c;
    const std::string_view bytes = kept;
    if (bytes.starts_with(kUtf8Mark)) return utf8Text(bytes.substr(kUtf8Mark.size()));
    // Every other line is CP932, as the earlier program wrote all of them. Only a line
    // that is no CP932 at all but whole UTF-8 (kept so before lines in UTF-8 carried the
    // mark) reads as UTF-8; the code page never loses a text to this.
    if (std::optional<std::string> text = cp932::decodeExactly(bytes)) return *text;
    if (validUtf8(bytes)) return std::string(bytes);
    return cp932::decode(bytes);
}

std::string encode(const std::vector<std::string>& texts) {
    std::string bytes;
    for (const std::string& text : texts) {
        bytes += encodeLine(text);
        bytes += "\r\n";
    }
    return bytes;
}

bool write(Program& program, const std::string& path) {
    if (path.empty()) return false;
    // Reading a screen that was never opened creates it; that must not move the current screen.
    const int screen = program.currentScreen;
    std::string bytes;
    try {
        bytes = encode(collect(program));
    } catch (const num::CalcFault&) {
        program.currentScreen = screen;
        return false;
    } catch (const cp932::Unavailable&) {
        program.currentScreen = screen;
        return false;
    }
    program.currentScreen = screen;
    return replaceFile(path, bytes);
}

ReadResult parse(const std::string& bytes) {
    ReadResult result;
    result.error = ReadError::NotAProject;
    if (bytes.find('\0') != std::string::npos) return result;
    std::vector<std::string> texts;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        std::string_view line =
            std::string_view(bytes).substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // Past the last line only empty lines may follow (an editor's extra line end);
        // anything else is no project, and the rest need not be split.
        if (texts.size() >= static_cast<size_t>(kLineCount)) {
            if (!line.empty()) return result;
        } else {
            texts.push_back(decodeLine(line));
        }
        if (end == std::string::npos) break;
        start = end + 1;
    }
    // A file of the earlier form with an empty line or two more: those are no lines of
    // the road-standard key dialog.
    if (texts.size() > static_cast<size_t>(kEarlierLineCount) && texts.size() < static_cast<size_t>(kLineCount) &&
        std::all_of(texts.begin() + kEarlierLineCount, texts.end(), [](const std::string& t) { return t.empty(); }))
        texts.resize(kEarlierLineCount);
    if (texts.size() != static_cast<size_t>(kEarlierLineCount) && texts.size() != static_cast<size_t>(kLineCount))
        return result;
    // The program writes options as truth words and check boxes as numbers; a file with
    // anything else there was not written by it.
    for (size_t i = 0; i < texts.size(); ++i) {
        const LineSource& line = lines()[i];
        if (line.kind == Kind::Option && !truth(texts[i])) return result;
        if (line.kind == Kind::Check && !wholeNumber(texts[i])) return result;
    }
    result.texts = std::move(texts);
    result.error = ReadError::None;
    return result;
}

ReadResult read(const std::string& path) {
    ReadResult result;
    FileBytes file = readRegularFile(path, kMaxFileBytes);
    switch (file.status) {
        case ReadStatus::Ok: return parse(file.bytes);
        case ReadStatus::Unreadable: result.error = ReadError::Unreadable; return result;
        case ReadStatus::TooLarge: result.error = ReadError::NotAProject; return result;
    }
    result.error = ReadError::Unreadable;
    return result;
}

bool apply(Program& program, const LineSource& line, const std::string& text) {
    switch (line.kind) {
        case Kind::Option: {
            std::optional<bool> v = truth(text);
            if (!v) return false;
            as<plat::OptionButton>(target(program, line), plat::ControlKind::OptionButton).setValue(*v);
            return true;
        }
        case Kind::Check: {
            std::optional<int> v = integer16(text);
            if (!v || *v < 0 || *v > 1) return false;
            as<plat::CheckBox>(target(program, line), plat::ControlKind::CheckBox).setValue(*v);
            return true;
        }
        case Kind::Text: setTextOf(target(program, line), text); return true;
        case Kind::Single: {
            std::optional<double> v = wholeNumber(text);
            if (!v) return false;
            float value;
            try {
                value = num::store(*v);
            } catch (const num::CalcFault&) {
                return false;
            }
            perLocation(program, line.column)[line.location] = value;
            return true;
        }
        case Kind::ListPosition: {
            std::optional<int> v = integer16(text);
            if (!v || *v < -1 || *v > 20) return false;
            as<plat::ComboBox>(target(program, line), plat::ControlKind::ComboBox).setListIndex(*v);
            return true;
        }
        case Kind::Variant: {
            // Anything but 0 or 1 says nothing about this project: unset, as a new one starts.
            std::optional<double> v = wholeNumber(text);
            if (v && (*v == 0 || *v == 1)) {
                program.deltaComputed = static_cast<int>(*v);
                return true;
            }
            program.deltaComputed.reset();
            return trimmed(text).empty();
        }
    }
    return false;
}

void applyRange(Program& program, const std::vector<std::string>& texts, int first, int last) {
    for (int n = first; n <= last && n <= static_cast<int>(texts.size()); ++n) {
        // A handler's calculation fault ends that line only; the next line goes on.
        calculationCompletes([&] { apply(program, lines()[n - 1], texts[n - 1]); });
    }
}

}  // namespace project
