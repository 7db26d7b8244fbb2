// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <vector>
#include <string>

#include "ui/form/form.h"

class QCalendarWidget;
class QComboBox;
class QObject;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace quarvel::ui::qt {

inline QString qs(const std::string& text) { return QString::fromStdString(text); }
inline std::string ss(const QString& text) { return text.toStdString(); }

// The longest text an edit field takes.
inline constexpr int kMaxFieldLength = 1000;

// Ties widgets to their control models: a model's changes update its widget
// with the widget's signals blocked, and the user's input reaches the form
// as one user event, which runs under the form's guard.
class Binder {
public:
    explicit Binder(form::Form& form) : m_form(form) {}
    // The window whose controls it binds: its user events.
    form::Form& form() const { return m_form; }
    // The views stop watching their controls with the binder.
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // How a field's text is shown and how what the user types reaches it:
    // as they are, for every field but those that show a word of the program.
    struct Display {
        std::function<QString(const std::string&)> shown;
        std::function<std::string(const QString&)> typed;
    };
    QLineEdit* edit(form::EditField& field, QWidget* parent, int width = 0, Display display = {});
    QPushButton* button(form::Button& button, QWidget* parent);
    QGroupBox* radioGroup(form::RadioGroup& group, QWidget* parent, const std::vector<std::string>& buttonNames = {});
    QComboBox* combo(form::ListControl& list, QWidget* parent, int visibleRows = 10);
    QListWidget* listBox(form::ListControl& list, QWidget* parent);
    // A table: its headings translated, its cells plain text; a click on a
    // heading and a double click on a row go to the form.
    QTableWidget* table(form::Table& table, QWidget* parent);
    QLabel* label(form::Label& label, QWidget* parent);
    QSlider* trackBar(form::TrackBar& bar, QWidget* parent);
    QPlainTextEdit* memo(form::Memo& memo, QWidget* parent);
    QCalendarWidget* calendar(form::Calendar& calendar, QWidget* parent);
    // `showing` runs before a page is shown, so that it can be built.
    void notebook(form::Notebook& notebook, QTabWidget* tabs, form::Label& mask, QWidget* maskWidget,
                  std::function<void(int)> showing);
    // A pop-up menu on the right button of `owner`, when `opens` says so.
    void popupMenu(form::PopupMenu& menu, QWidget* owner, std::function<bool()> opens = {});
    // A label, panel or picture placed where its model says.
    void place(form::Label& label, QWidget* widget);
    // Runs `show` after each change of the model, while the widget lives.
    void watch(form::Control& control, QWidget* widget, std::function<void()> show);
    // Follows a model's visibility and enabled state.
    void follow(form::Control& control, QWidget* widget);

private:
    // The watch ends with the widget or with the binder, whichever goes first.
    void keep(form::Watch watch, QObject* widget);

    form::Form& m_form;
    std::vector<std::shared_ptr<form::Watch>> m_watches;
};

// Labels of the windows show plain text; one that shows data carries
// kDataProperty, so that translating the window leaves it alone.
void plain(QLabel* widget, const form::Label& label);

// A widget given its control name.
template <typename W>
W* named(W* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

// A caption label in front of a field, with the field as its buddy.
QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent);

// Runs the action each time the widget takes a new size.
void onResize(QWidget* widget, std::function<void()> action);

}  // namespace quarvel::ui::qt
