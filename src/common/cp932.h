// The project file's code page (Shift_JIS, code page 932).
#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cp932 {

// The system has no converter for the code page: no project file can be written or read.
class Unavailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// UTF-8 to CP932. A character that CP932 cannot hold becomes "?"; CR and LF are dropped
// so that a value never breaks its line.
std::string encode(std::string_view utf8);
// UTF-8 to CP932 without loss: nothing when a character cannot be held. CR and LF are
// dropped as by encode.
std::optional<std::string> encodeExactly(std::string_view utf8);
// CP932 to UTF-8. A byte sequence that is not CP932 becomes "?".
std::string decode(std::string_view bytes);
// CP932 to UTF-8 without loss: nothing when the bytes are not CP932 throughout.
std::optional<std::string> decodeExactly(std::string_view bytes);

}  // namespace cp932
