#pragma once

// The layout that a resource module ("Res.dll") exports. The module is a
// shared library with one C entry point returning this description; the
// tables mirror the Windows string table and version information so that
// lookups behave as they do there.
extern "C" {

struct QxResString {
    unsigned id;
    const char* text;
};

struct QxResVersionValue {
    const char* name;
    const char* value;
};

// One "\StringFileInfo\<language><code page>" block.
struct QxResStringTable {
    unsigned language;
    unsigned codePage;
    const QxResVersionValue* values;
    unsigned valueCount;
};

// One pair of "\VarFileInfo\Translation".
struct QxResTranslation {
    unsigned language;
    unsigned codePage;
};

// An icon or bitmap, stored as PNG bytes.
struct QxResImage {
    unsigned id;
    const unsigned char* png;
    unsigned size;
};

struct QxResModule {
    unsigned abiVersion;
    const QxResString* strings;
    unsigned stringCount;
    const QxResTranslation* translations;
    unsigned translationCount;
    const QxResStringTable* stringTables;
    unsigned stringTableCount;
    const QxResImage* icons;
    unsigned iconCount;
    const QxResImage* bitmaps;
    unsigned bitmapCount;
};

const QxResModule* QxGetResourceModule(void);
}

inline constexpr unsigned kQxResAbiVersion = 1;
inline constexpr const char* kQxResEntryPoint = "QxGetResourceModule";
