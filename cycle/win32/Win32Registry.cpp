#include "cycle/win32/Win32Registry.h"

#include <limits>
#include <windows.h>

namespace {

std::string withoutLeadingSeparator(std::string_view path)
{
    return std::string(path.starts_with('\\') ? path.substr(1) : path);
}

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), int(a.size()), b.data(), int(b.size()))
        == CSTR_EQUAL;
}

std::string systemWindowsDirectory()
{
    char folder[MAX_PATH + 1];
    UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return length == 0 || length > MAX_PATH ? std::string() : std::string(folder, length);
}

class Win32Key : public RegistryKey {
public:
    Win32Key(HKEY key, bool windowsVersionKey)
        : m_key(key)
        , m_windowsVersionKey(windowsVersionKey)
    {
    }
    ~Win32Key() override { RegCloseKey(m_key); }
    Win32Key(const Win32Key&) = delete;
    Win32Key& operator=(const Win32Key&) = delete;

    RegistryValue queryValue(std::string_view name) override
    {
        RegistryValue value = read(std::string(name));
        if (value.kind == RegistryValue::Kind::Missing && m_windowsVersionKey && sameText(name, "SystemRoot")) {
            value.text = systemWindowsDirectory();
            value.kind = value.text.empty() ? RegistryValue::Kind::Missing : RegistryValue::Kind::String;
        }
        return value;
    }

    bool setStringValue(std::string_view name, std::string_view text) override
    {
        if (text.size() >= std::numeric_limits<DWORD>::max())
            return false;
        const std::string nameText(name), data(text);
        // The stored size counts the terminating NUL, as Windows expects of REG_SZ data.
        return RegSetValueExA(m_key, nameText.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1))
            == ERROR_SUCCESS;
    }

private:
    RegistryValue read(const std::string& name)
    {
        RegistryValue value;
        DWORD type = 0, size = 0;
        LONG status = RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, &size);
        // The value may grow between asking its size and reading it; then it is asked again.
        std::string data;
        for (int attempt = 0; attempt < 8 && (status == ERROR_SUCCESS || status == ERROR_MORE_DATA); ++attempt) {
            data.resize(size);
            status = RegQueryValueExA(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size);
            if (status == ERROR_SUCCESS) {
                data.resize(size);
                return described(type, std::move(data));
            }
        }
        value.kind = status == ERROR_FILE_NOT_FOUND ? RegistryValue::Kind::Missing : RegistryValue::Kind::Unreadable;
        return value;
    }

    static RegistryValue described(DWORD type, std::string data)
    {
        RegistryValue value;
        value.kind = RegistryValue::Kind::OtherType;
        if (type == REG_SZ || type == REG_EXPAND_SZ) {
            // Stored strings need not end in a NUL, and may hold more than one.
            auto end = data.find('\0');
            if (end != std::string::npos)
                data.resize(end);
            value.kind = type == REG_SZ ? RegistryValue::Kind::String : RegistryValue::Kind::ExpandableString;
        }
        value.text = std::move(data);
        return value;
    }

    HKEY m_key;
    bool m_windowsVersionKey;
};

} // namespace

std::unique_ptr<RegistryKey> Win32Registry::openKey(RegistryRoot root, std::string_view path)
{
    const bool localMachine = root == RegistryRoot::LocalMachine;
    const std::string subKey = withoutLeadingSeparator(path);
    const REGSAM access = localMachine ? KEY_READ : KEY_READ | KEY_SET_VALUE;
    HKEY key = nullptr;
    if (RegOpenKeyExA(localMachine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER, subKey.c_str(), 0, access, &key)
        != ERROR_SUCCESS)
        return nullptr;
    const bool windowsVersionKey = localMachine && sameText(subKey, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    try {
        return std::make_unique<Win32Key>(key, windowsVersionKey);
    } catch (...) {
        RegCloseKey(key);
        throw;
    }
}
