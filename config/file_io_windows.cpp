#include "config/file_io_windows.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#include <winioctl.h>

namespace quarvel {

namespace {

namespace fs = std::filesystem;

constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// The name itself, even a folder or a reparse point.
constexpr DWORD nameItself = FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS;

// GetLastError, never 0 after a call that failed.
unsigned long lastError() {
    const DWORD error = GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

HANDLE handleOf(FileHandle file) {
    return static_cast<HANDLE>(file);
}

struct Closer {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, Closer>;

unsigned long openName(const fs::path& path, DWORD access, Handle& handle) {
    HANDLE opened =
        CreateFileW(path.c_str(), access, shareAll, nullptr, OPEN_EXISTING, nameItself, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    handle.reset(opened);
    return 0;
}

unsigned long sidText(PSID sid, std::wstring& text) {
    LPWSTR converted = nullptr;
    if (!ConvertSidToStringSidW(sid, &converted)) {
        return lastError();
    }
    text = converted;
    LocalFree(converted);
    return 0;
}

void fill(const BY_HANDLE_FILE_INFORMATION& information, FileLook& info) {
    info.attributes = information.dwFileAttributes;
    info.volume = information.dwVolumeSerialNumber;
    info.index = (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow;
    info.size = (std::uint64_t{information.nFileSizeHigh} << 32) | information.nFileSizeLow;
    info.links = information.nNumberOfLinks;
}

// The layout of a symbolic link's or junction's reparse data (REPARSE_DATA_BUFFER), which only
// the driver kit's headers declare.
struct ReparseHeader {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteOffset;
    USHORT substituteLength;
    USHORT printOffset;
    USHORT printLength;
};

std::wstring nameAt(const std::vector<char>& data, std::size_t pathsAt, USHORT offset,
                    USHORT length) {
    if (pathsAt + offset + length > data.size()) {
        return {};
    }
    std::wstring name(length / sizeof(wchar_t), L'\0');
    std::memcpy(name.data(), data.data() + pathsAt + offset, name.size() * sizeof(wchar_t));
    return name;
}

class SystemFileIo final : public FileIo {
public:
    unsigned long lookAt(const fs::path& path, FileLook& info) override {
        // GetFileAttributesW tells of a reparse point also where the open handle does not (Wine).
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return lastError();
        }
        Handle handle;
        if (const auto error = openName(path, FILE_READ_ATTRIBUTES, handle)) {
            return error;
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handle.get(), &information)) {
            return lastError();
        }
        fill(information, info);
        info.attributes |= attributes & FILE_ATTRIBUTE_REPARSE_POINT;
        info.reparseTag = 0;
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if ((info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
            info.reparseTag = tag.ReparseTag;
        }
        info.onDisk = true;
        return 0;
    }

    unsigned long ownerOf(const fs::path& path, std::wstring& sid) override {
        Handle handle;
        if (const auto error = openName(path, READ_CONTROL, handle)) {
            return error;
        }
        PSID owner = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (const DWORD error =
                GetSecurityInfo(handle.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                nullptr, nullptr, nullptr, &descriptor)) {
            return error;
        }
        const auto error = sidText(owner, sid);
        LocalFree(descriptor);
        return error;
    }

    unsigned long currentUser(std::wstring& sid) override {
        HANDLE token = nullptr;
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) {
            return lastError();
        }
        const Handle owned(token);
        DWORD size = 0;
        GetTokenInformation(token, TokenUser, nullptr, 0, &size);
        std::vector<char> user(std::max<DWORD>(size, sizeof(TOKEN_USER)));
        if (!GetTokenInformation(token, TokenUser, user.data(), DWORD(user.size()), &size)) {
            return lastError();
        }
        TOKEN_USER header{};
        std::memcpy(&header, user.data(), sizeof header);
        return sidText(header.User.Sid, sid);
    }

    unsigned long readLink(const fs::path& path, fs::path& target) override {
        Handle handle;
        if (const auto error = openName(path, FILE_READ_ATTRIBUTES, handle)) {
            return error;
        }
        std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
        DWORD got = 0;
        if (!DeviceIoControl(handle.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                             DWORD(data.size()), &got, nullptr)) {
            return lastError();
        }
        data.resize(got);
        ReparseHeader header{};
        if (data.size() < sizeof header) {
            return ERROR_INVALID_REPARSE_DATA;
        }
        std::memcpy(&header, data.data(), sizeof header);
        std::size_t pathsAt = sizeof header;
        if (header.tag == IO_REPARSE_TAG_SYMLINK) {
            pathsAt += sizeof(ULONG); // the flags: relative or not
        } else if (header.tag != IO_REPARSE_TAG_MOUNT_POINT) {
            return ERROR_NOT_A_REPARSE_POINT;
        }
        // The name Explorer shows; the name the system uses has "\??\" before a drive letter.
        std::wstring name = nameAt(data, pathsAt, header.printOffset, header.printLength);
        if (name.empty()) {
            name = nameAt(data, pathsAt, header.substituteOffset, header.substituteLength);
            if (name.starts_with(L"\\??\\")) {
                name.erase(0, 4);
            }
        }
        if (name.empty()) {
            return ERROR_INVALID_REPARSE_DATA;
        }
        target = name;
        return 0;
    }

    unsigned long open(const fs::path& path, Access access, FileHandle& file) override {
        DWORD rights = GENERIC_READ;
        DWORD share = shareAll;
        DWORD flags = FILE_FLAG_BACKUP_SEMANTICS; // a folder opens too, and is refused as such
        if (access == Access::Write) {
            rights = GENERIC_WRITE;
            share = FILE_SHARE_READ;
            flags = FILE_ATTRIBUTE_NORMAL;
        } else if (access == Access::Check) {
            rights = GENERIC_WRITE | DELETE;
            flags = FILE_ATTRIBUTE_NORMAL;
        }
        HANDLE opened =
            CreateFileW(path.c_str(), rights, share, nullptr, OPEN_EXISTING, flags, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return lastError();
        }
        file = opened;
        return 0;
    }

    unsigned long create(const fs::path& path, std::uint32_t attributes,
                         FileHandle& file) override {
        HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            return lastError();
        }
        file = created;
        return 0;
    }

    unsigned long look(FileHandle file, FileLook& info) override {
        info = {};
        if (GetFileType(handleOf(file)) != FILE_TYPE_DISK) {
            info.onDisk = false;
            return 0;
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handleOf(file), &information)) {
            return lastError();
        }
        fill(information, info);
        return 0;
    }

    unsigned long read(FileHandle file, char* buffer, std::size_t size, std::size_t& got) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!ReadFile(handleOf(file), buffer, asked, &count, nullptr)) {
            return lastError();
        }
        got = count;
        return 0;
    }

