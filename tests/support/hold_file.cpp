// Holds a file open as another program would, the game or an editor, until its standard input
// closes: quarvel_hold_file FILE none|read|all, the sharing it allows others. It says "holding"
// once the file is open.
#include <cstdio>
#include <string>

#include <windows.h>

#include <shellapi.h>

int main() {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::wstring sharing = count == 3 ? arguments[2] : L"";
    const DWORD share = sharing == L"all" ? FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE
                        : sharing == L"read" ? FILE_SHARE_READ
                                             : 0;
    HANDLE file = count != 3 ? INVALID_HANDLE_VALUE
                             : CreateFileW(arguments[1], GENERIC_READ | GENERIC_WRITE, share,
                                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("cannot open the file: error %lu\n", GetLastError());
        return 1;
    }
    // Straight to the pipe, past the C runtime, which would write "\n" as "\r\n".
    char c = 0;
    DWORD got = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), "holding\n", 8, &got, nullptr);
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got > 0) {
    }
    CloseHandle(file);
    return 0;
}
