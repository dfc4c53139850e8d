#pragma once

// Starting another program on Windows, with its standard input, output and error as pipes of the
// test: quarvel-cli, icacls, or quarvel_hold_file.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

namespace quarvel::testing_support {

struct ProcessRun {
    int status = -1;
    std::string out, err;
};

class Process {
public:
    // Starts `program` with the arguments, given in UTF-8, each in quotes and a final backslash
    // doubled, as CommandLineToArgvW reads them back; none of the tests' arguments holds a quote.
    Process(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
        // A path from the drive's root ("/work/build/x.exe", as a build on Linux names it for
        // Wine) needs its drive letter for CreateProcessW.
        const auto path =
            program.has_root_directory() ? std::filesystem::absolute(program) : program;
        std::wstring line = L"\"" + path.wstring() + L"\"";
        for (const std::string& argument : arguments) {
            const auto word =
                std::filesystem::path(std::u8string(argument.begin(), argument.end()));
            line += L" \"" + word.wstring() + (argument.ends_with('\\') ? L"\\\"" : L"\"");
        }
        HANDLE theirs[3] = {};
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        CreatePipe(&theirs[0], &input_, &inherited, 0);
        CreatePipe(&output_, &theirs[1], &inherited, 1 << 20);
        CreatePipe(&error_, &theirs[2], &inherited, 1 << 20);
        for (HANDLE ours : {input_, output_, error_}) {
            SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = theirs[0];
        startup.hStdOutput = theirs[1];
        startup.hStdError = theirs[2];
        PROCESS_INFORMATION started{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &started)) {
            process_ = started.hProcess;
            CloseHandle(started.hThread);
        }
        for (HANDLE& handle : theirs) {
            close(handle);
        }
    }
    ~Process() { finish(); }

    [[nodiscard]] bool started() const { return process_ != nullptr; }

    // Standard output up to and with the next line end, or to its end.
    std::string readLine() { return read(output_, true); }

    // Closes its standard input, reads its output and error to their ends (the pipes hold all
    // that a run writes to stderr) and waits for its end.
    ProcessRun finish() {
        close(input_);
        ProcessRun run{-1, read(output_, false),
                       process_ ? read(error_, false) : "the program did not start"};
        DWORD status = DWORD(-1);
        if (process_ && WaitForSingleObject(process_, INFINITE) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(process_, &status)) {
            run.status = int(status);
        }
        for (HANDLE* handle : {&output_, &error_, &process_}) {
            close(*handle);
        }
        return run;
    }

private:
    HANDLE input_ = nullptr, output_ = nullptr, error_ = nullptr, process_ = nullptr;

    static void close(HANDLE& handle) { CloseHandle(std::exchange(handle, nullptr)); }
    static std::string read(HANDLE pipe, bool oneLine) {
        std::string text;
        char buffer[4096];
        DWORD got = 0;
        while (pipe && (!oneLine || !text.ends_with('\n')) &&
               ReadFile(pipe, buffer, oneLine ? 1 : sizeof buffer, &got, nullptr) && got > 0) {
            text.append(buffer, got);
        }
        return text;
    }
};

// Runs a program to its end with nothing on its standard input.
inline ProcessRun runProcess(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments) {
    return Process(program, arguments).finish();
}

} // namespace quarvel::testing_support
