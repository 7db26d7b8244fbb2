// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quarvel::ui::form {

// Shows a failure's message: a modal box titled "Quarvel" in the program, a
// recorder in tests.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    // The message as raised; the box adds its final "." where due.
    virtual void report(const std::string& message) = 0;
};

// Keeps the messages, for tests and for failures before the window is up.
class RecordingReporter : public ErrorReporter {
public:
    void report(const std::string& message) override { messages.push_back(message); }
    std::vector<std::string> messages;
};

// The entry of every user event: a failure ends the event's handler, its
// message is reported, and the program goes on with whatever was written
// before the failure.
class Guard {
public:
    explicit Guard(ErrorReporter& reporter) : m_reporter(&reporter) {}
    void run(const std::function<void()>& handler);
    ErrorReporter& reporter() const { return *m_reporter; }
    void setReporter(ErrorReporter& reporter) { m_reporter = &reporter; }

private:
    ErrorReporter* m_reporter;
};

}  // namespace quarvel::ui::form
