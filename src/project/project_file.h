// The project file: 217 lines, one value a line, the position as the only key. One
// table says where each line comes from and how it is written; the writer and the
// reader both go through it, so they cannot drift apart.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/program.h"

namespace project {

constexpr int kLineCount = 217;

// How a line's value is written and read back.
enum class Kind {
    Option,        // "True" / "False"
    Check,         // " 0 " / " 1 "
    Text,          // a text box's text, a label's caption or a combo's text, verbatim
    Single,        // a per-location value of the section design, number form
    ListPosition,  // a bar list's selected position, " 0 ".." 20 ", "-1 "
    Variant,       // deltaComputed: empty while unset, else " 0 " / " 1 "
};

// Columns of the per-location values, four lines per check location.
enum class Column { BarArea, BarPerimeter, RebarCover, EffectiveCover };

struct LineSource {
    int number;           // 1-based line number
    std::string form;     // "Form3"; empty for program-wide values
    std::string control;  // "txt8"; empty for program-wide values
    Kind kind;
    int location = 0;  // Single: the check location r
    Column column = Column::BarArea;
};

// The 217 lines in file order; lines()[i].number == i + 1.
const std::vector<LineSource>& lines();

// The check locations in file order.
inline constexpr int kLocations[8] = {1, 2, 5, 6, 7, 8, 9, 10};

// The value of one line as the file holds it (UTF-8, without line end). Reading a control
// of a form that is not loaded creates it in its initial state.
std::string lineText(Program& program, const LineSource& line);
// The 217 texts of the project as it stands.
std::vector<std::string> collect(Program& program);
// The file's bytes: CP932, every line ended by CR LF, no byte-order mark.
std::string encode(const std::vector<std::string>& texts);

// Something exists under that name (also a file that cannot be read).
bool fileExists(const std::string& path);

// Writes the project to path. The lines go to a temporary file beside it, which then
// replaces the target, so a failed write never leaves a half-written project behind.
// False when the file could not be created or written; the target is then untouched.
bool write(Program& program, const std::string& path);

// Reads a project file into its 217 texts (UTF-8). Nothing when the file cannot be read
// or is not a project file (not exactly 217 lines, or binary content).
enum class ReadError { None, Unreadable, NotAProject };
// Larger files are no project: 217 single-line texts never come near this.
constexpr std::uintmax_t kMaxFileBytes = 32u * 1024 * 1024;
struct ReadResult {
    std::vector<std::string> texts;
    ReadError error = ReadError::None;
};
ReadResult read(const std::string& path);
// Splits a file's bytes into its lines (decoded to UTF-8); CR LF or LF end a line.
ReadResult parse(const std::string& bytes);

// Applies one line's text to its target as a user's change would (click handlers run
// when the state really changes). A text that does not convert leaves the target as it
// was; false then. A fault of a handler that runs propagates.
bool apply(Program& program, const LineSource& line, const std::string& text);
// Applies lines first..last (1-based, inclusive), each on its own: a line that fails is
// skipped and the next one goes on.
void applyRange(Program& program, const std::vector<std::string>& texts, int first, int last);

// A whole-text number with blanks around it allowed (" .7133 ", "-1 "); nothing for text
// that is not a number.
std::optional<double> wholeNumber(const std::string& text);

}  // namespace project
