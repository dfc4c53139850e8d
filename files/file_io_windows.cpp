#include "files/file_io.h"

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

std::error_code failed(DWORD error) {
    return {static_cast<int>(error), std::system_category()};
}

// GetLastError, never 0 after a call that failed.
std::error_code lastError() {
    const DWORD error = GetLastError();
    return failed(error != 0 ? error : ERROR_GEN_FAILURE);
}

// Done when a call succeeded, else GetLastError.
IoResult<> checked(BOOL succeeded) {
    if (!succeeded) {
        return lastError();
    }
    return {};
}

HANDLE handleOf(FileHandle file) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(file));
}

IoResult<FileHandle> fileOf(HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    return static_cast<FileHandle>(reinterpret_cast<std::intptr_t>(handle));
}

struct Closer {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, Closer>;

IoResult<Handle> openName(const fs::path& path, DWORD access) {
    HANDLE opened =
        CreateFileW(path.c_str(), access, shareAll, nullptr, OPEN_EXISTING, nameItself, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    return Handle(opened);
}

// A SID in text is ASCII: "S-1-5-32-544".
IoResult<std::string> sidText(PSID sid) {
    LPWSTR converted = nullptr;
    if (!ConvertSidToStringSidW(sid, &converted)) {
        return lastError();
    }
    std::string text;
    for (const wchar_t* letter = converted; *letter != L'\0'; ++letter) {
        text += static_cast<char>(*letter);
    }
    LocalFree(converted);
    return text;
}

void fill(const BY_HANDLE_FILE_INFORMATION& information, FileLook& info) {
    info.kind = (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? FileKind::Folder
                                                                               : FileKind::Regular;
    info.attributes = information.dwFileAttributes;
    info.device = information.dwVolumeSerialNumber;
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

// A symbolic link or a junction: a reparse point that stands for another name. Other reparse
// points (cloud files, deduplicated files) are the file itself. Wine shows a link to a folder
// as a reparse point without a tag.
bool isLink(DWORD attributes, DWORD tag) {
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
           (tag == 0 || IsReparseTagNameSurrogate(tag));
}

class SystemFileIo final : public FileIo {
public:
    IoResult<FileLook> lookAt(const fs::path& path) override {
        // GetFileAttributesW tells of a reparse point also where the open handle does not (Wine).
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return lastError();
        }
        IoResult<Handle> handle = openName(path, FILE_READ_ATTRIBUTES);
        if (!handle) {
            return handle.failure();
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handle->get(), &information)) {
            return lastError();
        }
        FileLook info;
        fill(information, info);
        info.attributes |= attributes & FILE_ATTRIBUTE_REPARSE_POINT;
        DWORD reparseTag = 0;
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if ((info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            GetFileInformationByHandleEx(handle->get(), FileAttributeTagInfo, &tag, sizeof tag)) {
            reparseTag = tag.ReparseTag;
        }
        const bool folder = (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isLink(info.attributes, reparseTag)) {
            info.kind = folder ? FileKind::FolderLink : FileKind::Link;
        } else if ((info.attributes & FILE_ATTRIBUTE_DEVICE) != 0 && !folder) {
            info.kind = FileKind::Other;
        }
        return info;
    }

    IoResult<std::string> ownerOf(const fs::path& path) override {
        IoResult<Handle> handle = openName(path, READ_CONTROL);
        if (!handle) {
            return handle.failure();
        }
        PSID owner = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (const DWORD error =
                GetSecurityInfo(handle->get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                nullptr, nullptr, nullptr, &descriptor)) {
            return failed(error);
        }
        IoResult<std::string> sid = sidText(owner);
        LocalFree(descriptor);
        return sid;
    }

    IoResult<std::string> currentUser() override {
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
        return sidText(header.User.Sid);
    }

    IoResult<fs::path> readLink(const fs::path& path) override {
        IoResult<Handle> handle = openName(path, FILE_READ_ATTRIBUTES);
        if (!handle) {
            return handle.failure();
        }
        std::vector<char> data(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
        DWORD got = 0;
        if (!DeviceIoControl(handle->get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, data.data(),
                             DWORD(data.size()), &got, nullptr)) {
            return lastError();
        }
        data.resize(got);
        ReparseHeader header{};
        if (data.size() < sizeof header) {
            return failed(ERROR_INVALID_REPARSE_DATA);
        }
        std::memcpy(&header, data.data(), sizeof header);
        std::size_t pathsAt = sizeof header;
        if (header.tag == IO_REPARSE_TAG_SYMLINK) {
            pathsAt += sizeof(ULONG); // the flags: relative or not
        } else if (header.tag != IO_REPARSE_TAG_MOUNT_POINT) {
            return failed(ERROR_NOT_A_REPARSE_POINT);
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
            return failed(ERROR_INVALID_REPARSE_DATA);
        }
        return fs::path(name);
    }

    IoResult<> mayWrite(const fs::path& path) override {
        const IoResult<FileHandle> file = open(path, OpenMode::Check);
        if (!file) {
            return file.failure();
        }
        return close(*file);
    }

    IoResult<FileHandle> open(const fs::path& path, OpenMode mode) override {
        DWORD rights = GENERIC_READ;
        DWORD share = shareAll;
        DWORD flags = FILE_FLAG_BACKUP_SEMANTICS; // a folder opens too, and is refused as such
        if (mode == OpenMode::Write) {
            rights = GENERIC_WRITE;
            share = FILE_SHARE_READ;
            flags = FILE_ATTRIBUTE_NORMAL;
        } else if (mode == OpenMode::Check) {
            rights = GENERIC_WRITE | DELETE;
            flags = FILE_ATTRIBUTE_NORMAL;
        }
        return fileOf(
            CreateFileW(path.c_str(), rights, share, nullptr, OPEN_EXISTING, flags, nullptr));
    }

    IoResult<FileHandle> create(const fs::path& path, std::uint32_t,
                                std::uint32_t attributes) override {
        return fileOf(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr));
    }

    IoResult<FileLook> look(FileHandle file) override {
        if (GetFileType(handleOf(file)) != FILE_TYPE_DISK) {
            return FileLook{}; // a pipe, the console or a device such as NUL
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handleOf(file), &information)) {
            return lastError();
        }
        FileLook info;
        fill(information, info);
        return info;
    }

    IoResult<std::size_t> read(FileHandle file, char* buffer, std::size_t size) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!ReadFile(handleOf(file), buffer, asked, &count, nullptr)) {
            return lastError();
        }
        return std::size_t{count};
    }

