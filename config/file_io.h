#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// The handful of system calls that writing a file safely takes, behind an interface so tests can
// make any one of them fail. Every call reports failure like the system call does: -1 (or false)
// with errno set.
namespace quarvel {

class FileIo {
public:
    virtual ~FileIo() = default;

    // Creates and opens a new file from a mkstemp template, which it rewrites to the name used.
    virtual int createTemp(std::string& pathTemplate) = 0;
    virtual ssize_t write(int fd, const char* data, std::size_t size) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int chmod(int fd, mode_t mode) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
    virtual int remove(const std::string& path) = 0;
    // Reads a whole file.
    virtual bool readFile(const std::string& path, std::string& content) = 0;
};

// The real system calls.
FileIo& systemFileIo();

} // namespace quarvel
