// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "ui/form/controls.h"
#include "ui/form/drawing_controls.h"
#include "ui/form/guard.h"

namespace quarvel::ui::form {

class Form;

// Shows a dialog modally and returns how it closed: a nested event loop in
// the program, a script that plays the user's actions in tests.
class ModalHost {
public:
    virtual ~ModalHost() = default;
    virtual ModalResult showModal(Form& dialog) = 0;
};

// A window: it owns its controls and their handlers. User events enter
// through the user... entries, each run under the guard.
class Form {
public:
    Form(std::string name, std::string caption, Guard& guard);
    virtual ~Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }
    const std::string& caption() const { return m_caption; }
    Guard& guard() const { return m_guard; }

    // Every control of the window, for the views and the tests.
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* find(const std::string& name) const;
    template <typename T>
    T& get(const std::string& name) const;

    // User events.
    void userTypes(EditField& field, std::string text);
    void userClicksInto(EditField& field);
    void userPressesEnter(EditField& field);
    // The keyboard's focus left the field.
    void userLeaves(EditField& field);
    void userClicks(Button& button);
    void userRightReleases(Button& button);
    void userClicks(Label& label);
    void userDoubleClicks(Label& label);
    void userSelects(RadioGroup& group, int row);
    // A mouse click on one row of a radio group: press, selection, release.
    void userMouseClicks(RadioGroup& group, int row);
    void userPicks(ListControl& list, int row);
    // Whether the list took the key as a shortcut.
    bool userPresses(ListControl& list, char key);
    void userMoves(TrackBar& bar, int position);
    void userSwitches(Notebook& notebook, int page);
    void userChooses(PopupMenu& menu, int index);
    // A click on a table's heading: that column's order, the other way
    // round on a second click; a double click on a row.
    void userSorts(Table& table, int column);
    void userActivates(Table& table, int row);
    // The mouse pressed on a framing, then dragged with its button down.
    void userPresses(FramingBox& box, drawings::Point at);
    void userDrags(FramingBox& box, drawings::Point at);
    // The wheel or a key: the chart's scale times `factor`.
    void userZooms(FramingBox& box, double factor);

    // A dialog's result: set by a button that closes it, before its handler runs.
    ModalResult modalResult() const { return m_modalResult; }
    void setModalResult(ModalResult result);
    std::function<void(ModalResult)> onClose;
    // Ends the dialog with that result, as a button of that result does.
    void closeWith(ModalResult result) {
        setModalResult(result);
        if (onClose) onClose(result);
    }

protected:
    template <typename T, typename... Args>
    T& add(Args&&... args);

private:
    // A held text is judged by the field's change handling, which fails with
    // its message; a taken one is committed.
    static void judge(EditField& field);
    // Any other user action first judges the text still being typed: a key
    // that moves no focus (Ctrl+S) never acts on half a number.
    void settleTyping(const EditField* except = nullptr);
    EditField* m_typing = nullptr;
    friend class Part;
    std::string m_name;
    std::string m_caption;
    Guard& m_guard;
    std::vector<Control*> m_controls;
    std::vector<std::unique_ptr<Control>> m_owned;
    ModalResult m_modalResult = ModalResult::None;
};

// A part of a window, a page of the main window: it adds its controls to the
// window, which shows them, and owns their behaviour.
class Part {
public:
    Part(const Part&) = delete;
    Part& operator=(const Part&) = delete;

protected:
    explicit Part(Form& window) : m_window(window) {}
    ~Part() = default;
    template <typename T, typename... Args>
    T& add(Args&&... args) {
        return m_window.add<T>(std::forward<Args>(args)...);
    }
    Guard& guard() const { return m_window.guard(); }
    // Fields that show results: read-only, and disabled as the model keeps them.
    static void showsResults(std::initializer_list<EditField*> fields) {
        for (EditField* field : fields) {
            field->setReadOnly(true);
            field->setEnabled(false);
        }
    }

private:
    Form& m_window;
};

template <typename T, typename... Args>
T& Form::add(Args&&... args) {
    auto control = std::make_unique<T>(std::forward<Args>(args)...);
    control->setGuard(&m_guard);
    T& ref = *control;
    m_controls.push_back(control.get());
    m_owned.push_back(std::move(control));
    return ref;
}

template <typename T>
T& Form::get(const std::string& name) const {
    return dynamic_cast<T&>(*find(name));
}

}  // namespace quarvel::ui::form
