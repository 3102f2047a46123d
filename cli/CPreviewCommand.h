#pragma once

#include "ICommand.h"

class QImage;

// preview FILE -o PNG [--width PX]: writes page 1 of a plot file as a PNG
// picture, PX pixels wide (by default 1024), the format from the file's
// extension.
class CPreviewCommand : public ICommand {
public:
    static constexpr CommandText kText{"preview", "preview FILE -o PNG [--width PX]",
                                       "write page 1 of FILE as a PNG picture, by default 1024 pixels wide"};

    std::string Name() const override { return kText.name; }
    std::string Usage() const override { return kText.usage; }
    int Run(const std::vector<std::string>& args) override;

private:
    static int Render(const std::string& file, const std::string& output, int width);
    static bool Write(const QImage& image, const std::string& output, std::string& error);
};
