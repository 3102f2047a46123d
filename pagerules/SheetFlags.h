#pragma once

// The two choices of the settings sheet that exclude each other: a stamp
// in force, and an automatic first paper size. The sheet owns them; the
// scale and the stamp page read and set them.
struct SheetFlags {
    bool stampOn = false;
    bool paperAuto = false;
};
