#include "CRasterHeader.h"
#include "CRasterPages.h"
#include "CTiffHandle.h"
#include "PropertyBroken.h"

#include <cups/raster.h>

#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include <sys/types.h>

// Any raster stream a client sends: each page either is refused with a
// reason or becomes a TIFF file that reads back at the page's size.
namespace {
struct Stream {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

ssize_t ReadStream(void* context, unsigned char* buffer, size_t bytes)
{
    auto* stream = static_cast<Stream*>(context);
    const std::size_t count = std::min(bytes, stream->size - stream->position);
    std::memcpy(buffer, stream->data + stream->position, count);
    stream->position += count;
    return static_cast<ssize_t>(count);
}

// Pages beyond this are refused before a line is read, as fuzzing is about
// the headers and the writer, not about the time a huge page takes.
constexpr std::uint64_t kMaxBytes = 4u << 20;

void CheckPage(CRasterPages& pages, cups_raster_t* raster, const CRasterTiffWriter::Page& page)
{
    if (!pages.StartPage(page)) {
        if (pages.Error().empty())
            PropertyBroken("page refused without a reason");
        return;
    }
    std::vector<unsigned char> line(CRasterTiffWriter::InputBytesPerLine(page));
    for (std::uint32_t y = 0; y < page.height; ++y) {
        if (cupsRasterReadPixels(raster, line.data(), static_cast<unsigned>(line.size())) == 0)
            break;
        if (!pages.WriteLine(line.data()))
            PropertyBroken("line refused: " + pages.Error());
    }
    if (!pages.EndPage())
        PropertyBroken("page not written: " + pages.Error());
    CTiffHandle tiff;
    std::uint32_t width = 0, height = 0;
    if (!tiff.Open(pages.Documents().back().path) || !TIFFGetField(tiff.Get(), TIFFTAG_IMAGEWIDTH, &width) ||
        !TIFFGetField(tiff.Get(), TIFFTAG_IMAGELENGTH, &height) || width != page.width || height != page.height)
        PropertyBroken("page does not read back at its size");
}

// libcups allocates a page's line buffer from the header before anything of
// ours sees it, so a header asking for gigabytes would stop the fuzzer, not
// find a fault of ours: such streams, and all pages after the first, are left
// to libcups.
bool LineFitsMemory(const std::uint8_t* data, std::size_t size)
{
    constexpr std::size_t kField = 4 + offsetof(cups_page_header2_t, cupsBytesPerLine);
    if (size < kField + 4)
        return true;
    std::uint32_t sync = 0, bytes = 0;
    std::memcpy(&sync, data, 4);
    std::memcpy(&bytes, data + kField, 4);
    const bool swapped = sync == 0x74536152u || sync == 0x32536152u || sync == 0x33536152u;
    return (swapped ? __builtin_bswap32(bytes) : bytes) <= kMaxBytes;
}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (!LineFitsMemory(data, size))
        return 0;
    Stream stream{data, size};
    cups_raster_t* raster = cupsRasterOpenIO(ReadStream, &stream, CUPS_RASTER_READ);
    if (!raster)
        return 0;
    CRasterPages pages("fuzz.pwg");
    cups_page_header2_t header;
    if (cupsRasterReadHeader2(raster, &header)) {
        std::string error;
        // The stream's length decides whether grey pages are stored bi-level.
        const auto page = CRasterHeader::PageOf(header, size % 2 == 1, error);
        if (!page && error.empty())
            PropertyBroken("header refused without a reason");
        if (page && CRasterTiffWriter::InputBytesPerLine(*page) * page->height <= kMaxBytes)
            CheckPage(pages, raster, *page);
    }
    cupsRasterClose(raster);
    return 0;
}
