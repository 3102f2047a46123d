#pragma once

#include "CSettingsPage.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class CPlotter;

// The rules of the pen page: 32 logical pens for HP-GL drawings (width,
// line end, line joint, colour) and the pen-width-change switch, all in
// section "HPGLPen".
class CPenSettings : public CSettingsPage {
public:
    using Strings = std::vector<std::string>;
    static constexpr int kPenCount = 32;

    // What a pen row holds; an empty field is one the file did not give
    // (an empty colour is saved as "BLACK").
    struct Pen {
        std::string width;
        std::string end;
        std::string joint;
        std::string colour;
    };

    explicit CPenSettings(const CPlotter& plotter);

    static const Strings& GetEndValues();
    static const Strings& GetJointValues();

    // Pens are numbered 1 to kPenCount.
    const Pen& GetPen(int number) const { return m_pens.at(number - 1); }
    // Refuses a width that is empty, not all digits or out of the printer's
    // range with message 355, leaving the pen as it was.
    bool SetWidth(int number, const std::string& width);
    // These refuse a value outside their value set.
    bool SetEnd(int number, const std::string& end);
    bool SetJoint(int number, const std::string& joint);
    bool SetColour(int number, const std::string& colour);
    // The colour's display name; empty for an unset colour.
    std::string GetColourName(const std::string& colour) const;

    // The printer's pen widths, lower and upper bound.
    std::pair<int, int> GetWidthRange() const;

    bool GetWidthChange() const { return m_widthChange; }
    void SetWidthChange(bool on) { m_widthChange = on; }

    std::vector<SettingKey> OwnedKeys() const override;
    // A pen's display is its colour's name, none while the colour is unset.
    std::vector<SettingLine> Lines() const override;
    // "PenN" takes "width,end,joint,colour", every field checked;
    // "PenWidthChange" takes "ON" or "OFF".
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    static std::string PenKey(int number);
    // The pen number a key names; 0 for any other key.
    static int PenNumberOf(const SettingKey& key);
    bool SetChoice(std::string Pen::*field, const Strings& values, int number, const std::string& value);
    bool IsWidthAllowed(const std::string& width) const;
    std::string WidthRangeText() const;
    // A damaged pen ends reading before the width change is read.
    enum class PenRead { Read, Missing, Damaged };
    PenRead ReadPen(const CProfile& current, int number);
    SettingEdit EditPen(int number, const std::string& value);

    const CPlotter& m_plotter;
    std::array<Pen, kPenCount> m_pens;
    bool m_widthChange = false;
};
