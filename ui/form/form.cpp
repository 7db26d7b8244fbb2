// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form/form.h"

#include <stdexcept>
#include <utility>

namespace quarvel::ui::form {

Form::Form(std::string name, std::string caption, Guard& guard)
    : m_name(std::move(name)), m_caption(std::move(caption)), m_guard(guard) {}

Control* Form::find(const std::string& name) const {
    for (Control* control : m_controls) {
        if (control->name() == name) return control;
    }
    throw std::out_of_range("no control " + name + " in " + m_name);
}

void Form::userTypes(EditField& field, std::string text) {
    if (!field.enabled() || field.readOnly()) return;
    settleTyping(&field);
    if (field.inputFilter) text = field.inputFilter(std::move(text));
    if (field.domain() && !text.empty() && core::completion(text, *field.domain()) == core::Completion::Incomplete) {
        field.hold(std::move(text));
        m_typing = &field;
        return;
    }
    m_guard.runUserAction([&] { field.setText(std::move(text)); });
}

void Form::judge(EditField& field) {
    if (field.held()) {
        field.release();
        if (field.onChange) field.onChange();
    }
    if (field.onCommit) field.onCommit();
}

void Form::settleTyping(const EditField* except) {
    EditField* typing = std::exchange(m_typing, nullptr);
    if (!typing || typing == except) {
        m_typing = typing;
        return;
    }
    if (typing->held()) m_guard.runUserAction([typing] { judge(*typing); });
}

void Form::userPressesEnter(EditField& field) {
    if (!field.enabled()) return;
    settleTyping(&field);
    m_guard.runUserAction([&] {
        judge(field);
        if (field.onEnter) field.onEnter();
    });
}

void Form::userLeaves(EditField& field) {
    if (!field.held() && !field.onCommit) return;
    m_guard.runUserAction([&] { judge(field); });
}

void Form::userClicksInto(EditField& field) {
    settleTyping(&field);
    if (!field.enabled() || !field.onClick) return;
    m_guard.runUserAction(field.onClick);
}

void Form::userClicks(Button& button) {
    settleTyping();
    if (!button.enabled() || !button.visible()) return;
    // The dialog's result is set before the button's handler runs, so that a
    // failing handler still closes the dialog; the handler may change it.
    if (button.modalResult() != ModalResult::None) setModalResult(button.modalResult());
    if (button.checkable()) button.setChecked(!button.checked());
    if (button.onClick) m_guard.runUserAction(button.onClick);
    // A handler that found something to mend leaves no result: the dialog stays open.
    if (button.modalResult() != ModalResult::None && m_modalResult != ModalResult::None && onClose) {
        onClose(m_modalResult);
    }
}

void Form::userRightReleases(Button& button) {
    settleTyping();
    if (!button.enabled() || !button.onRightRelease) return;
    m_guard.runUserAction(button.onRightRelease);
}

void Form::userClicks(Label& label) {
    settleTyping();
    if (label.onClick) m_guard.runUserAction(label.onClick);
}

void Form::userDoubleClicks(Label& label) {
    settleTyping();
    if (label.onDoubleClick) m_guard.runUserAction(label.onDoubleClick);
}

void Form::userSelects(RadioGroup& group, int row) {
    settleTyping();
    if (!group.enabled()) return;
    m_guard.runUserAction([&] { group.select(row); });
}

void Form::userMouseClicks(RadioGroup& group, int row) {
    settleTyping();
    if (!group.enabled()) return;
    m_guard.runUserAction([&] {
        if (group.onMousePress) m_guard.run([&] { group.onMousePress(row); });
        m_guard.run([&] { group.select(row); });
        if (group.onMouseRelease) m_guard.run([&] { group.onMouseRelease(row); });
    });
}

void Form::userPicks(ListControl& list, int row) {
    settleTyping();
    if (!list.enabled()) return;
    m_guard.runUserAction([&] {
        list.m_rowBeforePick = list.selected();
        list.select(row);
        if (list.onChange) list.onChange();
    });
}

bool Form::userPresses(ListControl& list, char key) {
    settleTyping();
    if (!list.enabled() || !list.onKeyPress) return false;
    bool shortcut = false;
    m_guard.runUserAction([&] { shortcut = list.onKeyPress(key); });
    return shortcut;
}

void Form::userMoves(TrackBar& bar, int position) {
    settleTyping();
    if (!bar.enabled()) return;
    m_guard.runUserAction([&] { bar.setPosition(position); });
}

void Form::userSwitches(Notebook& notebook, int page) {
    settleTyping();
    if (!notebook.enabled()) return;
    m_guard.runUserAction([&] {
        notebook.setActivePage(page);
        if (notebook.onUserSwitch) notebook.onUserSwitch();
    });
}

void Form::userChooses(PopupMenu& menu, int index) {
    settleTyping();
    if (!menu.enabled() || index < 0 || index >= static_cast<int>(menu.items().size()) || !menu.onChoose) return;
    m_guard.runUserAction([&] { menu.onChoose(index); });
}

void Form::userSorts(Table& table, int column) {
    settleTyping();
    if (!table.enabled() || column < 0 || column >= static_cast<int>(table.headings().size())) return;
    m_guard.runUserAction([&] {
        table.sortBy(column, table.sortColumn() == column ? !table.descending() : true);
        if (table.onSort) table.onSort();
    });
}

void Form::userActivates(Table& table, int row) {
    settleTyping();
    if (!table.enabled() || row < 0 || row >= static_cast<int>(table.rows().size()) || !table.onActivate) return;
    m_guard.runUserAction([&] { table.onActivate(row); });
}

void Form::userPresses(FramingBox& box, drawings::Point at) {
    settleTyping();
    if (box.onPress) m_guard.runUserAction([&] { box.onPress(at); });
}

void Form::userDrags(FramingBox& box, drawings::Point at) {
    if (box.onDrag) m_guard.runUserAction([&] { box.onDrag(at); });
}

void Form::userZooms(FramingBox& box, double factor) {
    if (box.onZoom) m_guard.runUserAction([&] { box.onZoom(factor); });
}

void Form::setModalResult(ModalResult result) { m_modalResult = result; }

}  // namespace quarvel::ui::form
