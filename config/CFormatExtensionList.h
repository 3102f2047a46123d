#pragma once

#include <string>
#include <vector>

// The data formats with their extension texts while they are being edited,
// the format chosen and the extensions shown for it. An extension belongs
// to one format only: duplicates are found across all formats, without
// case. Positions are indexes into the shown list, -1 for no selection.
class CFormatExtensionList {
public:
    // From the extension file; the first format is chosen.
    static CFormatExtensionList Load();
    CFormatExtensionList(std::vector<std::string> formats, std::vector<std::string> extensionTexts);

    const std::vector<std::string>& GetFormats() const { return m_formats; }
    // Index i belongs to format i, as it will be written.
    const std::vector<std::string>& GetExtensionTexts() const { return m_texts; }
    const std::string& GetChosenFormat() const { return m_chosen; }
    const std::vector<std::string>& GetShown() const { return m_shown; }
    bool IsModified() const { return m_modified; }

    // Shows the extensions of the first format of that name; an unknown name
    // keeps what is shown.
    void ChooseFormat(const std::string& name);
    // The pieces of an extension text, trimmed, without empty ones.
    static std::vector<std::string> ExtensionsOf(const std::string& extensionText);

    // Each returns the message to show, 0 when there is none: characters
    // the file cannot hold, then duplicates. An empty extension is ignored.
    unsigned Add(const std::string& extension);
    unsigned Change(int selected, const std::string& extension);
    // Rewrites the chosen format's text from the shown list even with no
    // selection.
    void Delete(int selected);

    // Writes every format's text into the extension file.
    bool Apply() const;

private:
    unsigned Refusal(const std::string& extension) const;
    bool IsRegistered(const std::string& extension) const;
    // Index of the chosen format, or the number of formats when none.
    std::size_t ChosenIndex() const;
    void RebuildChosenText();

    std::vector<std::string> m_formats;
    std::vector<std::string> m_texts;
    std::string m_chosen;
    std::vector<std::string> m_shown;
    bool m_modified = false;
};
