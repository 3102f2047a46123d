#pragma once

#include "CSettingsPage.h"

#include <array>
#include <optional>

class CPlotter;

// Section "Color": the colour raster data prints in and, while drawing-colour
// conversion is on, the output colour of each of eight source colours, for
// raster and for vector data. Colours are indices into
// CPlotter::GetColorCodes(): white, black, red.
class CColorSettings : public CSettingsPage {
public:
    enum class Data { Raster, Vector };
    static constexpr int kSourceCount = 8;
    static constexpr int kWhite = 0;
    static constexpr int kBlack = 1;
    static constexpr int kRed = 2;

    explicit CColorSettings(const CPlotter& plotter);

    int GetRasterColor() const { return m_rasterColor; }
    void SetRasterColor(int color) { m_rasterColor = color; }

    bool IsConversionOn() const { return m_table.has_value(); }
    // As a click on the check: on resets the table (white stays white, every
    // other colour becomes black) whatever it held; off empties it.
    void SetConversion(bool on);
    // The output colour of a source colour; none while conversion is off.
    std::optional<int> GetCell(Data data, int source) const;
    // Ignored while conversion is off.
    void SetCell(Data data, int source, int color);

    std::vector<SettingKey> OwnedKeys() const override;
    std::vector<SettingLine> Lines() const override;
    SettingEdit Edit(const SettingKey& key, const std::string& value) override;

protected:
    void Read(const CProfile& current) override;
    void Write(CProfileBatch& target) const override;

private:
    struct DrawingKey {
        SettingKey key;
        Data data;
        int source;
    };
    using Column = std::array<int, kSourceCount>;
    using Table = std::array<Column, 2>;  // by Data

    // Vector keys, then raster keys, each in source-colour order.
    static const std::vector<DrawingKey>& DrawingKeys();
    static const DrawingKey* FindDrawingKey(const SettingKey& key);
    SettingLine ColorLine(const SettingKey& key, int color) const;
    SettingEdit EditDrawingColor(const DrawingKey& drawing, const std::string& value);

    const CPlotter& m_plotter;
    int m_rasterColor = kBlack;
    std::optional<Table> m_table;
};
