#pragma once

#include <string>

// Small text rules shared by the setting-file readers and writers.
class CTextFields {
public:
    // The n-th comma-separated field (counted from 1), untrimmed; the
    // default when the text has fewer fields. An empty text has one empty
    // field.
    static std::string ExtractField(const std::string& text, int n, const std::string& defaultValue);
    // Leading-decimal conversion: blanks, an optional sign, then digits;
    // text that does not start with a number gives 0. Saturates instead of
    // overflowing.
    static int LeadingInteger(const std::string& text);
    // Every character is a digit 0 to 9; the empty text passes.
    static bool IsDigits(const std::string& text);
    // Digits only, at least one, of a number from lower to upper: the rule
    // of every numeric entry.
    static bool IsNumberIn(const std::string& text, int lower, int upper);
};
