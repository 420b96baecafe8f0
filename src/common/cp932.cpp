#include "common/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "platform/utf8.h"

namespace cp932 {

namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw Unavailable("code page 932 is not available");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one unit; false when it cannot be represented.
    bool convert(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[16];
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1) || srcLeft != 0) return false;
        out.append(buf, dst - buf);
        return true;
    }

private:
    iconv_t cd_;
};

bool isLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

}  // namespace

namespace {

// The converted text, or none where a character had to be replaced.
std::optional<std::string> onlyIfExact(std::string (*convert)(std::string_view, bool&), std::string_view in) {
    bool exact = true;
    std::string out = convert(in, exact);
    if (!exact) return std::nullopt;
    return out;
}

// The CP932 bytes of utf8; a character CP932 cannot hold becomes "?" and clears exact.
std::string encodeWith(std::string_view utf8, bool& exact) {
    thread_local Converter conv("CP932", "UTF-8");
    std::string out;
    exact = true;
    for (char32_t cp : plat::toCodePoints(utf8)) {
        if (cp == '\r' || cp == '\n') continue;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        if (!conv.convert(plat::fromCodePoint(cp), out)) {
            out += '?';
            exact = false;
        }
    }
    return out;
}

}  // namespace

std::string encode(std::string_view utf8) {
    bool exact = true;
    return encodeWith(utf8, exact);
}

std::optional<std::string> encodeExactly(std::string_view utf8) { return onlyIfExact(encodeWith, utf8); }

namespace {

// The UTF-8 text of CP932 bytes; a byte sequence that is not CP932 becomes "?" and
// clears exact.
std::string decodeWith(std::string_view bytes, bool& exact) {
    thread_local Converter conv("UTF-8", "CP932");
    std::string out;
    exact = true;
    for (size_t i = 0; i < bytes.size();) {
        unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        size_t len = isLead(c) && i + 1 < bytes.size() ? 2 : 1;
        if (!conv.convert(bytes.substr(i, len), out)) {
            out += '?';
            exact = false;
        }
        i += len;
    }
    return out;
}

}  // namespace

std::string decode(std::string_view bytes) {
    bool exact = true;
    return decodeWith(bytes, exact);
}

std::optional<std::string> decodeExactly(std::string_view bytes) { return onlyIfExact(decodeWith, bytes); }

}  // namespace cp932
