#include "cycle/RegistryFile.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/FileBytes.h"

#include <sys/stat.h>

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
        static_cast<long long>(status.st_mtim.tv_nsec) };
}

RegistryDocument& RegistryFile::document()
{
    auto stamp = stampOnDisk();
    if (m_document && stamp && stamp == m_stamp)
        return *m_document;

    // Forget the old contents first: if the new ones can't be read, nothing may be written.
    m_document.reset();
    m_stamp.reset();
    std::string bytes;
    if (!stamp || !readFileBytes(m_path, bytes))
        throw Exception(formatMessage("Cannot open file %s", m_path));
    m_document.emplace(bytes, m_path);
    m_stamp = stamp;
    return *m_document;
}

bool RegistryFile::setString(
    RegistryRoot root, const std::string& keyPath, std::string_view name, std::string_view text)
{
    RegistryDocument& current = document();
    // A key deleted by hand since it was opened can't take values, as on Windows.
    if (!current.hasKey(root, keyPath) || !current.setString(root, keyPath, name, text))
        return false;
    try {
        writeFileAtomically(m_path, current.text());
    } catch (const Exception&) {
        // Memory now holds a value the file lacks; read the file again at the next use.
        m_document.reset();
        m_stamp.reset();
        return false;
    }
    m_stamp = stampOnDisk();
    return true;
}
