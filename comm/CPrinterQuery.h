#pragma once

#include <chrono>
#include <optional>
#include <string>

class CCancellation;

// The dialogue on the printer's control port that comes before a send:
// log in, ask for the status, learn the controller family.
class CPrinterQuery {
public:
    struct Answer {
        std::string controllerName;
        int psPdfOption = 0;
        std::string model;  // empty when the reply names no model known
    };
    // Why there is no answer: the name service does not know the name,
    // nothing came in time, the printer ended the connection, or the
    // caller cancelled.
    enum class Failure { None, NoAnswer, UnknownHost, HungUp, Cancelled };
    struct Outcome {
        std::optional<Answer> answer;
        Failure failure = Failure::NoAnswer;
    };

    static constexpr std::chrono::milliseconds kTimeout{15000};

    // The client may have shown its own text; the caller shows its message.
    static Outcome Run(const std::string& printerName, const std::string& user, const std::string& password,
                       const CCancellation* cancellation = nullptr, std::chrono::milliseconds timeout = kTimeout);
    // Nothing when a step fails.
    static std::optional<Answer> Ask(const std::string& printerName, const std::string& user,
                                     const std::string& password, std::chrono::milliseconds timeout = kTimeout);
    // What the user is told of a failed dialogue; noAnswerMessage for a
    // printer that does not answer. Nothing for a cancel.
    static void ShowFailure(Failure failure, const std::string& printerName, unsigned noAnswerMessage);
};
