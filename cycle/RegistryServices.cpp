#include "cycle/RegistryServices.h"

#include "cycle/Exception.h"

std::string windowsDirectory(Registry& registry)
{
    static constexpr std::string_view valueName = "SystemRoot";
    auto key = registry.openKey(RegistryRoot::LocalMachine, "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    if (!key)
        return {};
    RegistryValue value = key->queryValue(valueName);
    switch (value.kind) {
    case RegistryValue::Kind::Missing:
        return {};
    case RegistryValue::Kind::String:
    case RegistryValue::Kind::ExpandableString:
        // Never taken from the current folder, which is wherever the program was started.
        if (!value.text.empty() && !value.text.starts_with('/'))
            return registry.relativePathBase() + value.text;
        return value.text;
    case RegistryValue::Kind::OtherType:
        throw Exception(formatMessage("Invalid data type for '%s'", valueName));
    case RegistryValue::Kind::Unreadable:
        break;
    }
    throw Exception(formatMessage("Failed to get data for '%s'", valueName));
}

void writeRegistryStrings(Registry& registry, std::string_view keyPath, const RegistryStrings& values)
{
    std::vector<RegistryString> inKey;
    inKey.reserve(values.size());
    for (const auto& [name, text] : values)
        inKey.push_back({ std::string(keyPath), name, text });
    std::size_t done = registry.setStrings(RegistryRoot::CurrentUser, inKey);
    if (done < values.size())
        throw Exception(formatMessage("Failed to set data for '%s'", values[done].first));
}

std::vector<std::string> writeRegistryStringsOfKeys(Registry& registry, const std::vector<RegistryString>& values)
{
    std::vector<std::string> failures;
    std::vector<RegistryString> rest = values;
    while (!rest.empty()) {
        std::size_t done = registry.setStrings(RegistryRoot::CurrentUser, rest);
        if (done == rest.size())
            break;
        failures.push_back(formatMessage("Failed to set data for '%s'", rest[done].name));
        rest.erase(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(done + 1));
    }
    return failures;
}
