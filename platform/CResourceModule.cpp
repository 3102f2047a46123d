#include "CResourceModule.h"

#include "CProgramPaths.h"
#include "ResourceModuleAbi.h"

#include <dlfcn.h>

namespace {
std::unique_ptr<CResourceModule>& CurrentModule()
{
    static std::unique_ptr<CResourceModule> module;
    return module;
}

std::vector<unsigned char> FindImage(const QxResImage* images, unsigned count, unsigned id)
{
    for (unsigned i = 0; i < count; ++i)
        if (images[i].id == id)
            return {images[i].png, images[i].png + images[i].size};
    return {};
}

std::vector<std::string> SearchPaths()
{
    return {CProgramPaths::GetProgramFolder() + "Res.dll", CProgramPaths::GetFallbackFolder() + "Res.dll"};
}
}

CResourceModule::CResourceModule(void* handle, const QxResModule* table, std::string path)
    : m_handle(handle)
    , m_table(table)
    , m_path(std::move(path))
{
}

CResourceModule::~CResourceModule()
{
    dlclose(m_handle);
}

std::unique_ptr<CResourceModule> CResourceModule::Open(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return nullptr;
    using EntryPoint = const QxResModule* (*)();
    auto entry = reinterpret_cast<EntryPoint>(dlsym(handle, kQxResEntryPoint));
    const QxResModule* table = entry ? entry() : nullptr;
    if (!table || table->abiVersion != kQxResAbiVersion) {
        dlclose(handle);
        return nullptr;
    }
    return std::unique_ptr<CResourceModule>(new CResourceModule(handle, table, path));
}

bool CResourceModule::LoadResourceModule()
{
    for (const std::string& path : SearchPaths())
        if (auto module = Open(path)) {
            SetCurrent(std::move(module));
            return true;
        }
    return false;
}

std::string CResourceModule::LoadFailureText()
{
    const auto paths = SearchPaths();
    return "cannot load the resource module: tried " + paths[0] + " and " + paths[1];
}

void CResourceModule::SetCurrent(std::unique_ptr<CResourceModule> module)
{
    CurrentModule() = std::move(module);
}

const CResourceModule* CResourceModule::Current()
{
    return CurrentModule().get();
}

std::string CResourceModule::LoadString(unsigned id)
{
    const CResourceModule* module = Current();
    return module ? module->GetString(id) : std::string();
}

std::string CResourceModule::GetString(unsigned id) const
{
    for (unsigned i = 0; i < m_table->stringCount; ++i)
        if (m_table->strings[i].id == id)
            return m_table->strings[i].text;
    return {};
}

CVersionInfo CResourceModule::GetVersionInfo() const
{
    return CVersionInfo::FromModule(*m_table);
}

std::vector<unsigned char> CResourceModule::GetIcon(unsigned id) const
{
    return FindImage(m_table->icons, m_table->iconCount, id);
}

std::vector<unsigned char> CResourceModule::GetBitmap(unsigned id) const
{
    return FindImage(m_table->bitmaps, m_table->bitmapCount, id);
}
