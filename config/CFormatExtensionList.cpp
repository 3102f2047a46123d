#include "CFormatExtensionList.h"

#include "CExtensionConfig.h"
#include "CProfileBatch.h"
#include "CRegistInput.h"

#include <algorithm>
#include <cctype>

namespace {
bool EqualWithoutCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}
}

CFormatExtensionList CFormatExtensionList::Load()
{
    std::vector<std::string> formats;
    std::vector<std::string> texts;
    CExtensionConfig::LoadDataFormats(formats);
    CExtensionConfig::LoadFormatExtensions(formats, texts);
    return CFormatExtensionList(std::move(formats), std::move(texts));
}

CFormatExtensionList::CFormatExtensionList(std::vector<std::string> formats, std::vector<std::string> extensionTexts)
    : m_formats(std::move(formats))
    , m_texts(std::move(extensionTexts))
{
    m_texts.resize(m_formats.size());
    if (!m_formats.empty())
        ChooseFormat(m_formats.front());
}

void CFormatExtensionList::ChooseFormat(const std::string& name)
{
    m_chosen = name;
    const std::size_t index = ChosenIndex();
    if (index < m_formats.size())
        m_shown = ExtensionsOf(m_texts[index]);
}

std::vector<std::string> CFormatExtensionList::ExtensionsOf(const std::string& extensionText)
{
    std::vector<std::string> pieces;
    CExtensionConfig::SplitExtensions(extensionText, pieces);
    std::transform(pieces.begin(), pieces.end(), pieces.begin(), CRegistInput::Trimmed);
    return pieces;
}

CRegistInput::Refusal CFormatExtensionList::Add(const std::string& entry)
{
    const std::string extension = CRegistInput::Trimmed(entry);
    if (extension.empty())
        return {};
    if (CRegistInput::Refusal refusal = Refusal(extension); refusal.id)
        return refusal;
    const std::size_t index = ChosenIndex();
    if (index < m_formats.size())
        m_texts[index] = m_texts[index].empty() ? extension : m_texts[index] + "." + extension;
    m_shown.push_back(extension);
    m_modified = true;
    return {};
}

CRegistInput::Refusal CFormatExtensionList::Change(int selected, const std::string& text)
{
    if (selected < 0 || static_cast<std::size_t>(selected) >= m_shown.size())
        return {};
    std::string& entry = m_shown[static_cast<std::size_t>(selected)];
    const std::string extension = CRegistInput::Trimmed(text);
    if (extension.empty() || extension == entry)
        return {};
    if (CRegistInput::Refusal refusal = Refusal(extension); refusal.id)
        return refusal;
    entry = extension;
    RebuildChosenText();
    return {};
}

void CFormatExtensionList::Delete(int selected)
{
    if (selected >= 0 && static_cast<std::size_t>(selected) < m_shown.size())
        m_shown.erase(m_shown.begin() + selected);
    RebuildChosenText();
}

bool CFormatExtensionList::Apply()
{
    m_modified = false;
    CProfileBatch batch(CExtensionConfig::GetWritePath());
    for (std::size_t i = 0; i < m_formats.size(); ++i)
        batch.WriteString(CExtensionConfig::kFormatSection, m_formats[i], m_texts[i]);
    return batch.Commit();
}

CRegistInput::Refusal CFormatExtensionList::Refusal(const std::string& extension) const
{
    if (const unsigned message = CRegistInput::RefusalMessage(CRegistInput::kExtensionMode, extension))
        return {message, {}};
    const std::size_t owner = OwnerOf(extension);
    return owner < m_formats.size() ? CRegistInput::Refusal{GetUse().duplicateId, m_formats[owner]}
                                    : CRegistInput::Refusal{};
}

std::size_t CFormatExtensionList::OwnerOf(const std::string& extension) const
{
    const auto owner = std::find_if(m_texts.begin(), m_texts.end(), [&extension](const std::string& text) {
        const std::vector<std::string> pieces = ExtensionsOf(text);
        return std::any_of(pieces.begin(), pieces.end(),
                           [&extension](const std::string& piece) { return EqualWithoutCase(piece, extension); });
    });
    return static_cast<std::size_t>(owner - m_texts.begin());
}

std::size_t CFormatExtensionList::ChosenIndex() const
{
    return static_cast<std::size_t>(std::find(m_formats.begin(), m_formats.end(), m_chosen) - m_formats.begin());
}

void CFormatExtensionList::RebuildChosenText()
{
    const std::size_t index = ChosenIndex();
    if (index < m_formats.size()) {
        std::string text;
        for (std::size_t i = 0; i < m_shown.size(); ++i)
            text += (i == 0 ? "" : ".") + m_shown[i];
        m_texts[index] = text;
    }
    m_modified = true;
}
