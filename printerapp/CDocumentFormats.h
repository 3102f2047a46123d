#pragma once

#include "PlotFormat.h"

#include <optional>
#include <string>

class CFormatTable;

// The document formats the queues take, by MIME type, and the data format
// of the extension configuration each one is sent as.
class CDocumentFormats {
public:
    static constexpr const char* kPdf = "application/pdf";
    static constexpr const char* kPostScript = "application/postscript";
    static constexpr const char* kHpgl = "application/vnd.hp-hpgl";
    static constexpr const char* kTiff = "image/tiff";
    static constexpr const char* kCals = "image/x-cals";

    // Null for a kind the queues do not take.
    static const char* MimeTypeOf(PlotFormat kind);
    static PlotFormat KindOf(const std::string& mimeType);
    // The type the file's content shows, else the declared one: PAPPL 1.3.1
    // declares everything from a raw socket to be the driver's own format.
    static std::string ContentTypeOf(const std::string& path, const std::string& declared);
    // The first data format of that kind, as the extension configuration
    // spells it; nothing when it lists none.
    static std::optional<std::string> DataFormatOf(const CFormatTable& table, const std::string& mimeType);
};
