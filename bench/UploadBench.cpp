// Uploads one file with CFtpUpload, as the send commands do, and prints the
// seconds it took: the program's side of bench/upload-vs-curl.
#include "CFtpUpload.h"
#include "IProgressMonitor.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
class CQuietMonitor : public IProgressMonitor {
public:
    void Begin(std::uint64_t) override {}
    bool IsCancelled() override { return false; }
    void Advance(std::uint64_t) override {}
    void End() override {}
};
}

int main(int argc, char** argv)
{
    if (argc != 8) {
        std::fprintf(stderr, "usage: qx-bench-upload HOST PORT USER PASSWORD FOLDER NAME FILE\n");
        return 2;
    }
    CFtpUpload upload({argv[1], std::atoi(argv[2]), argv[3], argv[4], argv[5], argv[6], argv[7]});
    CQuietMonitor monitor;
    const auto start = std::chrono::steady_clock::now();
    const CFtpUpload::Result result = upload.Run(monitor);
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    if (result != CFtpUpload::Result::Finished) {
        std::fprintf(stderr, "%s\n", upload.GetErrorText().c_str());
        return 1;
    }
    std::printf("%.3f\n", seconds.count());
    return 0;
}
