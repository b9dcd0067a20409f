#pragma once
// Message boxes: the core's only way to show a text to the user. GUI: QMessageBox;
// CLI: a line on stderr; tests: a recorded list.

#include <string_view>

enum class MsgIcon
{
    Information,
    Warning,
    Error
};

class clsIMessage
{
public:
    virtual ~clsIMessage() = default;
    // An empty caption means a box without a title of its own (the bare application name).
    virtual void ShowMessage(MsgIcon icon, std::string_view strText,
                             std::string_view strCaption) = 0;
};
