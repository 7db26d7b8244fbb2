// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tests/event_player.h"

#include <algorithm>
#include <functional>

#include "core/errors.h"
#include "ui/program.h"

namespace quarvel::ui::testing {

namespace {

// Reads the event stream; past its end every read gives zero.
class Stream {
public:
    Stream(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool more() const { return m_at < m_size; }
    int byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    int below(int n) { return n <= 0 ? 0 : byte() % n; }

    // Texts that have tripped calculators before, or a few raw bytes.
    std::string text() {
        static const char* const kTexts[] = {"",      "0",     "-0",    "1e308", "-1e308", "1e-308", "NaN",
                                             "nan",   "inf",   "-1",    "12.5",  "8,6",    "200",    "1000",
                                             "abc",   " 5 ",   "2147483647", "-2147483648", "99999999999",
                                             "0x10",  "1.25",  "0.0",   ".",     "-",      "1e",     "5.4"};
        const int choice = below(static_cast<int>(std::size(kTexts)) + 2);
        if (choice < static_cast<int>(std::size(kTexts))) return kTexts[choice];
        if (choice == static_cast<int>(std::size(kTexts))) return std::string(100000, '9');
        std::string raw;
        for (int n = below(12); n > 0; --n) raw.push_back(static_cast<char>(byte()));
        return raw;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

template <typename T>
std::vector<T*> controlsOf(const form::Form& f) {
    std::vector<T*> found;
    for (form::Control* c : f.controls()) {
        if (auto* t = dynamic_cast<T*>(c)) found.push_back(t);
    }
    return found;
}

// One user event on a window, chosen by the stream.
void playOne(form::Form& f, Stream& in) {
    const auto edits = controlsOf<form::EditField>(f);
    const auto lists = controlsOf<form::ListControl>(f);
    const auto groups = controlsOf<form::RadioGroup>(f);
    const auto buttons = controlsOf<form::Button>(f);
    const auto menus = controlsOf<form::PopupMenu>(f);
    const auto labels = controlsOf<form::Label>(f);
    const auto bars = controlsOf<form::TrackBar>(f);
    const auto books = controlsOf<form::Notebook>(f);
    const auto pick = [&in](const auto& v) {
        return v.empty() ? nullptr : v[static_cast<std::size_t>(in.below(static_cast<int>(v.size())))];
    };
    switch (in.below(11)) {
    case 0:
    case 1:
        if (auto* e = pick(edits)) f.userTypes(*e, in.text());
        break;
    case 2:
        if (auto* l = pick(lists)) f.userPicks(*l, in.below(l->count() + 2) - 1);
        break;
    case 3:
        if (auto* g = pick(groups)) f.userSelects(*g, in.below(static_cast<int>(g->items().size()) + 1));
        break;
    case 4:
        if (auto* g = pick(groups)) f.userMouseClicks(*g, in.below(static_cast<int>(g->items().size())));
        break;
    case 5:
        if (auto* b = pick(buttons)) {
            if (in.below(4) == 0) {
                f.userRightReleases(*b);
            } else {
                f.userClicks(*b);
            }
        }
        break;
    case 6:
        if (auto* n = pick(books)) f.userSwitches(*n, in.below(static_cast<int>(n->pages().size())));
        break;
    case 7:
        if (auto* m = pick(menus)) f.userChooses(*m, in.below(static_cast<int>(m->items().size())));
        break;
    case 8:
        if (auto* b = pick(bars)) f.userMoves(*b, in.below(30) - 2);
        break;
    case 9:
        if (auto* l = pick(labels)) {
            if (in.below(2)) {
                f.userClicks(*l);
            } else {
                f.userDoubleClicks(*l);
            }
        }
        break;
    default:
        if (auto* e = pick(edits)) f.userClicksInto(*e);
        if (auto* l = pick(lists)) f.userPresses(*l, "sScCpPx"[in.below(7)]);
        break;
    }
}

// Answers each dialog with a few events of its own, then leaves it as the
// stream says: by a button, or by the close box.
class StreamHost : public form::ModalHost {
public:
    explicit StreamHost(Stream& in) : m_in(in) {}
    form::ModalResult showModal(form::Form& dialog) override {
        dialog.setModalResult(form::ModalResult::None);
        if (m_depth > 2) return form::ModalResult::Close;
        ++m_depth;
        bool closed = false;
        dialog.onClose = [&closed](form::ModalResult) { closed = true; };
        for (int n = m_in.below(4); n > 0 && !closed; --n) playOne(dialog, m_in);
        if (!closed && m_in.below(3) > 0) {
            auto buttons = controlsOf<form::Button>(dialog);
            buttons.erase(std::remove_if(buttons.begin(), buttons.end(),
                                         [](form::Button* b) { return b->modalResult() == form::ModalResult::None; }),
                          buttons.end());
            if (!buttons.empty())
                dialog.userClicks(*buttons[static_cast<std::size_t>(m_in.below(static_cast<int>(buttons.size())))]);
        }
        dialog.onClose = nullptr;
        --m_depth;
        return dialog.modalResult() == form::ModalResult::None ? form::ModalResult::Close : dialog.modalResult();
    }

private:
    Stream& m_in;
    int m_depth = 0;
};

}  // namespace

std::size_t playEvents(const std::uint8_t* data, std::size_t size, const std::string& configPath,
                       std::string& failure) {
    Stream in(data, size);
    form::RecordingReporter reporter;
    StreamHost host(in);
    Program program(reporter, host,
                    Environment{configPath, [] { return form::CalendarDate{2026, 12, 6}; },
                                [](const std::string&) {}, [] {}, {}, {}, [](double) { return 0; }, {}});
    for (const auto& message : program.mainForm.start()) reporter.report(message);
    program.mainForm.userClicks(program.mainForm.about.bbRun);
    std::size_t events = 0;
    while (in.more()) {
        playOne(program.mainForm, in);
        ++events;
        for (const auto& message : reporter.messages) {
            if (!core::isFixedMessage(message)) {
                failure = message;
                return events;
            }
        }
        reporter.messages.clear();
    }
    return events;
}

}  // namespace quarvel::ui::testing
