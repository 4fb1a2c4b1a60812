#include "app/draw_settings_form.h"

#include <cctype>
#include <cstdio>

#include "nc/number_rule.h"

namespace orca {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsDigitOf(char c, int base) {
    if (base == 16) return std::isxdigit(static_cast<unsigned char>(c)) != 0;
    if (base == 8) return c >= '0' && c <= '7';
    return c >= '0' && c <= '9';
}

// Consumes digits of the base; how many there were.
std::size_t Digits(std::string_view& s, int base) {
    std::size_t n = 0;
    while (n < s.size() && IsDigitOf(s[n], base)) ++n;
    s.remove_prefix(n);
    return n;
}

bool Consume(std::string_view& s, char upper) {
    if (s.empty() || std::toupper(static_cast<unsigned char>(s.front())) != upper) return false;
    s.remove_prefix(1);
    return true;
}

bool ConsumeSign(std::string_view& s) { return Consume(s, '+') || Consume(s, '-'); }

// The whole text, blanks around it aside, is one number: a decimal with an
// optional exponent, or a hexadecimal (&H) or octal (&O) whole number. A
// number followed by anything else does not convert.
bool IsWholeNumber(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    if (Consume(s, '&')) {
        const int base = Consume(s, 'H') ? 16 : Consume(s, 'O') ? 8 : 0;
        return base != 0 && Digits(s, base) > 0 && s.empty();
    }
    ConsumeSign(s);
    std::size_t mantissa = Digits(s, 10);
    if (Consume(s, '.')) mantissa += Digits(s, 10);
    if (mantissa == 0) return false;
    if (Consume(s, 'E') || Consume(s, 'D')) {
        ConsumeSign(s);
        if (Digits(s, 10) == 0) return false;
    }
    return s.empty();
}

}  // namespace

InitDspChoice InitDspLoad(const DrawSettings& settings, const NcModalState& nc) {
    InitDspChoice choice;
    choice.speed = settings.TraceSpeed;
    choice.inc = nc.IncFlag != kAbsolute;
    choice.houganAri = settings.HouganFlag;
    choice.houganWidthText = std::to_string(settings.HouganWidth);
    choice.holeRadiusText = HoleRadiusText(settings.HoleRadius);
    choice.standardReading = settings.StandardReading;
    return choice;
}

std::optional<double> HoleRadiusFromText(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    std::string_view rest = text;
    const std::size_t whole = Digits(rest, 10);
    std::size_t decimals = 0;
    if (Consume(rest, '.')) decimals = Digits(rest, 10);
    if (!rest.empty() || whole + decimals == 0 || decimals > 3 || whole > 5) return std::nullopt;
    const double radius = ParseNumber(text).value;
    if (!(radius > 0)) return std::nullopt;
    return radius;
}

std::string HoleRadiusText(double radius) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", radius);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

const char* InitDspRefusal(const InitDspChoice& choice) {
    if (!HouganWidthFromText(choice.houganAri, choice.houganWidthText)) return kHouganWidthMessage;
    if (!HoleRadiusFromText(choice.holeRadiusText)) return kHoleRadiusMessage;
    return nullptr;
}

std::optional<std::int16_t> HouganWidthFromText(bool houganAri, std::string_view text) {
    if (houganAri && ParseNumber(text).value < 1.0) return std::nullopt;
    short width = 0;
    if (!IsWholeNumber(text) || !ToInt16(ParseNumber(text).value, width)) return std::nullopt;
    return width;
}

bool InitDspOk(const InitDspChoice& choice, DrawSettings& settings, NcModalState& nc,
               const DrawSettingsWriter& save) {
    if (InitDspRefusal(choice) != nullptr) return false;
    settings.HouganFlag = choice.houganAri;
    settings.HouganWidth = *HouganWidthFromText(choice.houganAri, choice.houganWidthText);
    settings.HoleRadius = *HoleRadiusFromText(choice.holeRadiusText);
    settings.StandardReading = choice.standardReading;
    save(settings);
    settings.TraceSpeed = choice.speed;
    const std::int16_t inc = choice.inc ? kIncremental : kAbsolute;
    nc.IncFlag = inc;
    settings.IncFlagDefault = inc;
    return true;
}

}  // namespace orca
