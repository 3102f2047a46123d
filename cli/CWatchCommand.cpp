#include "CWatchCommand.h"

#include "CArguments.h"
#include "CHotFolder.h"
#include "CJobOptions.h"

#include <charconv>
#include <cmath>
#include <iostream>

namespace {
constexpr double kLongestSeconds = 86400;
}

int CWatchCommand::Run(const std::vector<std::string>& args)
{
    CArguments arguments(args,
                         {"--printer", "--number", "--owner", "--setting", "--format", "--batch", "--settle",
                          "--retry-for"},
                         {});
    arguments.Printer();
    if (arguments.Operands().size() != 1)
        arguments.Fail("watch needs one FOLDER");
    CJobOptions options;
    options.Read(arguments);
    const auto batch = Seconds(arguments, "--batch", 0);
    const auto settle = Seconds(arguments, "--settle", 3);
    const auto retryFor = Seconds(arguments, "--retry-for", 600);
    if (!arguments.Ok())
        return arguments.ReportUsage(*this);
    // A name that lists no file fails now, not with the first file.
    if (!CJobOptions::CheckSetting(options.Choices().setting))
        return kExitFailed;
    const CHotFolder::Options watch{arguments.Operands().front(), *settle, *batch, *retryFor, arguments.Value("--format").has_value()};
    CWatchSender::Recipe recipe{options.Choices(), options.Region(),
                                [&options](CPrintJob& job, const auto& files) { return options.FillList(job, files); },
                                CJobOptions::CheckSetting};
    return CHotFolder(watch, std::move(recipe), std::cout).Run() ? kExitOk : kExitFailed;
}

std::optional<std::chrono::milliseconds> CWatchCommand::Seconds(CArguments& arguments, const std::string& option,
                                                                double fallback)
{
    const auto text = arguments.Value(option);
    double seconds = fallback;
    if (text) {
        const char* end = text->data() + text->size();
        const auto [rest, error] = std::from_chars(text->data(), end, seconds);
        if (error != std::errc() || rest != end || !(seconds >= 0 && seconds <= kLongestSeconds)) {
            arguments.Fail(option + " must be a number of seconds from 0 to " + std::to_string(int(kLongestSeconds)));
            return std::nullopt;
        }
    }
    return std::chrono::milliseconds(std::llround(seconds * 1000));
}
