#include "CColorSettings.h"

#include "CPlotter.h"
#include "CProfile.h"
#include "CProfileBatch.h"

#include <algorithm>

namespace {
constexpr const char* kSection = "Color";
constexpr const char* kOff = "OFF";
const SettingKey kRasterColorKey{kSection, "RasterColor"};
// Conversion is off exactly when this key says so.
const SettingKey kSwitchKey{kSection, "VectorDrawingColorWhite"};

std::optional<int> FindColor(const std::string& code)
{
    const auto& codes = CPlotter::GetColorCodes();
    const auto found = std::find(codes.begin(), codes.end(), code);
    if (found == codes.end())
        return std::nullopt;
    return static_cast<int>(found - codes.begin());
}

// Texts other than the three colours count as black.
int ColorOf(const std::string& code)
{
    return FindColor(code).value_or(CColorSettings::kBlack);
}

SettingEdit BadValue(bool withOff)
{
    SettingEdit edit{SettingEdit::Status::BadValue, CPlotter::GetColorCodes()};
    if (withOff)
        edit.offered.push_back(kOff);
    return edit;
}

int IndexOf(CColorSettings::Data data)
{
    return data == CColorSettings::Data::Raster ? 0 : 1;
}
}

CColorSettings::CColorSettings(const CPlotter& plotter)
    : m_plotter(plotter)
{
}

void CColorSettings::SetConversion(bool on)
{
    if (!on) {
        m_table.reset();
        return;
    }
    Column column;
    column.fill(kBlack);
    column[0] = kWhite;
    m_table = Table{column, column};
}

std::optional<int> CColorSettings::GetCell(Data data, int source) const
{
    if (!m_table)
        return std::nullopt;
    return (*m_table)[IndexOf(data)][source];
}

void CColorSettings::SetCell(Data data, int source, int color)
{
    if (m_table)
        (*m_table)[IndexOf(data)][source] = color;
}

const std::vector<CColorSettings::DrawingKey>& CColorSettings::DrawingKeys()
{
    static const std::vector<DrawingKey> keys = [] {
        static const char* const sources[kSourceCount] = {"White", "Black", "Red",    "Green",
                                                          "Blue",  "Yellow", "Magenta", "Cyan"};
        std::vector<DrawingKey> all;
        for (Data data : {Data::Vector, Data::Raster}) {
            const std::string prefix = data == Data::Vector ? "VectorDrawingColor" : "RasterDrawingColor";
            for (int source = 0; source < kSourceCount; ++source)
                all.push_back({{kSection, prefix + sources[source]}, data, source});
        }
        return all;
    }();
    return keys;
}

const CColorSettings::DrawingKey* CColorSettings::FindDrawingKey(const SettingKey& key)
{
    const auto& keys = DrawingKeys();
    const auto found = std::find_if(keys.begin(), keys.end(), [&](const DrawingKey& drawing) { return drawing.key == key; });
    return found == keys.end() ? nullptr : &*found;
}

std::vector<SettingKey> CColorSettings::OwnedKeys() const
{
    std::vector<SettingKey> keys{kRasterColorKey};
    for (const DrawingKey& drawing : DrawingKeys())
        keys.push_back(drawing.key);
    return keys;
}

SettingLine CColorSettings::ColorLine(const SettingKey& key, int color) const
{
    const auto& names = m_plotter.GetColorNames();
    const auto index = static_cast<std::size_t>(color);
    return {key, CPlotter::GetColorCodes().at(index), index < names.size() ? names[index] : std::string()};
}

std::vector<SettingLine> CColorSettings::Lines() const
{
    std::vector<SettingLine> lines{ColorLine(kRasterColorKey, m_rasterColor)};
    for (const DrawingKey& drawing : DrawingKeys()) {
        if (const auto cell = GetCell(drawing.data, drawing.source))
            lines.push_back(ColorLine(drawing.key, *cell));
        else
            lines.push_back({drawing.key, kOff, {}});
    }
    return lines;
}

SettingEdit CColorSettings::Edit(const SettingKey& key, const std::string& value)
{
    if (key == kRasterColorKey) {
        const auto color = FindColor(value);
        if (!color)
            return BadValue(false);
        m_rasterColor = *color;
        return {};
    }
    if (const DrawingKey* drawing = FindDrawingKey(key))
        return EditDrawingColor(*drawing, value);
    return {SettingEdit::Status::UnknownKey, {}};
}

SettingEdit CColorSettings::EditDrawingColor(const DrawingKey& drawing, const std::string& value)
{
    if (value == kOff) {
        SetConversion(false);
        return {};
    }
    const auto color = FindColor(value);
    if (!color)
        return BadValue(true);
    if (!IsConversionOn())
        SetConversion(true);
    SetCell(drawing.data, drawing.source, *color);
    return {};
}

void CColorSettings::Read(const CProfile& current)
{
    m_rasterColor = ColorOf(current.GetString(kSection, kRasterColorKey.key, kMissingValue));
    if (current.GetString(kSection, kSwitchKey.key, kMissingValue) == kOff) {
        m_table.reset();
        return;
    }
    m_table.emplace();
    for (const DrawingKey& drawing : DrawingKeys())
        (*m_table)[IndexOf(drawing.data)][drawing.source] = ColorOf(current.GetString(kSection, drawing.key.key, kMissingValue));
}

void CColorSettings::Write(CProfileBatch& target) const
{
    for (const SettingLine& line : Lines())
        target.WriteString(line.key.section, line.key.key, line.value);
}
