#pragma once

#include "CProfile.h"

#include <optional>
#include <ostream>
#include <string>

// Turns a printer setting file into the "@PJL DEFAULT" lines that open a
// job. Both writers fail, with the lines so far left in the stream, as soon
// as a required key is missing; the caller then discards the stream.
class CSettingsWriter {
public:
    // The block for controllers other than "Heron" and "Corvid2nd".
    static bool WriteDefaultLines(std::ostream& out, const std::string& settingFilePath,
                                  const std::string& regionCode);
    // The block for "Heron" and "Corvid2nd" controllers.
    static bool WriteDefaultLinesFinish(std::ostream& out, const std::string& settingFilePath,
                                        const std::string& regionCode, const std::string& controllerName);
    // True for exactly "Heron" and "Corvid2nd".
    static bool UsesFinishWriter(const std::string& controllerName);
    // The writer the controller takes.
    static bool WriteForController(std::ostream& out, const std::string& settingFilePath,
                                   const std::string& regionCode, const std::string& controllerName);

private:
    CSettingsWriter(std::ostream& out, const std::string& settingFilePath, const std::string& regionCode);

    bool WritePens(bool spellMiter);
    bool WritePenWidthAndRasterColour();
    bool WriteDrawingColours();
    bool WriteMediaStampAndLabels();
    bool WriteStampDetails();
    bool WriteFinisher();
    bool WriteStacking();
    bool WriteFinishFinisher(const std::string& controllerName);
    bool WriteFinishStacking();
    bool WriteFoldProgramAndBin(const std::string& binPrefix);
    bool WriteModesAndSizes();

    // The value, or nothing when it is missing.
    std::optional<std::string> Read(const std::string& section, const std::string& key) const;
    // The value read without a presence test.
    std::string ReadAny(const std::string& section, const std::string& key) const;
    // Writes the line of a required value; false when it is missing.
    bool Copy(const std::string& name, const std::string& section, const std::string& key);
    void Line(const std::string& name, const std::string& value);
    bool IsStackingRegion() const;

    std::ostream& m_out;
    CProfile m_profile;
    std::string m_region;
};
