#pragma once

#include <string>
#include <string_view>
#include <system_error>

// What quarvel-cli says: its output on standard output, checked as it is written, and every
// message on standard error in one style.
namespace quarvel::cli {

inline constexpr int exitFailed = 1;
inline constexpr int exitBadArgument = 2;
inline constexpr int exitWouldOverwrite = 3;
inline constexpr int exitFindings = 4;

// Standard output and error take the bytes as they are written: on Windows the script's CR LF
// would otherwise leave as CR CR LF, and every other line end as CR LF, unlike on Linux.
void writeBytesAsTheyAre();

// From here on, a reader that closed the pipe makes a write fail instead of ending the program by
// SIGPIPE: for what is said after a change that is done.
void outliveAClosedReader();

// Writes one message to standard error: "quarvel-cli: " and the message, on a line of its own.
void complain(std::string_view message);

// Standard output is checked the way coreutils' close_stdout does: output that did not reach its
// file (a full disk, /dev/full) is a failure with a message, never a silent success. A reader
// that closes the pipe early ends the program by SIGPIPE, as it ends every filter.
class Output {
public:
    bool write(std::string_view text);
    // Flushes and closes standard output; nothing, or the error that kept the output from its file.
    std::error_code finish();
    // finish(), saying a failure: 0, or exitFailed.
    int finishOrComplain();

private:
    int error_ = 0;
};

} // namespace quarvel::cli
