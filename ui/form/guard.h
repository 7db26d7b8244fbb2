// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/errors.h"

namespace quarvel::ui::form {

// Shows a failure's message: a modal box titled "Quarvel" in the program, a
// recorder in tests.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // The message as raised, its pattern and values for the view to
    // translate; the box adds its final "." where due.
    virtual void report(const core::Message& message) = 0;
};

// Keeps the messages' French texts, for tests.
class RecordingReporter : public ErrorReporter {
public:
    void report(const core::Message& message) override { messages.push_back(message.text()); }
    std::vector<std::string> messages;
};

// The entry of every user event: a failure ends the event's handler, its
// message is reported, and the program goes on with whatever was written
// before the failure. One user action shows each distinct message once, however
// many of its nested handlers fail with it.
class Guard {
public:
    explicit Guard(ErrorReporter& reporter) : m_reporter(&reporter) {}
    // A handler within the running user action, or one of its own.
    void run(const std::function<void()>& handler);
    // A new user action, also while another one waits on a modal dialog.
    void runUserAction(const std::function<void()>& handler);
    ErrorReporter& reporter() const { return *m_reporter; }

private:
    friend class ReporterSwap;
    void execute(const std::function<void()>& handler);
    void report(const core::Message& message);

    ErrorReporter* m_reporter;
    // The messages shown by each user action under way, innermost last.
    std::vector<std::vector<std::string>> m_actions;
};

// The guard reports to another reporter for as long as this lives.
class ReporterSwap {
public:
    ReporterSwap(Guard& guard, ErrorReporter& reporter) : m_guard(guard), m_previous(guard.m_reporter) {
        m_guard.m_reporter = &reporter;
    }
    ~ReporterSwap() { m_guard.m_reporter = m_previous; }
    ReporterSwap(const ReporterSwap&) = delete;
    ReporterSwap& operator=(const ReporterSwap&) = delete;

private:
    Guard& m_guard;
    ErrorReporter* m_previous;
};

}  // namespace quarvel::ui::form
