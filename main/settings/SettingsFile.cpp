// Debian's SimpleIni header keeps the parser's body behind this switch. It is compiled
// here, once for the whole program, instead of linking the packaged library and its ICU.
#define SI_IMPLEMENTATION
#include "SettingsFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

template class CSimpleIniTempl<char, SI_GenericNoCase<char>, SI_ConvertA<char>>;

namespace {

bool WriteAll(int fd, const std::string& data)
{
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A link to the settings file (kept with the user's other configuration, say) is
// followed, so the link stays and the file it points to is replaced.
std::string ResolveTarget(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return path;
    std::string result(real);
    std::free(real);
    return result;
}

std::string FolderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Temporary files are named ".<file>-<process id>-<serial>" in the target's folder.
struct TemporaryName {
    std::string folder; // empty or ending in '/'
    std::string prefix; // ".<file>-"

    explicit TemporaryName(const std::string& target)
    {
        const auto slash = target.rfind('/');
        folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
        prefix = "." + (slash == std::string::npos ? target : target.substr(slash + 1)) + "-";
    }
};

// Opened exclusively with mode 0666 so the umask applies as for any new file.
int CreateTemporary(const std::string& target, std::string& name)
{
    static std::atomic<unsigned> serial{0};
    const TemporaryName temporary(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporary.folder + temporary.prefix + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

std::optional<unsigned long> Digits(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    unsigned long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned long>(c - '0');
    }
    return value;
}

// A save killed half-way leaves its temporary file behind. Only files of exactly our
// naming are looked at; one is left over when the process that made it is gone, or when
// it is older than any save takes (its process number may belong to another program by now).
void RemoveLeftovers(const std::string& target)
{
    constexpr time_t MaxAge = 10 * 60;
    const TemporaryName temporary(target);
    DIR* folder = ::opendir(temporary.folder.empty() ? "." : temporary.folder.c_str());
    if (!folder)
        return;
    while (const dirent* entry = ::readdir(folder)) {
        std::string_view name = entry->d_name;
        if (!name.starts_with(temporary.prefix))
            continue;
        name.remove_prefix(temporary.prefix.size());
        const auto dash = name.find('-');
        const auto pid = Digits(name.substr(0, dash));
        if (dash == std::string_view::npos || !pid || !Digits(name.substr(dash + 1)))
            continue;
        const std::string path = temporary.folder + entry->d_name;
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        const bool running = *pid != 0 && *pid <= INT_MAX
            && (::kill(static_cast<pid_t>(*pid), 0) == 0 || errno == EPERM);
        if (!running || std::time(nullptr) - st.st_mtime > MaxAge)
            ::unlink(path.c_str());
    }
    ::closedir(folder);
}

} // namespace

SettingsFile::SettingsFile(std::string path)
    : m_path(std::move(path))
    , m_ini(false, false, false)
{
}

bool SettingsFile::Load()
{
    m_ini.Reset();
    // Non-blocking, so a pipe put in the file's place cannot hang the start.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        m_failed = errno != ENOENT;
        return !m_failed;
    }

    std::string data;
    bool ok = false;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= MaxSize) {
        try {
            // One byte more than measured shows whether the file grew since; it may
            // grow up to one past the cap, which is then refused.
            data.resize(static_cast<std::size_t>(st.st_size) + 1);
            std::size_t size = 0;
            ok = true;
            while (size < data.size()) {
                const ssize_t n = ::read(fd, data.data() + size, data.size() - size);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0)
                    ok = false;
                if (n <= 0)
                    break;
                size += static_cast<std::size_t>(n);
                if (size == data.size() && size <= MaxSize)
                    data.resize(std::min(2 * size, MaxSize + 1));
            }
            data.resize(size);
            ok = ok && size <= MaxSize && m_ini.LoadData(data) >= 0;
        } catch (const std::exception&) {
            ok = false;
        }
    }
    ::close(fd);
    if (!ok)
        m_ini.Reset();
    m_failed = !ok;
    return ok;
}

std::optional<int32_t> SettingsFile::ParseInteger(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return std::nullopt;

    // One past the largest magnitude, so the most negative value still fits.
    constexpr int64_t limit = int64_t{INT32_MAX} + 1;
    int64_t magnitude = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

int32_t SettingsFile::ReadInteger(const char* section, const char* key, int32_t defaultValue) const
{
    const char* value = m_ini.GetValue(section, key, nullptr);
    if (!value)
        return defaultValue;
    return ParseInteger(value).value_or(defaultValue);
}

bool SettingsFile::ReadBool(const char* section, const char* key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsFile::WriteInteger(const char* section, const char* key, int32_t value)
{
    try {
        if (m_ini.SetValue(section, key, std::to_string(value).c_str()) < 0)
            m_failed = true;
    } catch (const std::exception&) {
        m_failed = true;
    }
}

void SettingsFile::WriteBool(const char* section, const char* key, bool value)
{
    WriteInteger(section, key, value ? 1 : 0);
}

bool SettingsFile::Save()
{
    if (m_failed)
        return false;
    std::string content;
    try {
        if (m_ini.Save(content, m_ini.IsUnicode()) < 0)
            return false;
    } catch (const std::exception&) {
        return false;
    }

    const std::string target = ResolveTarget(m_path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists) {
        // A directory in the way, or a file the user made read-only, is not replaced.
        if (!S_ISREG(old.st_mode) || ::access(target.c_str(), W_OK) != 0)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }

    RemoveLeftovers(target);
    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return false;
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    if (ok && exists)
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }

    // Makes the rename itself durable. The new file is in place whatever this says,
    // and some file systems cannot sync a folder at all, so its result is not asked.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool SettingsFile::CreateFolder() const
{
    const std::string folder = FolderOf(m_path);
    // Every missing folder from the top down; one that exists already is left as it is.
    for (auto end = folder.find('/', 1);; end = folder.find('/', end + 1)) {
        ::mkdir(folder.substr(0, end).c_str(), 0700);
        if (end == std::string::npos)
            break;
    }
    struct stat st {};
    return ::stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}
