#include "config/file_io.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quarvel {

namespace {

class SystemFileIo final : public FileIo {
public:
    SystemFileIo() {
        // A write past the file-size limit must fail with EFBIG instead of killing the program.
        std::signal(SIGXFSZ, SIG_IGN);
    }

    int createTemp(std::string& pathTemplate) override {
        return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
    }
    ssize_t write(int fd, const char* data, std::size_t size) override {
        return ::write(fd, data, size);
    }
    int sync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int chmod(int fd, mode_t mode) override { return ::fchmod(fd, mode); }
    int rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str());
    }
    int remove(const std::string& path) override { return ::unlink(path.c_str()); }

    bool readFile(const std::string& path, std::string& content) override {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        content.clear();
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                const int error = errno;
                ::close(fd);
                errno = error;
                return got == 0;
            }
            content.append(buffer, static_cast<std::size_t>(got));
        }
    }
};

} // namespace

FileIo& systemFileIo() {
    static SystemFileIo io;
    return io;
}

} // namespace quarvel
