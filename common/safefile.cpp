#include "common/safefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace common {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a freshly created file would get, or the old file's mode when it exists.
mode_t modeFor(const std::string& path) {
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        return old.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool fail(std::string* error, const std::string& what) {
    if (error) {
        *error = what + ": " + std::strerror(errno);
    }
    return false;
}

bool writeAll(int fd, const std::string& content) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool writeFileSafely(const std::string& path, const std::string& content, std::string* error) {
    if (path.empty() || path.back() == '/') {
        errno = EINVAL;
        return fail(error, path);
    }
    // A file the user has made read-only is protected: replacing it by rename would get round
    // its permissions, which the folder's own permissions do not cover.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return fail(error, path);
    }
    std::string pattern = folderOf(path) + "/." + nameOf(path) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return fail(error, pattern);
    }
    const std::string tempPath(temp.data());
    const bool written =
        writeAll(fd, content) && ::fchmod(fd, modeFor(path)) == 0 && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(tempPath.c_str());
        errno = written ? errno : savedErrno;
        return fail(error, path);
    }
    if (::rename(tempPath.c_str(), path.c_str()) != 0) {
        const int renameErrno = errno;
        ::unlink(tempPath.c_str());
        errno = renameErrno;
        return fail(error, path);
    }
    return true;
}

SafeFileStream::SafeFileStream(const std::string& path) : path_(path) {
    if (path.empty() || path.back() == '/' ||
        (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)) {
        failed_ = true;
        errno_ = path.empty() || path.back() == '/' ? EINVAL : EACCES;
        return;
    }
    std::string pattern = folderOf(path) + "/." + nameOf(path) + ".XXXXXX";
    std::vector<char> temp(pattern.begin(), pattern.end());
    temp.push_back('\0');
    fd_ = ::mkstemp(temp.data());
    if (fd_ < 0) {
        failed_ = true;
        errno_ = errno;
        return;
    }
    tempPath_ = temp.data();
}

SafeFileStream::~SafeFileStream() {
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(tempPath_.c_str());
    }
}

bool SafeFileStream::append(const std::string& piece) {
    if (failed_) {
        return false;
    }
    if (!writeAll(fd_, piece)) {
        failed_ = true;
        errno_ = errno;
    }
    return !failed_;
}

bool SafeFileStream::finish(std::string* error) {
    if (!failed_ && (::fchmod(fd_, modeFor(path_)) != 0 || ::fsync(fd_) != 0)) {
        failed_ = true;
        errno_ = errno;
    }
    if (fd_ >= 0) {
        if (::close(fd_) != 0 && !failed_) {
            failed_ = true;
            errno_ = errno;
        }
        fd_ = -1;
        if (!failed_ && ::rename(tempPath_.c_str(), path_.c_str()) != 0) {
            failed_ = true;
            errno_ = errno;
        }
        if (failed_) {
            ::unlink(tempPath_.c_str());
        }
    }
    if (failed_) {
        errno = errno_;
        return fail(error, path_);
    }
    return true;
}

bool readWholeFile(const std::string& path, std::string& content) {
    // A folder, a device such as /dev/zero or a pipe chosen as a file would read nothing, never
    // end or wait for ever; only ordinary files are read.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (in.bad()) {
        return false;
    }
    content = buffer.str();
    return true;
}

}  // namespace common
