#pragma once

#include "cycle/Registry.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A registry held in memory. Every value set is noted in `log` ("registry Name=text"; a test may
// share it with the module files' log to see the order of all writes), and chosen values can be
// refused. Key paths are held without the leading "\\" that means "from the root".
class MemoryRegistry : public Registry {
public:
    using Values = std::map<std::string, RegistryValue>;

    MemoryRegistry()
        : m_log(m_ownLog)
    {
    }
    explicit MemoryRegistry(std::vector<std::string>& log)
        : m_log(log)
    {
    }

    std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) override
    {
        auto key = keys.find({ root, fromRoot(path) });
        if (key == keys.end())
            return nullptr;
        return std::make_unique<Key>(*this, key->second);
    }

    // Makes the key when it is missing.
    Values& key(RegistryRoot root, std::string_view path) { return keys[{ root, fromRoot(path) }]; }
    const std::vector<std::string>& log() const { return m_log; }
    std::string text(RegistryRoot root, const std::string& path, const std::string& name)
    {
        return key(root, path)[name].text;
    }
    // Where Windows is, as its setup records it.
    void setSystemRoot(const std::string& directory)
    {
        key(RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion")["SystemRoot"]
            = { RegistryValue::Kind::String, directory };
    }

    std::map<std::pair<RegistryRoot, std::string>, Values> keys;
    std::optional<std::string> refused; // a value of this name can't be set; the empty name is the default value

private:
    class Key : public RegistryKey {
    public:
        Key(MemoryRegistry& registry, Values& values)
            : m_registry(registry)
            , m_values(values)
        {
        }
        RegistryValue queryValue(std::string_view name) override
        {
            auto value = m_values.find(std::string(name));
            return value == m_values.end() ? RegistryValue {} : value->second;
        }
        bool setStringValue(std::string_view name, std::string_view text) override
        {
            if (name == m_registry.refused)
                return false;
            m_values[std::string(name)] = { RegistryValue::Kind::String, std::string(text) };
            m_registry.m_log.push_back("registry " + std::string(name) + "=" + std::string(text));
            return true;
        }

    private:
        MemoryRegistry& m_registry;
        Values& m_values;
    };

    static std::string fromRoot(std::string_view path)
    {
        if (path.starts_with('\\'))
            path.remove_prefix(1);
        return std::string(path);
    }

    std::vector<std::string> m_ownLog;
    std::vector<std::string>& m_log;
};
