#pragma once

#include "CHandOverCommand.h"

// size, handed over to the helper that reads sizes without the picture
// libraries or, when a FILE is a PDF or PostScript, to the one that links
// them: only that part of size loads Qt GUI and Poppler (PostScript
// without a bounding box comment is measured through Ghostscript, which
// the picture library runs).
class CSizeHandOver : public CHandOverCommand {
public:
    CSizeHandOver(const char* helper, const char* pictureHelper);

protected:
    std::string Helper(const std::vector<std::string>& args) const override;

private:
    const char* m_pictureHelper;
};
