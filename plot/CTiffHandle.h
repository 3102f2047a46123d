#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <tiffio.h>

// One open libtiff handle, on a file or on a buffer in memory, whose
// errors are kept as text instead of going to the standard error, and whose
// warnings (a picture libtiff still reads) are dropped. Every
// single allocation libtiff makes for it is bounded.
class CTiffHandle {
public:
    explicit CTiffHandle(std::uint64_t maxAllocation = 256u << 20);
    ~CTiffHandle();
    CTiffHandle(const CTiffHandle&) = delete;
    CTiffHandle& operator=(const CTiffHandle&) = delete;

    bool Open(const std::string& path);
    // A new file, or one written from scratch.
    bool Create(const std::string& path);
    // mode "r" reads the buffer, "w" writes it from scratch; it must
    // outlive the handle.
    bool OpenMemory(std::vector<std::uint8_t>& buffer, const char* mode);
    // Writes what is pending; the handle is closed after.
    void Close();

    TIFF* Get() const { return m_tiff; }
    // libtiff's first error, or a word of this program's.
    const std::string& Error() const { return m_error; }

private:
    struct Memory {
        std::vector<std::uint8_t>* buffer = nullptr;
        std::uint64_t position = 0;
    };
    static int OnError(TIFF*, void* self, const char* module, const char* format, va_list arguments);
    static int OnWarning(TIFF*, void* self, const char* module, const char* format, va_list arguments);
    static void Keep(std::string& text, const char* module, const char* format, va_list arguments);
    static tmsize_t Read(thandle_t memory, void* data, tmsize_t size);
    static tmsize_t Write(thandle_t memory, void* data, tmsize_t size);
    static toff_t Seek(thandle_t memory, toff_t offset, int whence);
    static int CloseMemory(thandle_t);
    static toff_t Size(thandle_t memory);
    static int Map(thandle_t, void**, toff_t*);
    static void Unmap(thandle_t, void*, toff_t);

    TIFFOpenOptions* m_options = nullptr;
    TIFF* m_tiff = nullptr;
    Memory m_memory;
    std::string m_error;
};
