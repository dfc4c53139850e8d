// The system's words for an error on Linux: the C++ library's, which are the C library's.

#include "core/system_words.h"

namespace quarvel {

std::string systemWords(const std::error_code& code) {
    return code.message();
}

} // namespace quarvel
