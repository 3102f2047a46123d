#pragma once

#include "ICommand.h"

// A command that a helper program beside qx-sendora-cli runs. The helper
// links the large libraries the command needs (the picture libraries,
// libtiff, libcurl, SQLite); the call is handed over to it whole (exec, the
// same process, arguments and environment), so that qx-sendora-cli itself
// never loads them and the commands that need none start at once.
class CHandOverCommand : public ICommand {
public:
    CHandOverCommand(const CommandText& text, const char* helper);

    std::string Name() const override { return m_text.name; }
    std::string Usage() const override { return m_text.usage; }
    // Returns only when the helper cannot be started.
    int Run(const std::vector<std::string>& args) override;

protected:
    // The helper program's file name for this call.
    virtual std::string Helper(const std::vector<std::string>& args) const;

private:
    CommandText m_text;
    const char* m_helper;
};
