#pragma once

#include "ICommand.h"

class QImage;

// preview FILE -o PNG [--width PX]: writes page 1 of a plot file as a PNG
// picture, PX pixels wide (by default 1024), the format from the file's
// extension.
class CPreviewCommand : public ICommand {
public:
    std::string Name() const override { return "preview"; }
    std::string Usage() const override { return "preview FILE -o PNG [--width PX]"; }
    int Run(const std::vector<std::string>& args) override;

private:
    static int Render(const std::string& file, const std::string& output, int width);
    static bool Write(const QImage& image, const std::string& output, std::string& error);
};
