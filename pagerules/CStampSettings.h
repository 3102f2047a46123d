#pragma once

#include "CSettingsPage.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

class CPlotter;
struct SheetFlags;

// The rules of the stamp page: whether a stamp is printed and which, its
// colour, date and numbering, and its position on each of fifteen paper
// sizes (or the printer's own positions), in section "Stamp".
class CStampSettings : public CSettingsPage {
public:
    using Strings = std::vector<std::string>;
    static constexpr int kPositionCount = 15;
    enum class Numbering { Off, Label, User };
    enum class Axis { X, Y };

    // A grid row's texts; the rotation is a label of the rotation list,
    // which is what the file stores.
    struct Position {
        std::string x = "0";
        std::string y = "0";
        std::string rotation = "0";
    };

    CStampSettings(const CPlotter& plotter, SheetFlags& flags);

    bool IsStampOn() const { return m_stampOn; }
    // A stamp and the automatic paper choice exclude each other: turning
    // the stamp on then shows message 535 and leaves it off. The sheet's
    // flag follows; returns the state now in force.
    bool SetStampOn(bool on);
    const std::string& GetStampNumber() const { return m_stampNumber; }
    // Refuses a number that is not all digits or outside the printer's
    // range with message 441, keeping the number it had.
    bool SetStampNumber(const std::string& number);
    std::pair<int, int> GetStampNumberRange() const;

    // Index into CPlotter::GetStampColorCodes().
    int GetColor() const { return m_color; }
    void SetColor(int color);

    // The date forms' labels, in the order of their values; empty until the
    // page is loaded.
    const Strings& GetDateLabels() const { return m_dateLabels; }
    // -1 for an empty list.
    int GetDate() const { return m_date; }
    // Ignored for an index outside the list.
    void SelectDate(int index);

    // The numbering's display name.
    static std::string GetNumberingName(Numbering numbering);
    Numbering GetNumbering() const { return m_numbering; }
    void SetNumbering(Numbering numbering) { m_numbering = numbering; }
    // The text is edited only with the user's own numbering.
    bool IsNumberingTextEnabled() const { return m_numbering == Numbering::User; }
    const std::string& GetNumberingText() const { return m_numberingText; }
    void SetNumberingText(const std::string& text) { m_numberingText = text; }
    int GetNumberingLength() const;
    // Message 442 for each character outside the space to 127; false when
    // there was one. A check started while its own messages show (the edit
    // losing the focus to them) passes silently.
    bool CheckNumberingText() const;

    bool IsLocal() const { return m_local; }
    // Clearing the printer's own positions sets every position to 0, 0, 0.
    void SetLocal(bool on);
    // The paper size heading a grid row (rows 1 to kPositionCount); empty
    // beyond the printer's list.
    std::string GetRowName(int row) const;
    const Position& GetPosition(int row) const { return m_positions.at(static_cast<std::size_t>(row - 1)); }
    std::pair<int, int> GetPositionRange(Axis axis) const;
    // Refuses a coordinate that is empty, not all digits or outside its
    // range with message 439 (X) or 440 (Y), keeping the one it had.
    bool SetCoordinate(int row, Axis axis, const std::string& text);
    // The rotations' labels; empty until the page is loaded.
    const Strings& GetRotationLabels() const { return m_rotationLabels; }
    // Ignored for an index outside the list.
    void SetRotation(int row, int index);

    // In the order the keys are copied through.
    std::vector<SettingKey> OwnedKeys() const override;
    // The keys as saved: the numbering text only with the user's own
    // numbering, every position "LOCAL" with the printer's own positions.
    std::vector<SettingLine> Lines() const override;
    // "StampID" takes "OFF" or a number of the range (turning the stamp on);
    // the numbering text is kept whatever the numbering, as the edit keeps
    // it; a position takes "LOCAL" or "X,Y,rotation", and its change while
    // the printer's own positions are in force first clears them.
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    void ReadStampId(const std::string& text);
    void ReadNumbering(const CProfile& current);
    void ReadPositions(const CProfile& current);
    std::string PositionText(int row) const;
    bool IsNumberAllowed(const std::string& text, std::pair<int, int> range) const;
    // The number of the position key; 0 for any other key.
    static int RowOf(const SettingKey& key);
    SettingEdit EditStampId(const std::string& value);
    SettingEdit EditNumberingText(const std::string& value);
    SettingEdit EditPosition(int row, const std::string& value);

    const CPlotter& m_plotter;
    SheetFlags& m_flags;
    bool m_stampOn = true;
    std::string m_stampNumber;
    int m_color = 1;
    Strings m_dateLabels;
    Strings m_dateValues;
    int m_date = -1;
    Numbering m_numbering = Numbering::Off;
    std::string m_numberingText;
    bool m_local = false;
    std::array<Position, kPositionCount> m_positions;
    Strings m_rotationLabels;
    mutable bool m_checkingText = false;
};
