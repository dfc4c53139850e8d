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

HANDLE handleOf(FileHandle file) {
    return reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(file));
}

FileHandle fileOf(HANDLE handle) {
    return static_cast<FileHandle>(reinterpret_cast<std::intptr_t>(handle));
}

struct Closer {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using Handle = std::unique_ptr<void, Closer>;

std::error_code openName(const fs::path& path, DWORD access, Handle& handle) {
    HANDLE opened =
        CreateFileW(path.c_str(), access, shareAll, nullptr, OPEN_EXISTING, nameItself, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    handle.reset(opened);
    return {};
}

// A SID in text is ASCII: "S-1-5-32-544".
std::error_code sidText(PSID sid, std::string& text) {
    LPWSTR converted = nullptr;
    if (!ConvertSidToStringSidW(sid, &converted)) {
        return lastError();
    }
    text.clear();
    for (const wchar_t* letter = converted; *letter != L'\0'; ++letter) {
        text += static_cast<char>(*letter);
    }
    LocalFree(converted);
    return {};
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
    std::error_code lookAt(const fs::path& path, FileLook& info) override {
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
        info = {};
        fill(information, info);
        info.attributes |= attributes & FILE_ATTRIBUTE_REPARSE_POINT;
        DWORD reparseTag = 0;
        FILE_ATTRIBUTE_TAG_INFO tag{};
        if ((info.attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
            GetFileInformationByHandleEx(handle.get(), FileAttributeTagInfo, &tag, sizeof tag)) {
            reparseTag = tag.ReparseTag;
        }
        const bool folder = (info.attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isLink(info.attributes, reparseTag)) {
            info.kind = folder ? FileKind::FolderLink : FileKind::Link;
        } else if ((info.attributes & FILE_ATTRIBUTE_DEVICE) != 0 && !folder) {
            info.kind = FileKind::Other;
        }
        return {};
    }

    std::error_code ownerOf(const fs::path& path, std::string& sid) override {
        Handle handle;
        if (const auto error = openName(path, READ_CONTROL, handle)) {
            return error;
        }
        PSID owner = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (const DWORD error =
                GetSecurityInfo(handle.get(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                                nullptr, nullptr, nullptr, &descriptor)) {
            return failed(error);
        }
        const auto error = sidText(owner, sid);
        LocalFree(descriptor);
        return error;
    }

    std::error_code currentUser(std::string& sid) override {
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

    std::error_code readLink(const fs::path& path, fs::path& target) override {
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
        target = name;
        return {};
    }

    std::error_code mayWrite(const fs::path& path) override {
        FileHandle file{};
        if (const auto error = open(path, OpenMode::Check, file)) {
            return error;
        }
        return close(file);
    }

    std::error_code open(const fs::path& path, OpenMode mode, FileHandle& file) override {
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
        HANDLE opened =
            CreateFileW(path.c_str(), rights, share, nullptr, OPEN_EXISTING, flags, nullptr);
        if (opened == INVALID_HANDLE_VALUE) {
            return lastError();
        }
        file = fileOf(opened);
        return {};
    }

    std::error_code create(const fs::path& path, std::uint32_t, std::uint32_t attributes,
                           FileHandle& file) override {
        HANDLE created = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE) {
            return lastError();
        }
        file = fileOf(created);
        return {};
    }

    std::error_code look(FileHandle file, FileLook& info) override {
        info = {};
        if (GetFileType(handleOf(file)) != FILE_TYPE_DISK) {
            return {}; // a pipe, the console or a device such as NUL
        }
        BY_HANDLE_FILE_INFORMATION information{};
        if (!GetFileInformationByHandle(handleOf(file), &information)) {
            return lastError();
        }
        fill(information, info);
        return {};
    }

    std::error_code read(FileHandle file, char* buffer, std::size_t size,
                         std::size_t& got) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!ReadFile(handleOf(file), buffer, asked, &count, nullptr)) {
            return lastError();
        }
        got = count;
        return {};
    }

    std::error_code write(FileHandle file, const char* data, std::size_t size,
                          std::size_t& written) override {
        DWORD count = 0;
        const DWORD asked = DWORD(std::min<std::size_t>(size, std::size_t{1} << 30));
        if (!WriteFile(handleOf(file), data, asked, &count, nullptr)) {
            return lastError();
        }
        if (count == 0 && size != 0) {
            return failed(ERROR_WRITE_FAULT); // no progress is as bad as a failure
        }
        written = count;
        return {};
    }

    std::error_code rewind(FileHandle file) override {
        return SetFilePointerEx(handleOf(file), LARGE_INTEGER{}, nullptr, FILE_BEGIN)
                   ? std::error_code()
                   : lastError();
    }
    std::error_code truncate(FileHandle file, std::uint64_t) override {
        // Where the last write ended: the file is always written from its start to `size`.
        return SetEndOfFile(handleOf(file)) ? std::error_code() : lastError();
    }
    std::error_code sync(FileHandle file) override {
        return FlushFileBuffers(handleOf(file)) ? std::error_code() : lastError();
    }
    std::error_code close(FileHandle file) override {
        return CloseHandle(handleOf(file)) ? std::error_code() : lastError();
    }

    // A new file here takes its ACL from the one it replaces (ReplaceFileW), not call by call.
    std::error_code setOwner(FileHandle, std::uint32_t, std::uint32_t) override {
        return failed(ERROR_NOT_SUPPORTED);
    }
    std::error_code setMode(FileHandle, std::uint32_t) override {
        return failed(ERROR_NOT_SUPPORTED);
    }
    std::error_code copyAttributes(FileHandle, FileHandle) override {
        return failed(ERROR_NOT_SUPPORTED);
    }

    std::error_code rename(const fs::path& from, const fs::path& to) override {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                   ? std::error_code()
                   : lastError();
    }
    std::error_code replace(const fs::path& target, const fs::path& replacement,
                            const fs::path& backup) override {
        // No REPLACEFILE_IGNORE_MERGE_ERRORS: a file that cannot keep its ACL is not replaced.
        return ReplaceFileW(target.c_str(), replacement.c_str(), backup.c_str(), 0, nullptr,
                            nullptr)
                   ? std::error_code()
                   : lastError();
    }
    std::error_code remove(const fs::path& path) override {
        return DeleteFileW(path.c_str()) ? std::error_code() : lastError();
    }
    std::error_code lockFolder(const fs::path& folder, FileHandle& lock) override {
        HANDLE mutex = CreateMutexW(nullptr, FALSE, folderMutexName(folder).c_str());
        if (mutex == nullptr) {
            return lastError();
        }
        const DWORD waited = WaitForSingleObject(mutex, 0);
        if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) {
            lock = fileOf(mutex);
            return {};
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

namespace {

bool isCode(const std::error_code& error, std::initializer_list<DWORD> values) {
    if (error.category() != std::system_category()) {
        return false;
    }
    for (const DWORD value : values) {
        if (error.value() == static_cast<int>(value)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool isMissing(const std::error_code& error) {
    return isCode(error, {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND});
}
bool isTaken(const std::error_code& error) {
    return isCode(error, {ERROR_FILE_EXISTS, ERROR_ALREADY_EXISTS});
}
bool isNoFile(const std::error_code&) {
    return false; // a pipe or device opens, and is refused when looked at
}
bool isInUse(const std::error_code& error) {
    return isCode(error, {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION}); // the game, an editor
}
bool isRefused(const std::error_code& error) {
    return isCode(error, {ERROR_ACCESS_DENIED});
}
bool isBusy(const std::error_code& error) {
    return isCode(error, {ERROR_LOCK_VIOLATION});
}
bool takesNoLock(const std::error_code&) {
    return false; // a named mutex can always be made
}

} // namespace quarvel
