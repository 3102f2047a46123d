#pragma once

#include "CVersionInfo.h"

#include <memory>
#include <string>
#include <vector>

struct QxResModule;

// A loaded resource module ("Res.dll"): string table, version information,
// icons and bitmaps. One module is the program's current one, loaded at
// start-up; others can be opened to read their version information.
class CResourceModule {
public:
    ~CResourceModule();
    CResourceModule(const CResourceModule&) = delete;
    CResourceModule& operator=(const CResourceModule&) = delete;

    static std::unique_ptr<CResourceModule> Open(const std::string& path);

    // Loads "Res.dll" from the program folder, else from the fallback folder,
    // and makes it current for the rest of the run.
    static bool LoadResourceModule();
    // Why LoadResourceModule failed, naming the files it tried. Without the
    // module there are no texts at all, so this one is not a resource.
    static std::string LoadFailureText();
    static void SetCurrent(std::unique_ptr<CResourceModule> module);
    static const CResourceModule* Current();
    // String of the current module; empty when there is none.
    static std::string LoadString(unsigned id);

    std::string GetString(unsigned id) const;
    CVersionInfo GetVersionInfo() const;
    // PNG bytes of an icon or bitmap; empty when the module has none.
    std::vector<unsigned char> GetIcon(unsigned id) const;
    std::vector<unsigned char> GetBitmap(unsigned id) const;
    const std::string& GetPath() const { return m_path; }

private:
    CResourceModule(void* handle, const QxResModule* table, std::string path);

    void* m_handle;
    const QxResModule* m_table;
    std::string m_path;
};
