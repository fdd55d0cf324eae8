#include "cycle/AtomicFileWriter.h"

#include "cycle/Exception.h"
#include "cycle/FileWriteAll.h"
#include "cycle/StaleTemporaries.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

// Windows has no unnamed files: the temporary is named from the start, and a write killed
// half-way leaves it until the next write into its folder removes it. m_permissions holds the
// target's file attributes, which the replacement takes over (a hidden logo.sys stays hidden).

namespace {

constexpr DWORD keptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

std::size_t lastSeparator(const std::string& path)
{
    return path.find_last_of("\\/:");
}

std::string folderOf(const std::string& path)
{
    auto at = lastSeparator(path);
    if (at == std::string::npos)
        return ".";
    return path[at] == ':' ? path.substr(0, at + 1) : path.substr(0, at);
}

std::string nameOf(const std::string& path)
{
    auto at = lastSeparator(path);
    return at == std::string::npos ? path : path.substr(at + 1);
}

std::string siblingOf(const std::string& path, const std::string& name)
{
    auto at = lastSeparator(path);
    return at == std::string::npos ? name : path.substr(0, at + 1) + name;
}

} // namespace

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const auto piece = static_cast<unsigned>(bytes.size() > 0x40000000u ? 0x40000000u : bytes.size());
        int written = ::_write(fd, bytes.data(), piece);
        if (written < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

AtomicFileWriter::AtomicFileWriter(std::string path, std::string_view failurePattern)
    : m_path(std::move(path))
    , m_failurePattern(failurePattern)
    , m_target(m_path)
{
    if (m_path.empty() || lastSeparator(m_target) == m_target.size() - 1)
        fail();
    const DWORD attributes = GetFileAttributesA(m_target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        // A read-only file is refused, as the POSIX build refuses one without write permission.
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))
            fail();
        m_existed = true;
        m_permissions = static_cast<mode_t>(attributes & keptAttributes);
    }
    removeStaleTemporaries(folderOf(m_target));
    if (!openNamed()) {
        bool folderRefuses = errno == EACCES;
        if (!folderRefuses || !m_existed || !openInPlace())
            fail();
    }
    if (m_mode != Mode::InPlace)
        m_buffer.reserve(bufferSize);
}

bool AtomicFileWriter::openNamed()
{
    const std::string name = nameOf(m_target);
    const auto pid = static_cast<pid_t>(GetCurrentProcessId());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = siblingOf(m_target, temporaryFileName(name, pid, nextTemporaryNumber()));
        m_file = FileDescriptor(::_open(
            temporary.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE));
        if (m_file.isOpen()) {
            m_temporary = std::move(temporary);
            m_mode = Mode::Named;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool AtomicFileWriter::openInPlace()
{
    m_file = FileDescriptor(::_open(m_target.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT));
    m_mode = Mode::InPlace;
    return m_file.isOpen();
}

AtomicFileWriter::~AtomicFileWriter()
{
    m_file.close();
    if (!m_temporary.empty())
        DeleteFileA(m_temporary.c_str());
}

void AtomicFileWriter::fail()
{
    m_file.close();
    if (!m_temporary.empty())
        DeleteFileA(m_temporary.c_str());
    m_temporary.clear();
    throw Exception(formatMessage(m_failurePattern, m_path));
}

void AtomicFileWriter::sync()
{
    if (!m_file.isOpen())
        fail();
    if (m_mode == Mode::InPlace)
        return;
    flush();
    if (::_commit(m_file.get()) != 0)
        fail();
    m_synced = true;
}

void AtomicFileWriter::commit()
{
    if (!m_file.isOpen())
        fail();
    if (m_mode == Mode::InPlace) {
        commitInPlace();
        return;
    }
    if (!m_synced)
        sync();
    if (!m_file.close())
        fail();
    // A hidden or system target refuses a replacement that lacks those attributes on some
    // systems; the temporary takes them on first.
    if (m_existed && m_permissions != 0)
        SetFileAttributesA(m_temporary.c_str(), m_permissions);
    if (!MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail();
    m_temporary.clear();
}

namespace {

bool holds(const std::string& path, std::string_view expected)
{
    FileDescriptor file(::_open(path.c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT));
    if (!file.isOpen())
        return false;
    std::string bytes(expected.size() + 1, '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == bytes.size())
            return false;
        const auto piece = static_cast<unsigned>(std::min<std::size_t>(bytes.size() - filled, 0x40000000u));
        int got = ::_read(file.get(), bytes.data() + filled, piece);
        if (got <= 0)
            return got == 0 && std::string_view(bytes.data(), filled) == expected;
        filled += static_cast<std::size_t>(got);
    }
}

} // namespace

// Windows can't swap two names: the check comes right before the replacement, which is all there is.
bool AtomicFileWriter::commitUnlessChanged(std::string_view expected)
{
    if (!m_file.isOpen())
        fail();
    if (m_mode != Mode::InPlace) {
        if (!m_synced)
            sync();
        if (!m_file.close())
            fail();
    }
    if (!holds(m_target, expected))
        return drop();
    if (m_mode == Mode::InPlace) {
        commitInPlace();
        return true;
    }
    if (m_existed && m_permissions != 0)
        SetFileAttributesA(m_temporary.c_str(), m_permissions);
    if (!MoveFileExA(m_temporary.c_str(), m_target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail();
    m_temporary.clear();
    return true;
}

bool AtomicFileWriter::drop()
{
    m_file.close();
    if (!m_temporary.empty())
        DeleteFileA(m_temporary.c_str());
    m_temporary.clear();
    return false;
}

void AtomicFileWriter::commitInPlace()
{
    const int fd = m_file.get();
    const auto size = static_cast<long long>(m_buffer.size());
    if (::_lseeki64(fd, 0, SEEK_SET) != 0 || !writeAll(fd, m_buffer) || ::_chsize_s(fd, size) != 0 || ::_commit(fd) != 0
        || !m_file.close())
        fail();
    m_buffer.clear();
}
