#pragma once

#include <memory>
#include <string>
#include <string_view>

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

// The system registry, or a stand-in with the same semantics. Key paths use "\" between key names;
// a leading "\" means a path from the root, as does a path without one.
class Registry {
public:
    virtual ~Registry() = default;

    // Opens an existing key; never creates one. Null when the key does not exist.
    virtual std::unique_ptr<RegistryKey> openKey(RegistryRoot root, std::string_view path) = 0;
};
