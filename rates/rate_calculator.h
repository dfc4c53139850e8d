#pragma once

#include <optional>
#include <string>
#include <string_view>

// Arithmetic of the connection-speed calculator: line speeds to byte rates, rounding, and the
// reading and writing of the fields' numbers.
namespace quarvel::rates {

enum class SpeedUnit { Bits = 0, KBits = 1, KBytes = 2 };

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
