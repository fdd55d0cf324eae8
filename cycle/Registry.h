#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class RegistryRoot { LocalMachine, CurrentUser };

// One value as read from an open key.
struct RegistryValue {
    enum class Kind {
        Missing, // no value of that name
        String, // a plain string
        ExpandableString, // a string that may hold %VARIABLES%, returned unexpanded
        OtherType, // dword, binary, multi-string and the rest
        Unreadable, // present, but its data could not be read
    };
    Kind kind = Kind::Missing;
    // The string's text; for other types the data as the store holds it.
    std::string text;
};

// A key opened for reading and writing; closed when destroyed.
class RegistryKey {
public:
    virtual ~RegistryKey() = default;

    // An empty name is the key's default value.
    virtual RegistryValue queryValue(std::string_view name) = 0;

    // Sets a plain string value, creating the value but never the key. False when it can't be set.
    virtual bool setStringValue(std::string_view name, std::string_view text) = 0;
};

// A plain string value to set: the path of its key, its name (empty for the default value), its text.
struct RegistryString {
    std::string keyPath;
    std::string name;
    std::string text;
};

// The system registry, or a stand-in with the same semantics. Key paths use "\" between key names;
// a leading "\" means a path from the root, as does a path without one.
class Registry {
public:
    virtual ~Registry() = default;

    // The folder, ending in "/", that a relative path kept in the registry (the SystemRoot of a
    // stand-in machine) is taken from; empty where paths are kept whole.
    virtual std::string relativePathBase() const { return {}; }

    // Opens an existing key; never creates one. Null when the key does not exist.
    virtual std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) = 0;

    // Sets plain string values in the given order, each in its key when that key exists (a value
    // whose key is missing is passed over), and stops at the first value that can't be set.
    // Returns how many values were gone through before it; those set stay set. A store kept in
    // one file writes them all in one go.
    virtual std::size_t setStrings(RegistryRoot root, const std::vector<RegistryString>& values)
    {
        std::unique_ptr<RegistryKey> key;
        const std::string* keyPath = nullptr;
        std::size_t done = 0;
        for (const auto& value : values) {
            if (!keyPath || *keyPath != value.keyPath) {
                key = openKey(root, value.keyPath);
                keyPath = &value.keyPath;
            }
            if (key && !key->setStringValue(value.name, value.text))
                break;
            ++done;
        }
        return done;
    }
};
