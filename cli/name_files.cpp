#include "cli/name_files.h"

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/name_list_reader.h"
#include "text/shown.h"

namespace quelvarinox::cli {

namespace {

std::string cannot(std::string_view what, const std::string& path, int error)
{
    return "No se puede " + std::string(what) + " " + detail::shown(path) + ": " + detail::describe_errno(error) + ".";
}

}  // namespace

NameList read_name_list(const std::string& path)
{
    NameList list;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        list.error = cannot("leer", path, errno);
        return list;
    }
    if (S_ISDIR(info.st_mode)) {
        list.error = cannot("leer", path, EISDIR);
        return list;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        list.error = cannot("leer", path, errno);
        return list;
    }
    NameListReader reader(path);
    std::array<char, 1 << 16> chunk;
    while (in.read(chunk.data(), chunk.size()) || in.gcount() > 0)
        if (!reader.take({chunk.data(), static_cast<std::size_t>(in.gcount())}))
            break;
    if (reader.error().empty() && in.bad())
        list.error = cannot("leer", path, EIO);
    else if (!reader.finish())
        list.error = reader.error();
    else
        list.names = std::move(reader.names());
    return list;
}

NameRecorder::NameRecorder(const std::string& path, std::string& error) : path_(path)
{
    fd_ = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0)
        error = cannot("abrir para anotar", path, errno);
}

NameRecorder::~NameRecorder()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool NameRecorder::is_file(const std::string& path) const
{
    struct stat ours {};
    struct stat theirs {};
    return ::fstat(fd_, &ours) == 0 && ::stat(path.c_str(), &theirs) == 0 && ours.st_dev == theirs.st_dev &&
           ours.st_ino == theirs.st_ino;
}

bool NameRecorder::append_pending(std::string& error)
{
    if (pending_.empty())
        return true;
    while (::flock(fd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            error = cannot("bloquear", path_, errno);
            return false;
        }
    }
    struct stat before {};
    const bool measured = ::fstat(fd_, &before) == 0;
    std::size_t done = 0;
    int failure = 0;
    while (done < pending_.size()) {
        const ssize_t written = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (written >= 0) {
            done += static_cast<std::size_t>(written);
        } else if (errno != EINTR) {
            failure = errno;
            break;
        }
    }
    // What was written of a batch that failed is taken back, so the file keeps
    // only whole lines.
    const bool taken_back = failure == 0 || done == 0 || (measured && ::ftruncate(fd_, before.st_size) == 0);
    ::flock(fd_, LOCK_UN);
    pending_.clear();
    if (failure != 0)
        error = cannot("anotar en", path_, failure) +
                (taken_back ? "" : " Su última línea puede haber quedado a medias.");
    return failure == 0;
}

}  // namespace quelvarinox::cli
