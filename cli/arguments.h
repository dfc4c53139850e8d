#pragma once

#include <string>
#include <vector>

namespace quarvel::cli {

// The arguments in UTF-8, as the messages and Steam's files are. Windows gives main() the
// arguments in the ANSI code page, where a folder named in another language loses letters, so
// they are taken from the UTF-16 command line there.
class Arguments {
public:
    Arguments(int argc, char** argv);
    [[nodiscard]] int count() const { return static_cast<int>(pointers_.size()); }
    [[nodiscard]] char** values() { return pointers_.data(); }

private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

} // namespace quarvel::cli