    unsigned long write(FileHandle file, const char* data, std::size_t size,
                        std::size_t& written) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!WriteFile(handleOf(file), data, asked, &count, nullptr)) {
            return lastError();
        }
        written = count;
        return 0;
    }

    unsigned long rewind(FileHandle file) override {
        return SetFilePointerEx(handleOf(file), LARGE_INTEGER{}, nullptr, FILE_BEGIN) ? 0
                                                                                      : lastError();
    }
    unsigned long truncate(FileHandle file) override {
        return SetEndOfFile(handleOf(file)) ? 0 : lastError();
    }
    unsigned long flush(FileHandle file) override {
        return FlushFileBuffers(handleOf(file)) ? 0 : lastError();
    }
    unsigned long close(FileHandle file) override {
        return CloseHandle(handleOf(file)) ? 0 : lastError();
    }

    unsigned long replace(const fs::path& target, const fs::path& replacement,
                          const fs::path& backup) override {
        // No REPLACEFILE_IGNORE_MERGE_ERRORS: a file that cannot keep its ACL is not replaced.
        return ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr,
                            nullptr)
                   ? 0
                   : lastError();
    }
    unsigned long move(const fs::path& from, const fs::path& to) override {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? 0
                   : lastError();
    }
    unsigned long remove(const fs::path& path) override {
        return DeleteFileW(path.c_str()) ? 0 : lastError();
    }
    unsigned long lockFolder(const fs::path& folder, FileHandle& lock) override {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, folderMutexName(folder).c_str());
        if (mutex == nullptr) {
            return lastError();
        }
        const DWORD waited = WaitForSingleObject(mutex, 0);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            lock = mutex;
            return 0;
        }
        const unsigned long error = waited == WAIT_TIMEOUT ? ERROR_LOCK_VIOLATION : lastError();
        CloseHandle(mutex);
        return error;
    }
    void unlockFolder(FileHandle lock) override {
        ReleaseMutex(handleOf(lock));
        CloseHandle(handleOf(lock));
    }

private:
    // One name for every way of writing the folder's path: full, in one case (the file system
    // ignores it), without a closing separator; hashed, since a mutex name holds no backslash.
    static std::wstring folderMutexName(const fs::path& folder) {
        std::error_code error;
        fs::path full = fs::absolute(folder, error);
        std::wstring text = (error ? folder : full).lexically_normal().make_preferred().wstring();
        while (text.size() > 3 && text.back() == L'\\') {
            text.pop_back();
        }
        if (!text.empty()) {
            CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
        }
        std::uint64_t hash = 14695981039346656037ULL; // FNV-1a
        for (const wchar_t letter : text) {
            hash = (hash ^ static_cast<std::uint16_t>(letter)) * 1099511628211ULL;
        }
        std::wstring name = L"Local\\Quarvel-folder-";
        for (int shift = 60; shift >= 0; shift -= 4) {
            name += L"0123456789abcdef"[(hash >> shift) & 0xF];
        }
        return name;
    }
};

} // namespace

FileIo& systemFileIo() {
    static SystemFileIo io;
    return io;
}

} // namespace quarvel
