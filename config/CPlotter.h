#pragma once

#include <string>
#include <vector>

class CProfile;

// The printer capabilities declared in "PJLConfig.txt": the choices and
// numeric bounds the settings pages offer. Every choice is a label shown to
// the user and a code stored in setting files, handed out as two parallel
// lists. The Get...List operations append to the caller's lists.
class CPlotter {
public:
    using Strings = std::vector<std::string>;
    enum class SizeKind { Paper, Output };

    // The capability file beside the program.
    CPlotter();
    explicit CPlotter(std::string capabilityFilePath);
    virtual ~CPlotter() = default;

    static std::string GetDefaultCapabilityFilePath();
    const std::string& GetCapabilityFilePath() const { return m_path; }

    // The region code switches the stack-bin and fold-program lists on or
    // off. Replaces whatever an earlier call loaded; always succeeds.
    bool LoadConfig(const std::string& regionCode);

    const Strings& GetPaperSizeNames() const { return m_caps.stampPaperSizeNames; }
    void GetStampNoRange(int& lower, int& upper) const;
    void GetStampDateList(Strings& labels, Strings& codes) const;
    int GetNumStampNumbering() const { return m_caps.stampNumberingLength; }
    void GetStampPositionRanges(int& xLower, int& xUpper, int& yLower, int& yUpper) const;
    void GetStampRotateList(Strings& labels, Strings& codes) const;
    void GetPenWidthRange(int& lower, int& upper) const;
    void GetMediaTypeList(Strings& labels, Strings& codes) const;
    void GetOutputTrayList(Strings& labels, Strings& codes) const;
    void GetFolderList(Strings& labels, Strings& codes) const;
    void GetFolderSizeList(Strings& labels, Strings& codes) const;
    void GetFolderMarginList(Strings& labels, Strings& codes) const;
    void GetStackerList(Strings& labels, Strings& codes) const;
    void GetStackBinList(Strings& labels, Strings& codes) const;
    void GetFolderOutputBinList(Strings& labels, Strings& codes) const;
    void GetFolderProgramRange(int& lower, int& upper) const;
    void GetFolderBinNoRange(int& lower, int& upper) const;
    void GetInputPaperGroupList(Strings& labels, Strings& codes) const;
    void GetOutputPaperGroupList(Strings& labels, Strings& codes) const;
    void GetRollPaperGroupList(Strings& labels, Strings& codes) const;
    void GetPaperCutList(Strings& labels, Strings& codes) const;

    // These read the file at every call, so they see edits made while the
    // program runs.
    void GetPaperSizeList(const std::string& groupCode, Strings& labels, Strings& codes) const;
    void GetOutputSizeList(const std::string& groupCode, Strings& labels, Strings& codes) const;
    // Label of the first size of the group whose code is exactly code; empty
    // when none is.
    std::string GetSizeLabel(SizeKind kind, const std::string& groupCode, const std::string& code) const;
    // First row of the output-size list from which long sizes are offered.
    int GetLongSizeIndex() const;

    bool HasThreeColors() const { return true; }

    // The colours of pens and drawing colours ("WHITE", "BLACK", "RED") and
    // of the stamp ("BLACK", "RED", "GRAY"), with their display names from
    // the resource module in the same order.
    static const Strings& GetColorCodes();
    static const Strings& GetStampColorCodes();
    const Strings& GetColorNames() const { return m_colorNames; }
    const Strings& GetStampColorNames() const { return m_stampColorNames; }

private:
    struct ChoiceList {
        Strings labels;
        Strings codes;
    };
    struct Range {
        int lower = 0;
        int upper = 0;
    };
    struct Capabilities {
        ChoiceList inputPaperGroups;
        Range stampNumbers;
        ChoiceList stampDates;
        int stampNumberingLength = 0;
        Range stampX;
        Range stampY;
        ChoiceList stampRotations;
        Strings stampPaperSizeNames;
        Range penWidths;
        ChoiceList mediaTypes;
        ChoiceList outputTrays;
        ChoiceList folders;
        ChoiceList folderSizes;
        ChoiceList folderMargins;
        ChoiceList stackers;
        ChoiceList stackBins;
        ChoiceList outputPaperGroups;
        ChoiceList rollPaperGroups;
        ChoiceList paperCuts;
        Range folderPrograms;
        Range folderBinNumbers;
        ChoiceList folderOutputBins;
    };

    // The four value forms of the capability file.
    static Strings ReadNameList(const CProfile& profile, const std::string& section, const std::string& key);
    static ChoiceList ReadPairList(const CProfile& profile, const std::string& section, const std::string& key);
    static Range ReadRange(const CProfile& profile, const std::string& section, const std::string& key);
    static int ReadInteger(const CProfile& profile, const std::string& section, const std::string& key);

    static void Append(const ChoiceList& list, Strings& labels, Strings& codes);
    static void Store(const Range& range, int& lower, int& upper);
    CProfile OpenProfile() const;
    ChoiceList ReadSizeList(SizeKind kind, const std::string& groupCode) const;

    std::string m_path;
    Capabilities m_caps;
    Strings m_colorNames;
    Strings m_stampColorNames;
};
