// Writes one PWG raster page of a sheet at a resolution, as a driverless
// client sends it, for bench/printer-app: a picture that neither repeats
// from line to line nor packs into nothing, so that the server handles the
// whole page's pixels.
#include <cups/raster.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: qx-bench-raster-page OUT MEDIA TYPE DPI   (e.g. iso_a0_841x1189mm srgb_8 600)\n");
        return 2;
    }
    pwg_media_t* media = pwgMediaForPWG(argv[2]);
    const int dpi = std::atoi(argv[4]);
    cups_page_header2_t header;
    if (!media || !cupsRasterInitPWGHeader(&header, media, argv[3], dpi, dpi, "one-sided", nullptr)) {
        std::fprintf(stderr, "qx-bench-raster-page: no page %s %s %s\n", argv[2], argv[3], argv[4]);
        return 2;
    }
    const int fd = open(argv[1], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    cups_raster_t* raster = cupsRasterOpen(fd, CUPS_RASTER_WRITE_PWG);
    cupsRasterWriteHeader2(raster, &header);
    std::vector<unsigned char> line(header.cupsBytesPerLine);
    for (unsigned y = 0; y < header.cupsHeight; ++y) {
        for (std::size_t x = 0; x < line.size(); ++x)
            line[x] = static_cast<unsigned char>((x / 3 + y) / 64 * 37 + (x % 3) * 85);
        cupsRasterWritePixels(raster, line.data(), header.cupsBytesPerLine);
    }
    cupsRasterClose(raster);
    close(fd);
    std::printf("%ux%u pixels, %u bits a pixel\n", header.cupsWidth, header.cupsHeight, header.cupsBitsPerPixel);
    return 0;
}
