#pragma once

// What the print list view needs from the window around it.
class IPrintListHost {
public:
    virtual ~IPrintListHost() = default;
    // Copies for a new entry.
    virtual int DefaultCopies() const = 0;
    virtual bool IsSameCopies() const = 0;
    // One entry got copies of its own: one number for all no longer applies.
    virtual void CancelSameCopies() = 0;
};
