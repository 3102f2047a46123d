#pragma once

class QWidget;

// Where the program's small modeless windows appear.
class CWindowPlacement {
public:
    // Half the difference of the two sizes from the owner's left and top.
    static void CentreOver(QWidget& window, const QWidget& owner);
};
