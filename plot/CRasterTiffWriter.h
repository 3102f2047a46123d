#pragma once

#include "CTiffHandle.h"

#include <cstdint>
#include <string>
#include <vector>

// One raster page written into a TIFF file line by line as it arrives, so
// that a page of any size takes only a strip of memory: CCITT G4 for
// 1-bit pages, Deflate for grey and colour.
class CRasterTiffWriter {
public:
    enum class Pixels {
        Black1,  // 1 bit a pixel, 1 is black, the first pixel in the high bit
        Grey8,   // 0 is black
        Rgb8,    // red, green, blue
    };

    struct Page {
        Pixels pixels = Pixels::Black1;
        std::uint32_t width = 0;
        std::uint32_t height = 0;
        std::uint32_t xDpi = 300;
        std::uint32_t yDpi = 300;
        // Black1 only: the lines arrive as 8-bit grey (0 is black) and are
        // stored black where darker than half.
        bool fromGrey = false;
    };

    // False for a page without pixels or too wide to be real; Error() tells why.
    bool Open(const std::string& path, const Page& page);
    // The bytes of a line as stored, and as given to WriteLine.
    static std::uint64_t BytesPerLine(const Page& page);
    static std::uint64_t InputBytesPerLine(const Page& page);
    // Lines in order from the top, InputBytesPerLine bytes each.
    bool WriteLine(const std::uint8_t* line);
    // The lines not written are white; false when the file is not whole.
    bool Close();
    const std::string& Error() const { return m_error; }

private:
    bool SetFields();
    void Threshold(const std::uint8_t* grey);
    bool Fail(const std::string& text);

    CTiffHandle m_tiff;
    Page m_page;
    std::uint32_t m_row = 0;
    std::vector<std::uint8_t> m_line;
    std::string m_error;
};
