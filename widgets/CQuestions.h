#pragma once

#include <optional>
#include <string>
#include <vector>

// Yes-or-no questions to the user by string identifier, %1 filled in, in a
// modal box over the active window with No as the default. Tests give the
// next answer instead of letting a box appear, and read what was asked.
class CQuestions {
public:
    static bool Ask(unsigned id, const std::string& argument = {});

    static void SetNextAnswer(bool yes);
    // The identifiers asked, in order, since the last clear.
    static std::vector<unsigned>& Asked();

private:
    static std::optional<bool>& NextAnswer();
};
