#pragma once

// Starting another program on Windows, with its standard input, output and error as pipes of the
// test: quarvel-cli, icacls, or a helper that holds a file open.
#include <windows.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::testing_support {

// One argument as CommandLineToArgvW reads it back: in quotes, with the backslashes before a
// quote doubled.
inline std::wstring quotedArgument(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\').push_back(c);
        backslashes = 0;
    }
    return quoted.append(2 * backslashes, L'\\') + L"\"";
}

struct ProcessRun {
    int status = -1;
    std::string out;
    std::string err;
};

class Process {
public:
    // Starts `program` with the arguments, given in UTF-8.
    Process(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
        // A path from the drive's root ("/work/build/x.exe", as a build on Linux names it for
        // Wine) is given its drive letter: CreateProcessW would not find it without one.
        const bool drivelessPath = program.has_root_directory() && !program.has_root_name();
        std::wstring line = quotedArgument(
            (drivelessPath ? std::filesystem::absolute(program) : program).wstring());
        for (const std::string& argument : arguments) {
            line += L" " + quotedArgument(std::filesystem::path(
                                              std::u8string(argument.begin(), argument.end()))
                                              .wstring());
        }
        HANDLE childIn = nullptr, childOut = nullptr, childErr = nullptr;
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        if (!CreatePipe(&childIn, &input_, &inherited, 0) ||
            !CreatePipe(&output_, &childOut, &inherited, 1 << 20) ||
            !CreatePipe(&error_, &childErr, &inherited, 1 << 20)) {
            return;
        }
        for (HANDLE ours : {input_, output_, error_}) {
            SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);
        }
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childIn;
        startup.hStdOutput = childOut;
        startup.hStdError = childErr;
        PROCESS_INFORMATION started{};
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                           &startup, &started)) {
            process_ = started.hProcess;
            CloseHandle(started.hThread);
        }
        for (HANDLE theirs : {childIn, childOut, childErr}) {
            CloseHandle(theirs);
        }
    }
    ~Process() { finish(); }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    [[nodiscard]] bool started() const { return process_ != nullptr; }

    // Standard output up to and with the next line end, or to its end.
    std::string readLine() {
        std::string line;
        char c = 0;
        DWORD got = 0;
        while (ReadFile(output_, &c, 1, &got, nullptr) && got == 1) {
            line.push_back(c);
            if (c == '\n') {
                break;
            }
        }
        return line;
    }

    // Closes its standard input, reads its output and error to their ends and waits for its end.
    ProcessRun finish() {
        ProcessRun run;
        close(input_);
        run.out = readAll(output_); // the pipes hold what a run writes to stderr
        run.err = readAll(error_);
        if (process_ != nullptr) {
            DWORD status = DWORD(-1);
            WaitForSingleObject(process_, INFINITE);
            GetExitCodeProcess(process_, &status);
            run.status = int(status);
        }
        for (HANDLE* handle : {&output_, &error_, &process_}) {
            close(*handle);
        }
        return run;
    }

private:
    HANDLE input_ = nullptr, output_ = nullptr, error_ = nullptr, process_ = nullptr;

    static void close(HANDLE& handle) {
        if (handle != nullptr) {
            CloseHandle(handle);
            handle = nullptr;
        }
    }
    static std::string readAll(HANDLE pipe) {
        std::string text;
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            text.append(buffer, got);
        }
        return text;
    }
};

// Runs a program to its end with nothing on its standard input.
inline ProcessRun runProcess(const std::filesystem::path& program,
                             const std::vector<std::string>& arguments) {
    Process process(program, arguments);
    if (!process.started()) {
        return {-1, "", "could not start " + program.string()};
    }
    return process.finish();
}

} // namespace quarvel::testing_support
