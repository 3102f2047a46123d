#pragma once

#include <optional>
#include <string>

// String values kept by key path and value name, the way the Windows
// registry keeps them. Each hive is one INI file: the section is the key
// path, the key is the value name, and "*" names the key's default value.
// Per-user hives live in the user's configuration folder, machine-wide
// ones in the system's; QX_SENDORA_REGISTRY_DIR puts them all in one folder.
class CRegistry {
public:
    enum class Hive { ClassesRoot, CurrentUser, LocalMachine, Users, CurrentConfig };

    virtual ~CRegistry() = default;

    // False when the hive is not accepted, the text cannot be stored so
    // that it reads back unchanged, or the file cannot be written.
    bool WriteValue(Hive hive, const std::string& keyPath, const std::string& valueName,
                    const std::string& text) const;
    // The stored text; empty when the hive, key or value cannot be read.
    std::string ReadValue(Hive hive, const std::string& keyPath, const std::string& valueName) const;
    // A key exists when it, or a key below it, was stored.
    bool KeyExists(Hive hive, const std::string& keyPath) const;

    // The file that holds an accepted hive.
    static std::optional<std::string> HiveFile(Hive hive);
};
