#include "common/numbers.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace num {

namespace {

// The full-width forms that an input method or a pasted text brings into a numeric box,
// with the half-width character each stands for (U+3000, the full-width blank, is a blank).
struct WideForm {
    std::string_view wide;
    char narrow;
};
constexpr WideForm kWideForms[] = {
    {"\uFF10", '0'}, {"\uFF11", '1'}, {"\uFF12", '2'}, {"\uFF13", '3'}, {"\uFF14", '4'},
    {"\uFF15", '5'}, {"\uFF16", '6'}, {"\uFF17", '7'}, {"\uFF18", '8'}, {"\uFF19", '9'},
    {"\uFF0E", '.'}, {"\uFF0D", '-'}, {"\u2212", '-'}, {"\uFF0B", '+'}, {"\uFF25", 'E'},
    {"\uFF45", 'e'}, {"\uFF0C", ','}, {"\u3000", ' '},
};

}  // namespace

std::string narrowed(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        bool replaced = false;
        if (static_cast<unsigned char>(text[i]) >= 0xE0) {
            for (const WideForm& f : kWideForms) {
                if (text.substr(i, f.wide.size()) == f.wide) {
                    out += f.narrow;
                    i += f.wide.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced) out += text[i++];
    }
    return out;
}

namespace {

// The text as a number is read from it: full-width forms folded, blanks dropped.
std::string compact(std::string_view text) {
    std::string s;
    for (char c : narrowed(text))
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    return s;
}

// The leading number of a compact text as from_chars takes it (no '+'), empty when the
// text starts with none; `end` is where reading stopped.
std::string leadingNumber(const std::string& s, std::size_t& end) {
    size_t i = 0;
    std::string accepted;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') accepted += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (; i < s.size(); ++i) {
        char c = s[i];
        if (c >= '0' && c <= '9') {
            accepted += c;
            digits = true;
        } else if (c == '.' && !point) {
            accepted += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        end = 0;
        return "";
    }
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp += s[j++];
        size_t start = j;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') exp += s[j++];
        if (j > start) {
            accepted += exp;
            i = j;
        }
    }
    end = i;
    return accepted;
}

// The value of a leading number; one beyond any double keeps its sign, one too small
// for any reads 0.
double valueOf(const std::string& accepted, bool& tooLarge) {
    double value = 0;
    auto res = std::from_chars(accepted.data(), accepted.data() + accepted.size(), value);
    tooLarge = false;
    if (res.ec == std::errc::result_out_of_range) {
        bool tiny = accepted.find("e-") != std::string::npos;
        if (tiny) return 0.0;
        tooLarge = true;
        return accepted[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

}  // namespace

double parse(std::string_view text) {
    std::size_t end = 0;
    const std::string accepted = leadingNumber(compact(text), end);
    if (accepted.empty()) return 0.0;
    bool tooLarge = false;
    // Too large for any number: the sign stays so that storing it faults.
    return valueOf(accepted, tooLarge);
}

bool readsWhole(std::string_view text) {
    const std::string s = compact(text);
    if (s.empty()) return true;
    std::size_t end = 0;
    const std::string accepted = leadingNumber(s, end);
    if (accepted.empty() || end != s.size()) return false;
    bool tooLarge = false;
    valueOf(accepted, tooLarge);
    return !tooLarge;
}

double finite(double x) {
    if (!std::isfinite(x)) throw CalcFault("result is not a finite number");
    return x;
}

double div(double a, double b) {
    if (b == 0.0) throw CalcFault("division by zero");
    return finite(a / b);
}

double sqrt(double x) {
    if (!(x >= 0.0)) throw CalcFault("square root of a negative number");
    return std::sqrt(x);
}

double asin(double x) {
    if (!(x >= -1.0 && x <= 1.0)) throw CalcFault("arcsine out of domain");
    return std::asin(x);
}

double acos(double x) {
    if (!(x >= -1.0 && x <= 1.0)) throw CalcFault("arccosine out of domain");
    return std::acos(x);
}

double atan(double x) { return finite(std::atan(finite(x))); }

double tan(double x) { return finite(std::tan(finite(x))); }

float store(double x) {
    finite(x);
    if (std::fabs(x) > static_cast<double>(FLT_MAX)) throw CalcFault("value too large for single precision");
    return static_cast<float>(x);
}

namespace {

// Digits of |value| rounded half away from zero to `decimals` places: integer digits
// and fraction digits as strings.
void roundedDigits(double value, int decimals, std::string& intPart, std::string& fracPart) {
    char buf[512];
    std::snprintf(buf, sizeof buf, "%.80f", std::fabs(value));  // exact for the program's magnitudes
    std::string s(buf);
    size_t dot = s.find('.');
    std::string ip = s.substr(0, dot);
    std::string fp = s.substr(dot + 1);
    bool up = fp.size() > static_cast<size_t>(decimals) && fp[decimals] >= '5';
    std::string digits = ip + fp.substr(0, decimals);
    if (up) {
        int k = static_cast<int>(digits.size()) - 1;
        while (k >= 0 && digits[k] == '9') digits[k--] = '0';
        if (k < 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[k];
    }
    intPart = digits.substr(0, digits.size() - decimals);
    fracPart = digits.substr(digits.size() - decimals);
    size_t nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? "" : intPart.substr(nz);
}

// The file's form around a number's digits: its sign or a blank before, a blank after.
std::string withSign(bool negative, const std::string& digits) {
    std::string out(1, negative ? '-' : ' ');
    out.append(digits).append(1, ' ');
    return out;
}

}  // namespace

std::string format(double value, std::string_view pattern) {
    if (!std::isfinite(value)) value = 0;  // never shown; the checked store refuses such values
    // Split the pattern into prefix literal, number part and suffix literal.
    size_t first = pattern.find_first_of("0#.");
    if (first == std::string_view::npos) return std::string(pattern);
    size_t last = pattern.find_last_of("0#.,");
    std::string prefix(pattern.substr(0, first));
    std::string body(pattern.substr(first, last - first + 1));
    std::string suffix(pattern.substr(last + 1));

    size_t dot = body.find('.');
    std::string intPat = body.substr(0, dot);
    std::string fracPat = dot == std::string::npos ? "" : body.substr(dot + 1);
    bool grouping = intPat.find(',') != std::string::npos;
    int minInt = 0;
    for (char c : intPat)
        if (c == '0') ++minInt;
    int required = 0, optional = 0;
    for (char c : fracPat) {
        if (c == '0') ++required;
        if (c == '#') ++optional;
    }
    int decimals = required + optional;

    std::string ip, fp;
    roundedDigits(value, decimals, ip, fp);
    while (static_cast<int>(fp.size()) > required && !fp.empty() && fp.back() == '0') fp.pop_back();
    bool zero = ip.find_first_not_of('0') == std::string::npos && fp.find_first_not_of('0') == std::string::npos;
    while (static_cast<int>(ip.size()) < minInt) ip.insert(ip.begin(), '0');
    if (grouping) {
        std::string g;
        int n = static_cast<int>(ip.size());
        for (int k = 0; k < n; ++k) {
            g += ip[k];
            if ((n - k - 1) % 3 == 0 && k != n - 1) g += ',';
        }
        ip = g;
    }
    std::string out = prefix;
    if (value < 0 && !zero) out += '-';
    out += ip;
    if (dot != std::string::npos && (!fp.empty() || required > 0)) out += "." + fp;
    else if (dot != std::string::npos && fp.empty() && required == 0 && optional > 0) out += ".";
    out += suffix;
    return out;
}

std::string singleForm(float value) {
    // The checked stores keep NaN and infinity out of every value; should one slip
    // through, the file gets a number its reader understands rather than garbage.
    if (value == 0.0f || !std::isfinite(value)) return " 0 ";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6e", std::fabs(static_cast<double>(value)));
    // buf: d.dddddde±XX
    std::string s(buf);
    size_t e = s.find('e');
    std::string mant = s.substr(0, 1) + s.substr(2, e - 2);  // seven digits
    int exp10 = std::atoi(s.c_str() + e + 1);
    while (mant.size() > 1 && mant.back() == '0') mant.pop_back();
    std::string body;
    if (exp10 >= -4 && exp10 < 7) {
        int intDigits = exp10 + 1;
        if (intDigits <= 0) {
            body.assign(1, '.').append(-intDigits, '0').append(mant);
        } else if (static_cast<int>(mant.size()) <= intDigits) {
            body = mant + std::string(intDigits - mant.size(), '0');
        } else {
            body = mant.substr(0, intDigits) + "." + mant.substr(intDigits);
        }
    } else {
        body = mant.substr(0, 1);
        if (mant.size() > 1) body.append(1, '.').append(mant, 1);
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", exp10 < 0 ? '-' : '+', exp10 < 0 ? -exp10 : exp10);
        body += eb;
    }
    return withSign(value < 0, body);
}

std::string integerForm(long value) {
    return withSign(value < 0, std::to_string(value < 0 ? -value : value));
}

std::string shortForm(float value) {
    const std::string text = singleForm(value);
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    const bool negative = text[first] == '-';
    const size_t digits = negative ? first + 1 : first;
    std::string out(negative ? "-" : "");
    if (text[digits] == '.') out.append(1, '0');
    out.append(text, digits, last + 1 - digits);
    return out;
}

}  // namespace num
