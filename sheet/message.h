#pragma once
// What the core asks the window layer to show: a message with its icon and title,
// and the file dialogs of the archive commands. The core only describes them; the
// window layer shows them through its dialogs seam.
#include <QString>

enum class Icon { None, Stop, Exclamation, Information, Question };
enum class Buttons { Ok, YesNo };
enum class Answer { Ok, Yes, No };

struct Message {
    QString text;
    Icon icon = Icon::None;
    QString title;
};

struct FileDialogRequest {
    QString title;
    QString filter;   // the stored filter text, "description | pattern|..."
    int filterIndex;  // 1-based index of the filter chosen at start
    QString fileName; // initial file name
};
