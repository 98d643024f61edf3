#pragma once

#include <functional>
#include <string>

#include "core/Export.h"

namespace orvane {

// Message box styles the library asks for (the values of the classic message box API).
enum MessageStyle { MsgNone = 0, MsgCritical = 16, MsgExclamation = 48 };

// What the host program lends the library: a way to let pending window events run during
// long loops, and a way to show a message. The desktop installs Qt's event processing and a
// QMessageBox; orvane-gen prints messages to standard error. With nothing installed,
// DoEvents does nothing and messages go to standard error. The callbacks are process-wide:
// install them once, on the thread that generates (see GenerateWorkflow).
class ORVANE_API Host {
  public:
    using EventPump = std::function<void()>;
    using MessageSink =
        std::function<void(const std::string& text, int style, const std::string& title)>;

    static void SetEventPump(EventPump pump);
    static void SetMessageSink(MessageSink sink);

    static void DoEvents();
    static void ShowMessage(const std::string& text, int style = MsgNone,
                            const std::string& title = "OrvaneLib");
};

}  // namespace orvane