    IoResult<std::size_t> write(FileHandle file, const char* data, std::size_t size) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!WriteFile(handleOf(file), data, asked, &count, nullptr)) {
            return lastError();
        }
        if (count == 0 && size != 0) {
            return failed(ERROR_WRITE_FAULT); // no progress is as bad as a failure
        }
        return std::size_t{count};
    }

    IoResult<> rewind(FileHandle file) override {
        return checked(SetFilePointerEx(handleOf(file), LARGE_INTEGER{}, nullptr, FILE_BEGIN));
    }
    IoResult<> truncate(FileHandle file, std::uint64_t) override {
        // Where the last write ended: the file is always written from its start to `size`.
        return checked(SetEndOfFile(handleOf(file)));
    }
    IoResult<> sync(FileHandle file) override { return checked(FlushFileBuffers(handleOf(file))); }
    IoResult<> close(FileHandle file) override { return checked(CloseHandle(handleOf(file))); }

    // A new file here takes its ACL from the one it replaces (ReplaceFileW), not call by call.
    IoResult<> setOwner(FileHandle, std::uint32_t, std::uint32_t) override {
        return failed(ERROR_NOT_SUPPORTED);
    }
    IoResult<> setMode(FileHandle, std::uint32_t) override { return failed(ERROR_NOT_SUPPORTED); }
    IoResult<> copyAttributes(FileHandle, FileHandle) override {
        return failed(ERROR_NOT_SUPPORTED);
    }

    IoResult<> rename(const fs::path& from, const fs::path& to) override {
        return checked(MoveFileExW(from.c_str(), to.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    }
    IoResult<> replace(const fs::path& target, const fs::path& replacement,
                       const fs::path& backup) override {
        // No REPLACEFILE_IGNORE_MERGE_ERRORS: a file that cannot keep its ACL is not replaced.
        return checked(
            ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr, nullptr));
    }
    IoResult<> remove(const fs::path& path) override { return checked(DeleteFileW(path.c_str())); }
    IoResult<FileHandle> lockFolder(const fs::path& folder) override {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, folderMutexName(folder).c_str());
        if (mutex == nullptr) {
            return lastError();
        }
        const DWORD waited = WaitForSingleObject(mutex, 0);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            return fileOf(mutex);
        }
        const std::error_code error =
            waited == WAIT_TIMEOUT ? failed(ERROR_LOCK_VIOLATION) : lastError();
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

bool isMissing(const std::error_code& error) {
    return isSystemError(error, {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND});
}
bool isTaken(const std::error_code& error) {
    return isSystemError(error, {ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS});
}
bool isNoFile(const std::error_code&) {
    return false; // a pipe or device opens, and is refused when looked at
}
bool isInUse(const std::error_code& error) {
    return isSystemError(error,
                         {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}); // the game, an editor
}
bool isRefused(const std::error_code& error) {
    return isSystemError(error, {ERROR_ACCESS_DENIED});
}
bool isBusy(const std::error_code& error) {
    return isSystemError(error, {ERROR_LOCK_VIOLATION});
}
bool takesNoLock(const std::error_code&) {
    return false; // a named mutex can always be made
}

} // namespace quarvel
