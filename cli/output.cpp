#include "cli/output.h"

#include "core/failure.h"

#include <cerrno>
#include <cstdio>
#include <iostream>

namespace quarvel::cli {

void complain(std::string_view message) {
    std::cerr << "quarvel-cli: " << message << '\n';
}

bool Output::write(std::string_view text) {
    if (error_ == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size()) {
        error_ = errno;
    }
    return error_ == 0;
}

std::error_code Output::finish() {
    if (error_ == 0 && std::fflush(stdout) != 0) {
        error_ = errno;
    }
    if (std::fclose(stdout) != 0 && error_ == 0) {
        error_ = errno;
    }
    return {error_, std::generic_category()};
}

int Output::finishOrComplain() {
    if (const std::error_code error = finish()) {
        complain("write error: " + systemReason(error));
        return exitFailed;
    }
    return 0;
}

} // namespace quarvel::cli
