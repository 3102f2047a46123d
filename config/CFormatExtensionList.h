#pragma once

#include "IRegistList.h"

// The data formats with their extension texts while they are being edited,
// the format chosen and the extensions shown for it, which are the entries.
// An extension belongs to one format only: duplicates are found across all
// formats, without case.
class CFormatExtensionList : public IRegistList {
public:
    // From the extension file; the first format is chosen.
    static CFormatExtensionList Load();
    CFormatExtensionList(std::vector<std::string> formats, std::vector<std::string> extensionTexts);

    const std::vector<std::string>& GetFormats() const { return m_formats; }
    // Index i belongs to format i, as it will be written.
    const std::vector<std::string>& GetExtensionTexts() const { return m_texts; }
    const std::string& GetChosenFormat() const { return m_chosen; }
    const std::vector<std::string>& GetEntries() const override { return m_shown; }
    const CRegistInput::Use& GetUse() const override { return CRegistInput::kExtension; }
    bool IsModified() const override { return m_modified; }

    // Shows the extensions of the first format of that name; an unknown name
    // keeps what is shown.
    void ChooseFormat(const std::string& name);
    // The pieces of an extension text, trimmed, without empty ones.
    static std::vector<std::string> ExtensionsOf(const std::string& extensionText);

    // Without a chosen format the extension is only shown.
    CRegistInput::Refusal Add(const std::string& extension) override;
    // Changing only the case of an entry is a duplicate.
    CRegistInput::Refusal Change(int selected, const std::string& extension) override;
    // Rewrites the chosen format's text from the entries even with no
    // selection.
    void Delete(int selected) override;

    // Writes every format's text into the extension file.
    bool Apply() override;

private:
    // A duplicate names the format it belongs to.
    CRegistInput::Refusal Refusal(const std::string& extension) const;
    // The format the extension belongs to, else the number of formats.
    std::size_t OwnerOf(const std::string& extension) const;
    // Index of the chosen format, or the number of formats when none.
    std::size_t ChosenIndex() const;
    void RebuildChosenText();

    std::vector<std::string> m_formats;
    std::vector<std::string> m_texts;
    std::string m_chosen;
    std::vector<std::string> m_shown;
    bool m_modified = false;
};
