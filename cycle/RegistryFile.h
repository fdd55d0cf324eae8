#pragma once

#include "cycle/Registry.h"
#include "cycle/RegistryDocument.h"

#include <functional>
#include <optional>
#include <string>

// The registry kept in a REGEDIT4 text file. The file is parsed once and held in memory; it is
// parsed again only when it has changed on disk, so values edited by hand while the program runs
// are seen and never overwritten with stale ones. Every value set, and every batch of values set
// together, is written through at once, atomically, under an advisory lock on the store that other
// writers taking it wait for; a file that changed while the new one was being written is read
// again and the values set into it again before it is replaced. A store that is missing, unreadable or damaged makes
// every openKey throw a message naming the file (and the damaged line), and nothing is ever written over it.
class RegistryFile : public Registry {
public:
    explicit RegistryFile(std::string path);

    // A relative path in the store is taken from the folder that holds the store's folder: the
    // program folder, for a stand-in machine's "machine/registry.reg".
    std::string relativePathBase() const override;

    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) override;
    std::size_t setStrings(RegistryRoot root, const std::vector<RegistryString>& values) override;

    const std::string& path() const { return m_path; }

private:
    class Key;
    friend class Key;

    // The stamp tells whether the file on disk is the one that was parsed.
    struct Stamp {
        unsigned long long device = 0, inode = 0, size = 0;
        long long modifiedSeconds = 0, modifiedNanoseconds = 0;
        long long changedSeconds = 0, changedNanoseconds = 0;
        bool operator==(const Stamp&) const = default;
    };

    RegistryDocument& document();
    void forgetDocument();
    std::optional<Stamp> stampOnDisk() const;
    // Overtaken: the file changed on disk while the new one was being written, and stays as it is.
    enum class Written { Whole, Overtaken, Not };
    Written writeDocument();
    bool writeThrough(const std::function<bool(RegistryDocument&)>& set);
    bool setString(RegistryRoot root, const std::string& keyPath, std::string_view name, std::string_view text);

    std::string m_path;
    std::optional<RegistryDocument> m_document;
    std::optional<Stamp> m_stamp;
    // The file as it was when parsed or last written. The times on disk move in steps of a few
    // milliseconds, so an edit of the same size can keep the stamp; the bytes tell.
    std::string m_bytes;
};
