#include "CContentRecogniser.h"
#include "CFuzzFile.h"
#include "PropertyBroken.h"

#include <string>

// Any head gives one of the formats the recogniser knows, a file gives what
// its bytes give, and NUL padding before HP-GL or PDF changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static CFuzzFile file;
    const PlotFormat format = CContentRecogniser::Recognise(data, size);
    if (format != PlotFormat::Pdf && format != PlotFormat::PostScript && format != PlotFormat::Tiff
        && format != PlotFormat::Cals && format != PlotFormat::Hpgl && format != PlotFormat::Unknown)
        PropertyBroken("a format the recogniser does not tell");
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    if (size <= CContentRecogniser::kHeadSize) {
        file.Write(bytes);
        if (CContentRecogniser::RecogniseFile(file.Path()) != format)
            PropertyBroken("file and buffer differ");
    }
    if (size > 0 && data[0] != 0 && (format == PlotFormat::Hpgl || format == PlotFormat::Pdf)) {
        const std::string padded = std::string(100, '\0') + bytes;
        if (CContentRecogniser::Recognise(reinterpret_cast<const unsigned char*>(padded.data()), padded.size()) != format)
            PropertyBroken("NUL padding changed the format");
    }
    return 0;
}
