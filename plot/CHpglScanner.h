#pragma once

#include "CByteReader.h"

// Splits HP-GL into two-letter commands and their numeric parameters,
// passing over what wraps or interrupts them: PJL lines, PCL escape
// sequences (with the binary data some of them carry) and PCL text.
class CHpglScanner {
public:
    // Parameters are clamped to the range of HP-GL/2 coordinates.
    static constexpr double kMaxParameter = 1073741824.0;

    explicit CHpglScanner(CByteReader& reader) : m_reader(reader) {}

    // The next command as its upper-case letters (first << 8 | second);
    // 0 at the end of the data.
    unsigned NextCommand();
    // The next numeric parameter of the current command; false where its
    // parameters end.
    bool Number(double& value);
    // Passes over the rest of an unknown command, quoted strings included.
    void SkipParameters();
    CByteReader& Reader() { return m_reader; }

private:
    void SkipLine();
    void SkipEscape();
    void SkipDeviceControl();
    void SkipBytes(double count);
    void FinishEscape(int kind, int group, int terminator, double value);
    double Digits(bool& any);

    CByteReader& m_reader;
    bool m_inPcl = false;
};
