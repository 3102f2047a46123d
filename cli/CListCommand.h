#pragma once

#include "ICommand.h"

#include <memory>
#include <optional>

class CArguments;
class IRegistList;

// list, add and remove on one of the lists the options dialogs keep: an
// entry is refused as the dialogs refuse it and a change is written at
// once. An entry is found without regard to case, as the file's keys are,
// so a name that differs from a listed one only in case is a duplicate too.
class CListCommand : public ICommand {
public:
    std::string Usage() const override;
    int Run(const std::vector<std::string>& args) override;

protected:
    // The list as the options sheet would open it, with the message for an
    // entry not in it and the file it is written to.
    struct Opened {
        std::unique_ptr<IRegistList> list;
        unsigned missingId;
        std::string path;
    };

    // The operand naming a part of the list ("FORMAT"); empty when the
    // list is one whole.
    virtual std::string PartName() const { return {}; }
    virtual std::string EntryName() const = 0;
    // parts holds at most one part; an exit code.
    virtual int List(const std::vector<std::string>& parts) = 0;
    // The list of that part; nothing after a message saying why.
    virtual std::optional<Opened> Open(const std::string& part) = 0;

private:
    void CheckUsage(CArguments& arguments) const;
    static int Add(Opened& opened, const std::string& entry);
    static int Remove(Opened& opened, const std::string& entry);
    static int Write(const Opened& opened);
};
