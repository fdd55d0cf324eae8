#include "cycle/RegistryFile.h"

#include "cycle/AtomicFileWriter.h"
#include "cycle/Exception.h"
#include "cycle/FileBytes.h"
#include "cycle/FileDescriptor.h"
#include "cycle/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

// Another program's edits that keep landing between the check and the rename make the set fail
// rather than be lost.
constexpr int writeAttempts = 20;

// An advisory lock on the store for as long as it lives. Every write replaces the file, so a lock
// taken on a file that has meanwhile been replaced is let go and taken again on the new one; a
// file system without locks leaves the store unlocked, and so does a store that is no regular
// file (it is refused when read).
class StoreLock {
public:
    explicit StoreLock(const std::string& path)
    {
        for (;;) {
            FileDescriptor file;
            try {
                file = openRegularFile(path);
            } catch (const Exception&) {
                return;
            }
            if (!file.isOpen())
                return;
            int locked = 0;
            while ((locked = ::flock(file.get(), LOCK_EX)) != 0 && errno == EINTR) { }
            struct stat held {
            }, named {};
            if (locked != 0
                || (::fstat(file.get(), &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev
                    && held.st_ino == named.st_ino)) {
                m_file = std::move(file);
                return;
            }
        }
    }

private:
    FileDescriptor m_file;
};

} // namespace

class RegistryFile::Key : public RegistryKey {
public:
    Key(RegistryFile& file, RegistryRoot root, std::string_view path)
        : m_file(file)
        , m_root(root)
        , m_path(path)
    {
    }

    RegistryValue queryValue(std::string_view name) override { return m_file.document().value(m_root, m_path, name); }

    bool setStringValue(std::string_view name, std::string_view text) override
    {
        return m_file.setString(m_root, m_path, name, text);
    }

private:
    RegistryFile& m_file;
    RegistryRoot m_root;
    std::string m_path;
};

RegistryFile::RegistryFile(std::string path)
    : m_path(std::move(path))
{
}

std::string RegistryFile::relativePathBase() const
{
    std::string folder = m_path.substr(0, m_path.rfind('/') + 1);
    if (folder.empty())
        return "../";
    std::size_t slash = folder.find_last_of('/', folder.size() - 2);
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::unique_ptr<RegistryKey> RegistryFile::openKey(RegistryRoot root, std::string_view path)
{
    if (!document().hasKey(root, path))
        return nullptr;
    return std::make_unique<Key>(*this, root, path);
}

std::optional<RegistryFile::Stamp> RegistryFile::stampOnDisk() const
{
    struct stat status { };
    if (::stat(m_path.c_str(), &status) != 0)
        return std::nullopt;
    return Stamp { static_cast<unsigned long long>(status.st_dev), static_cast<unsigned long long>(status.st_ino),
        static_cast<unsigned long long>(status.st_size), static_cast<long long>(status.st_mtim.tv_sec),
        static_cast<long long>(status.st_mtim.tv_nsec), static_cast<long long>(status.st_ctim.tv_sec),
        static_cast<long long>(status.st_ctim.tv_nsec) };
}

void RegistryFile::forgetDocument()
{
    m_document.reset();
    m_stamp.reset();
    m_bytes.clear();
}

RegistryDocument& RegistryFile::document()
{
    auto stamp = stampOnDisk();
    if (m_document && stamp && stamp == m_stamp)
        return *m_document;

    // Forget the old contents first: if the new ones can't be read, nothing may be written.
    forgetDocument();
    std::string bytes;
    if (!stamp || !readFileBytes(m_path, bytes))
        throw Exception(formatMessage("Cannot open file %s", m_path));
    m_document.emplace(bytes, m_path);
    m_stamp = stamp;
    m_bytes = std::move(bytes);
    return *m_document;
}

// `set` says whether it changed the document; a document left as it was is not written.
bool RegistryFile::writeThrough(const std::function<bool(RegistryDocument&)>& set)
{
    StoreLock lock(m_path);
    for (int attempt = 0; attempt < writeAttempts; ++attempt) {
        if (!set(document()))
            return false;
        Written written = writeDocument();
        if (written == Written::Whole)
            return true;
        // Memory now holds values the file lacks: read the file again before any other use.
        forgetDocument();
        if (written == Written::Not)
            return false;
    }
    return false;
}

bool RegistryFile::setString(
    RegistryRoot root, const std::string& keyPath, std::string_view name, std::string_view text)
{
    return writeThrough([&](RegistryDocument& current) {
        // A key deleted by hand since it was opened can't take values, as on Windows.
        return current.hasKey(root, keyPath) && current.setString(root, keyPath, name, text);
    });
}

std::size_t RegistryFile::setStrings(RegistryRoot root, const std::vector<RegistryString>& values)
{
    std::size_t done = 0;
    std::optional<std::size_t> firstSet;
    const bool written = writeThrough([&](RegistryDocument& current) {
        firstSet.reset();
        for (done = 0; done < values.size(); ++done) {
            const RegistryString& value = values[done];
            if (!current.hasKey(root, value.keyPath))
                continue;
            if (!current.setString(root, value.keyPath, value.name, value.text))
                break;
            if (!firstSet)
                firstSet = done;
        }
        return firstSet.has_value();
    });
    // A store that could not be written holds none of them: the first value to set is the one that failed.
    return written || !firstSet ? done : *firstSet;
}

RegistryFile::Written RegistryFile::writeDocument()
{
    std::string text = m_document->text();
    try {
        AtomicFileWriter file(m_path);
        file.write(text);
        if (!file.commitUnlessChanged(m_bytes))
            return Written::Overtaken;
    } catch (const Exception&) {
        return Written::Not;
    }
    m_stamp = stampOnDisk();
    m_bytes = std::move(text);
    return Written::Whole;
}
