#include "core/Host.h"

#include <iostream>
#include <utility>

namespace orvane {

namespace {
Host::EventPump& Pump() {
    static Host::EventPump pump;
    return pump;
}
Host::MessageSink& Sink() {
    static Host::MessageSink sink;
    return sink;
}
}  // namespace

void Host::SetEventPump(EventPump pump) { Pump() = std::move(pump); }
void Host::SetMessageSink(MessageSink sink) { Sink() = std::move(sink); }

void Host::DoEvents() {
    if (Pump()) Pump()();
}

void Host::ShowMessage(const std::string& text, int style, const std::string& title) {
    if (Sink()) {
        Sink()(text, style, title);
    } else {
        std::cerr << text << '\n';
    }
}

}  // namespace orvane
