#pragma once

#include <optional>
#include <string>
#include <string_view>

// Arithmetic of the connection-speed calculator: line speeds to byte rates, byte rates to packet
// rates, the caps the game's servers accept, and the reading of the fields' texts.
namespace quarvel::rates {

enum class SpeedUnit { Bits = 0, KBits = 1, KBytes = 2 };

// A rate field's cap, and the packet-rate field derived from it (if any).
struct RateRule {
    std::string_view field;
    double limit;
    std::string_view limitText;
    std::string_view derivedField; // empty: nothing is derived
    double divisor;
};

inline constexpr RateRule rateRules[] = {
    {"txtRate", 20000, "20000", "txtURate", 280},
    {"txtClRate", 20000, "20000", "txtCMDRate", 140},
    {"txtURate", 45, "45", "", 0},
    {"txtCMDRate", 100, "100", "", 0},
};

// A speed field, the unit list it is read in, the label that names the unit and the byte rate
// it fills in.
struct SpeedRule {
    std::string_view speedField;
    std::string_view unitList;
    std::string_view unitLabel;
    std::string_view rateField;
};

inline constexpr SpeedRule speedRules[] = {
    {"txtUSpeed", "cmbSpeed", "lblUSpeed", "txtClRate"},
    {"txtDSpeed", "cmbSpeed2", "lblDSpeed", "txtRate"},
};

// The number a rate field holds: digits with at most one decimal point and nothing else.
// Digit strings too long for a double read as infinity (or 0 when all their digits are zero).
std::optional<double> parseRate(std::string_view text);

// The number a speed field holds: digits only, and finite.
std::optional<double> parseSpeed(std::string_view text);

// Bytes per second that 90 % of a line of the given speed carries.
double bytesPerSecond(double speed, SpeedUnit unit);

// Round to the nearest whole number, an exact half to the even neighbour.
double roundHalfEven(double value);

// A whole, non-negative, finite number as plain decimal digits, however large.
std::string wholeNumberText(double value);

} // namespace quarvel::rates
