// The project file: 220 lines, one value a line, the position as the only key. One
// table says where each line comes from and how it is written; the writer and the
// reader both go through it, so they cannot drift apart. Files of the earlier form end
// after line 217, before the road-standard key dialog's lines; a program that reads
// only 217 lines still reads the longer files.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/program.h"
#include "section/check_locations.h"

namespace project {

constexpr int kLineCount = 220;
// The lines of a file of the earlier form, without the road-standard key dialog.
constexpr int kEarlierLineCount = 217;
// How δ of the stability calculation came about; applied after the recalculation.
constexpr int kDeltaLine = 217;

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

// The 220 lines in file order; lines()[i].number == i + 1.
const std::vector<LineSource>& lines();

// The check locations in file order: the section screen's row order.
inline constexpr const auto& kLocations = kCheckLocationNumbers;

// The value of one line as the file holds it (UTF-8, without line end). Reading a control
// of a form that is not loaded creates it in its initial state.
std::string lineText(Program& program, const LineSource& line);
// The 220 texts of the project as it stands.
std::vector<std::string> collect(Program& program);
// The file's bytes: CP932, every line ended by CR LF, no byte-order mark. A line holding
// a character that CP932 cannot hold is written in UTF-8 instead, never with a "?".
std::string encode(const std::vector<std::string>& texts);

// Writes the project to path (see replaceFile: the file the user chose is replaced
// whole or not at all). False when the file could not be created or written; the
// target is then untouched.
bool write(Program& program, const std::string& path);

// Reads a project file into its texts (UTF-8), 217 or 220 of them. Nothing when the
// file cannot be read (missing, not a regular file) or is not a project file.
enum class ReadError { None, Unreadable, NotAProject };
// Larger files are no project: 217 single-line texts never come near this.
constexpr std::uintmax_t kMaxFileBytes = 32u * 1024 * 1024;
struct ReadResult {
    std::vector<std::string> texts;
    ReadError error = ReadError::None;
};
ReadResult read(const std::string& path);
// Splits a file's bytes into its lines (decoded to UTF-8); CR LF or LF end a line. A
// line is CP932, or UTF-8 where its bytes are well-formed UTF-8 beyond ASCII. Empty
// lines after the last line read are no part of the project. Not a
// project: a NUL byte, a line count other than 217 or 220, an option line that is
// neither a truth word nor a number, a check line that is not a number. Values out of
// range pass; applying them leaves their targets as they were.
ReadResult parse(const std::string& bytes);

// Applies one line's text to its target as a user's change would (click handlers run
// when the state really changes). A text that does not convert leaves the target as it
// was; false then. A fault of a handler that runs propagates.
bool apply(Program& program, const LineSource& line, const std::string& text);
// Applies lines first..last (1-based, inclusive), each on its own: a line that fails is
// skipped and the next one goes on. Lines the texts do not hold are not applied.
void applyRange(Program& program, const std::vector<std::string>& texts, int first, int last);

// A whole-text number with blanks around it allowed (" .7133 ", "-1 "); nothing for text
// that is not a number.
std::optional<double> wholeNumber(const std::string& text);

}  // namespace project
