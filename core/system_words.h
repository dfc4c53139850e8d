#pragma once

#include <string>
#include <system_error>

namespace quarvel {

// The system's own words for an error as it gives them, in UTF-8 on every system (see
// systemReason() in core/failure.h, which makes them part of a sentence).
std::string systemWords(const std::error_code& code);

} // namespace quarvel
