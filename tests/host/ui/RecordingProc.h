#pragma once
// Test helper: a dialog procedure that records every message it receives and
// lets the running test react through a handler.

#include "host/ui/Messages.h"

#include <functional>
#include <vector>

struct ReceivedMessage {
    ui::HWND window;
    unsigned message;
    ui::WPARAM wParam;
    ui::LPARAM lParam;
};

class RecordingProc {
public:
    using Handler = std::function<ui::INT_PTR(ui::HWND, unsigned, ui::WPARAM, ui::LPARAM)>;

    // Starts afresh: an empty record, and a handler that handles nothing.
    explicit RecordingProc(Handler handler = {}) {
        Received().clear();
        CurrentHandler() = std::move(handler);
    }
    ~RecordingProc() { CurrentHandler() = {}; }
    RecordingProc(const RecordingProc&) = delete;
    RecordingProc& operator=(const RecordingProc&) = delete;

    static ui::INT_PTR Proc(ui::HWND window, unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) {
        Received().push_back({window, message, wParam, lParam});
        return CurrentHandler() ? CurrentHandler()(window, message, wParam, lParam) : 0;
    }

    static std::vector<ReceivedMessage>& Received() {
        static std::vector<ReceivedMessage> received;
        return received;
    }

    // The messages of one kind, in arrival order.
    static std::vector<ReceivedMessage> Of(unsigned message) {
        std::vector<ReceivedMessage> matching;
        for (const ReceivedMessage& m : Received())
            if (m.message == message) matching.push_back(m);
        return matching;
    }

private:
    static Handler& CurrentHandler() {
        static Handler handler;
        return handler;
    }
};
