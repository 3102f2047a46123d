#pragma once

#include "CPrinterQuery.h"
#include "CSocket.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <string>

class CCancellation;

// The short dialogue on the printer's FTP control port that tells which
// controller family the printer has and whether it takes PostScript and
// PDF. It never transfers files. One object serves one dialogue:
// ConnectPrinter, SendLine (user name), SendLine (password), QueryStatus.
class CMVFTP {
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{15000};
    using DigitSource = std::function<int()>;

    // timeout limits every wait for the printer (connecting, the greeting,
    // each reply). minimumVersionDigit is asked for the digit a
    // "Corvid2nd" software version must reach; by default the extension
    // configuration's.
    explicit CMVFTP(std::chrono::milliseconds timeout = kDefaultTimeout, DigitSource minimumVersionDigit = {});

    // Every wait and pause ends at once when it is raised.
    void SetCancellation(const CCancellation* cancellation);
    // Why the last step that returned false failed.
    CPrinterQuery::Failure GetFailure() const;

    // host is a printer name, optionally with a port (CPrinterAddress).
    bool ConnectPrinter(const std::string& host);
    // Sends the line as it is (no command word) and waits for any reply.
    bool SendLine(const std::string& line);
    // Asks for the status, classifies the printer and closes the connection.
    // False only when the request cannot be sent; a printer that gives no
    // usable status reads "Others" without PostScript/PDF.
    bool QueryStatus();

    std::string GetControllerName() const;
    int HasPsPdfOption() const;
    // The model the status reply named, empty when none is known.
    std::string GetModelName() const;
    // The greeting or the last reply; after a reported failure its text.
    std::string GetLastReply() const;
    void Close();

private:
    bool ReadReply();
    bool ReceiveAvailable(std::size_t pieceSize, std::string& text);
    // peekWait bounds the wait for the first byte of this attempt.
    bool ParseStatusReply(std::chrono::milliseconds peekWait);
    bool Classify(const std::string& reply);
    void SetResult(const std::string& controllerName, int psPdfOption, const std::string& model = "");
    void Fail(const std::string& format);
    // Notes why a wait of the socket failed: a cancel, the printer's side
    // closed (received 0), or no answer in time.
    void NoteFailure(long received);
    // False when cancelled meanwhile.
    bool Pause(std::chrono::milliseconds duration) const;

    mutable std::recursive_mutex m_lock;
    std::string m_controllerName;
    int m_psPdfOption = 0;
    std::string m_model;
    std::string m_lastReply;
    // Everything received after the status request, which may come in
    // several pieces.
    std::string m_statusReply;
    CSocket m_socket;
    std::chrono::milliseconds m_timeout;
    DigitSource m_minimumVersionDigit;
    const CCancellation* m_cancellation = nullptr;
    CPrinterQuery::Failure m_failure = CPrinterQuery::Failure::None;
};
