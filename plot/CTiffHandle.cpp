#include "CTiffHandle.h"

#include "CUserFile.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

CTiffHandle::CTiffHandle(std::uint64_t maxAllocation)
    : m_options(TIFFOpenOptionsAlloc())
{
    TIFFOpenOptionsSetMaxSingleMemAlloc(m_options, static_cast<tmsize_t>(maxAllocation));
    TIFFOpenOptionsSetErrorHandlerExtR(m_options, &CTiffHandle::OnError, this);
    TIFFOpenOptionsSetWarningHandlerExtR(m_options, &CTiffHandle::OnWarning, this);
}

CTiffHandle::~CTiffHandle()
{
    Close();
    TIFFOpenOptionsFree(m_options);
}

bool CTiffHandle::Open(const std::string& path)
{
    CUserFile file(path);
    m_tiff = file.IsOpen() ? TIFFFdOpenExt(file.GetFd(), path.c_str(), "r", m_options) : nullptr;
    // libtiff closes the descriptor with the image.
    if (m_tiff)
        file.Release();
    if (!m_tiff && m_error.empty())
        m_error = "cannot open " + path;
    return m_tiff != nullptr;
}

bool CTiffHandle::Create(const std::string& path)
{
    m_tiff = TIFFOpenExt(path.c_str(), "w", m_options);
    if (!m_tiff && m_error.empty())
        m_error = "cannot create " + path;
    return m_tiff != nullptr;
}

bool CTiffHandle::OpenMemory(std::vector<std::uint8_t>& buffer, const char* mode)
{
    m_memory = {&buffer, 0};
    if (mode[0] == 'w')
        buffer.clear();
    // "m": no memory mapping, the buffer is read through Read.
    const std::string fullMode = std::string(mode) + "m";
    m_tiff = TIFFClientOpenExt("memory", fullMode.c_str(), &m_memory, &Read, &Write, &Seek, &CloseMemory, &Size,
                               &Map, &Unmap, m_options);
    if (!m_tiff && m_error.empty())
        m_error = "not a TIFF image";
    return m_tiff != nullptr;
}

void CTiffHandle::Close()
{
    if (m_tiff)
        TIFFClose(m_tiff);
    m_tiff = nullptr;
}

void CTiffHandle::Keep(std::string& text, const char* module, const char* format, va_list arguments)
{
    if (!text.empty())
        return;
    char message[512];
    std::vsnprintf(message, sizeof message, format, arguments);
    text = std::string(module ? module : "libtiff") + ": " + message;
}

int CTiffHandle::OnError(TIFF*, void* self, const char* module, const char* format, va_list arguments)
{
    Keep(static_cast<CTiffHandle*>(self)->m_error, module, format, arguments);
    return 1;
}

int CTiffHandle::OnWarning(TIFF*, void*, const char*, const char*, va_list)
{
    return 1;
}

tmsize_t CTiffHandle::Read(thandle_t memory, void* data, tmsize_t size)
{
    auto* m = static_cast<Memory*>(memory);
    const std::uint64_t available = m->buffer->size() - std::min<std::uint64_t>(m->position, m->buffer->size());
    const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(available, static_cast<std::uint64_t>(size)));
    if (count)
        std::memcpy(data, m->buffer->data() + m->position, count);
    m->position += count;
    return static_cast<tmsize_t>(count);
}

tmsize_t CTiffHandle::Write(thandle_t memory, void* data, tmsize_t size)
{
    auto* m = static_cast<Memory*>(memory);
    const auto count = static_cast<std::size_t>(size);
    if (m->buffer->size() < m->position + count)
        m->buffer->resize(static_cast<std::size_t>(m->position + count));
    std::memcpy(m->buffer->data() + m->position, data, count);
    m->position += count;
    return size;
}

toff_t CTiffHandle::Seek(thandle_t memory, toff_t offset, int whence)
{
    auto* m = static_cast<Memory*>(memory);
    const auto signedOffset = static_cast<std::int64_t>(offset);
    std::int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<std::int64_t>(m->position);
    else if (whence == SEEK_END)
        base = static_cast<std::int64_t>(m->buffer->size());
    if (base + signedOffset < 0)
        return static_cast<toff_t>(-1);
    m->position = static_cast<std::uint64_t>(base + signedOffset);
    return m->position;
}

int CTiffHandle::CloseMemory(thandle_t)
{
    return 0;
}

toff_t CTiffHandle::Size(thandle_t memory)
{
    return static_cast<Memory*>(memory)->buffer->size();
}

int CTiffHandle::Map(thandle_t, void**, toff_t*)
{
    return 0;
}

void CTiffHandle::Unmap(thandle_t, void*, toff_t)
{
}
