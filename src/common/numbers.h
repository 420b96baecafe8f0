// Numeric rules of the program: reading typed numbers, checked single-precision
// arithmetic, and the formats every shown, saved or printed number takes.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace num {

// Reads the number at the start of a typed text. Blanks, tabs and line feeds anywhere
// are ignored; then an optional sign, digits with at most one decimal point and an
// optional exponent; reading stops at the first character that cannot continue the
// number. No number at the start reads 0. A comma ends the number. Full-width digits,
// decimal point, signs and blank read as their half-width counterparts.
double parse(std::string_view text);
// Whether a typed text is empty or wholly one number that parse reads to its end and
// that some number can hold: not "2,8", "2.8m", "inf", "nan" nor "1e999". Full-width
// forms and blanks count as parse counts them ("２４", "1 000").
bool readsWhole(std::string_view text);
// The text with every full-width digit, decimal point, sign, exponent letter, comma and
// blank made half-width ("２．５" becomes "2.5"); every other character stays.
std::string narrowed(std::string_view text);

// π as the program writes it.
constexpr double kPi = 3.14159;
// Degrees to radians and back, with that π.
inline double rad(double degrees) { return degrees * kPi / 180; }
inline double deg(double radians) { return radians * 180 / kPi; }

// A calculation that cannot go on: division by zero, a root or inverse trigonometric
// function out of its domain, or a result that is not finite or does not fit a float.
class CalcFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

double div(double a, double b);
double sqrt(double x);
double asin(double x);
double acos(double x);
double atan(double x);
double tan(double x);
// Checks that an intermediate result is a finite number.
double finite(double x);
// Stores a value evaluated in double into single precision.
float store(double x);
// The value of a typed text as the program keeps it: its leading number in single precision.
inline float readSingle(std::string_view text) { return store(parse(text)); }

// Formats a number by a pattern of the program ("0.000", "0.00#", "#,##0.0", "0"):
// '0' a digit always written, '#' a digit written when significant, ',' in the integer
// part groups thousands; other characters are copied. Rounds half away from zero on the
// exact binary value; a value that rounds to zero has no minus sign.
std::string format(double value, std::string_view pattern);

// The project file's number form of a single: a blank (or minus sign), at most seven
// significant digits in general format, then one blank (" .7133 ", "-.25 ", " 1E+07 ").
std::string singleForm(float value);
// The same form for a whole number (" 3 ", "-1 ").
std::string integerForm(long value);
// A number as the screens show it: the digits of singleForm without blanks, with a zero
// before a leading decimal point ("10", "2.5", "0.25", "-0.5").
std::string shortForm(float value);

}  // namespace num
