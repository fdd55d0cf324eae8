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
    auto key = registry.openKey(RegistryRoot::CurrentUser, keyPath);
    if (!key)
        return;
    for (const auto& [name, text] : values) {
        if (!key->setStringValue(name, text))
            throw Exception(formatMessage("Failed to set data for '%s'", name));
    }
}
