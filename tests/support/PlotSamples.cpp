#include "PlotSamples.h"

#include <cstdio>
#include <vector>

const char* const kSampleHpgl = "IN;SP1;PU0,0;PD4000,0,4000,2000,0,2000,0,0;PU0,0;PD4000,2000;PU;SP0;";

std::string SamplePdf(int widthPoints, int heightPoints, int pages, const std::string& content)
{
    std::vector<std::string> objects{"<< /Type /Catalog /Pages 2 0 R >>", "",
                                     "<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
                                         "\nendstream"};
    std::string kids;
    for (int page = 0; page < pages; ++page) {
        kids += std::to_string(objects.size() + 1) + " 0 R ";
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + std::to_string(widthPoints) + ' ' +
                          std::to_string(heightPoints) + "] /Contents 3 0 R >>");
    }
    objects[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages) + " >>";
    std::string pdf = "%PDF-1.4\n";
    std::string xref = "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t i = 0; i < objects.size(); ++i) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", pdf.size());
        xref += entry;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t start = pdf.size();
    return pdf + xref + "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(start) + "\n%%EOF\n";
}

std::string PeNumber(long value, int base)
{
    unsigned long n = value >= 0 ? 2ul * value : 2ul * -value + 1;
    std::string out;
    for (; n >= static_cast<unsigned long>(base); n /= base)
        out += static_cast<char>(63 + n % base);
    return out + static_cast<char>((base == 64 ? 191 : 95) + n);
}
