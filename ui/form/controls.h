// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::ui::form {

class Guard;
class Control;

// A view's watch of a control. The watch ends when this goes, or at
// release(); a control that goes first leaves nothing to end.
class Watch {
public:
    Watch() = default;
    Watch(Watch&& other) noexcept;
    Watch& operator=(Watch&& other) noexcept;
    ~Watch() { release(); }
    void release();

private:
    friend class Control;
    Watch(std::weak_ptr<Control*> control, int id) : m_control(std::move(control)), m_id(id) {}
    std::weak_ptr<Control*> m_control;
    int m_id = 0;
};

// What every control holds for its view. A view watches one control: the
// control calls the watcher after each change of its state.
class Control {
public:
    explicit Control(std::string name);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }
    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool visible() const { return m_visible; }
    void setVisible(bool visible);
    const std::string& caption() const { return m_caption; }
    void setCaption(std::string caption);
    const std::string& hint() const { return m_hint; }
    void setHint(std::string hint) { m_hint = std::move(hint); }

    // Views watch a control: each watcher runs after every change of its
    // state, until the watch returned goes.
    [[nodiscard]] Watch watch(std::function<void()> watcher);
    // Handling that code triggers (a written text, a selected row) runs under
    // this guard: its failure is reported and the writer goes on.
    void setGuard(Guard* guard) { m_guard = guard; }

protected:
    void changed();
    void runHandler(const std::function<void()>& handler);

private:
    std::string m_name;
    std::string m_caption;
    std::string m_hint;
    bool m_enabled = true;
    bool m_visible = true;
    friend class Watch;
    void unwatch(int id);
    std::vector<std::pair<int, std::shared_ptr<const std::function<void()>>>> m_watchers;
    int m_lastWatch = 0;
    // What a watch holds of its control, so that it knows whether it still is.
    std::shared_ptr<Control*> m_self = std::make_shared<Control*>(this);
    Guard* m_guard = nullptr;
};

// An edit field. Writing its text from code runs its change handling at once,
// but only when the text actually changes, as typing does.
class EditField : public Control {
public:
    using Control::Control;
    const std::string& text() const { return m_text; }
    void setText(std::string text);
    bool empty() const { return m_text.empty(); }
    bool italic() const { return m_italic; }
    void setItalic(bool italic);
    bool readOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    std::function<void()> onChange;
    std::function<void()> onClick;
    // Enter pressed in the field.
    std::function<void()> onEnter;
    // The value typed is complete: Enter, or the user left the field, and
    // its text was taken.
    std::function<void()> onCommit;

    // A field of numbers. What the user types is taken once it is a value of
    // the domain; while it is only the start of one ("-", "1e", "0" on the
    // way to "0.8") it is held as typed, its change handling not run, and
    // the results keep their last values. Enter or leaving the field judges
    // a held text. Anything else is taken at once, as any text is.
    void takesNumbers(core::NumberDomain domain) { m_domain = domain; }
    const std::optional<core::NumberDomain>& domain() const { return m_domain; }
    bool held() const { return m_held; }
    // For the form's user events: shows a text held, or takes it.
    void hold(std::string text);
    void release() { m_held = false; }
    // Applied to what the user types before it reaches the field.
    std::function<std::string(std::string)> inputFilter;
    // A field of real numbers: a typed or pasted French decimal comma is
    // taken as the "." every number is parsed and shown with.
    void acceptDecimalComma();

private:
    std::string m_text;
    std::optional<core::NumberDomain> m_domain;
    bool m_held = false;
    bool m_italic = false;
    bool m_readOnly = false;
};

// A label, a panel or a group box: a caption and a place.
class Label : public Control {
public:
    using Control::Control;
    int left() const { return m_left; }
    int top() const { return m_top; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    void setBounds(int left, int top, int width, int height);
    void setLeft(int left) { setBounds(left, m_top, m_width, m_height); }
    // Whether a place was ever given.
    bool placed() const { return m_placed; }
    // A composed caption: its French text, and the pattern and values a view
    // translates; each setting shows again, the same text included.
    void setMessage(core::Message message);
    const std::optional<core::Message>& message() const { return m_message; }
    // A caption that is data (a sensor's or telescope's name): shown as it
    // is, never translated.
    bool showsData() const { return m_showsData; }
    void setShowsData(bool data) { m_showsData = data; }

    std::function<void()> onClick;
    std::function<void()> onDoubleClick;

private:
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_placed = false;
    bool m_showsData = false;
    std::optional<core::Message> m_message;
};

enum class ModalResult { None, Ok, Cancel, Close };

class Button : public Control {
public:
    Button(std::string name, std::string caption, ModalResult result = ModalResult::None);
    ModalResult modalResult() const { return m_result; }
    // A button that stays pressed: each click turns it over, before onClick.
    bool checkable() const { return m_checkable; }
    void setCheckable(bool checkable) { m_checkable = checkable; }
    bool checked() const { return m_checked; }
    void setChecked(bool checked);

    std::function<void()> onClick;
    std::function<void()> onRightRelease;

private:
    ModalResult m_result;
    bool m_checkable = false;
    bool m_checked = false;
};

// A radio group. Selecting a row from code runs the click handling when the
// selection changes.
class RadioGroup : public Control {
public:
    RadioGroup(std::string name, std::string caption, std::vector<std::string> items, int columns = 1);
    const std::vector<std::string>& items() const { return m_items; }
    int columns() const { return m_columns; }
    int selected() const { return m_selected; }
    void select(int row);

    std::function<void()> onClick;
    // Mouse press and release on one row's button, before and after its selection.
    std::function<void(int row)> onMousePress;
    std::function<void(int row)> onMouseRelease;

private:
    std::vector<std::string> m_items;
    int m_columns;
    int m_selected = -1;
};

// A table of rows under column headings: its owner gives the rows in the
// order shown; a click on a heading asks for that order (onSort, the column
// and its sense already set), a double click on a row runs onActivate.
// Cells are data (names, numbers), shown as they are.
class Table : public Control {
public:
    Table(std::string name, std::vector<core::Message> headings)
        : Control(std::move(name)), m_headings(std::move(headings)) {}
    const std::vector<core::Message>& headings() const { return m_headings; }
    const std::vector<std::vector<std::string>>& rows() const { return m_rows; }
    void setRows(std::vector<std::vector<std::string>> rows) {
        m_rows = std::move(rows);
        changed();
    }
    int sortColumn() const { return m_sortColumn; }
    bool descending() const { return m_descending; }
    void sortBy(int column, bool descending) {
        m_sortColumn = column;
        m_descending = descending;
        changed();
    }
    std::function<void()> onSort;
    std::function<void(int row)> onActivate;

private:
    std::vector<core::Message> m_headings;
    std::vector<std::vector<std::string>> m_rows;
    int m_sortColumn = -1;
    bool m_descending = true;
};

// A combo box or a list box. Selecting from code is selection only; a user's
// pick runs onChange.
class ListControl : public Control {
public:
    // A row: the text shown, what it stands for, and where it comes from
    // (a number the list's owner gives meaning to).
    struct Item {
        std::string text;
        std::string id;
        int origin = 0;
        core::Message hint;  // what a pointer over the row shows
    };
    ListControl(std::string name, std::vector<std::string> items);
    ListControl(std::string name, std::vector<Item> items);
    // A list whose rows are asked of `rows` when first read: a long list
    // costs nothing until it is shown or searched.
    ListControl(std::string name, std::function<std::vector<Item>()> rows);
    // The texts shown.
    const std::vector<std::string>& items() const {
        fill();
        return m_items;
    }
    // What a row stands for (its text, unless given); empty for no row.
    std::string_view id(int row) const;
    std::string_view selectedId() const { return id(m_selected); }
    int origin(int row) const;
    const core::Message& hint(int row) const;
    // The row standing for an id.
    std::optional<int> rowOf(std::string_view id) const;
    int count() const { return static_cast<int>(items().size()); }
    int selected() const { return m_selected; }
    void select(int row);
    // The chosen entry's text; empty when nothing is chosen.
    const std::string& text() const { return m_text; }
    // Sets the text and chooses the entry that carries it, if any.
    void setText(std::string text);
    // New entries; the chosen one stays chosen where it still is, by what it
    // stands for.
    void setItems(std::vector<std::string> items);
    void setItems(std::vector<Item> items);
    // Counts the changes of the entries, for the views.
    int itemsVersion() const {
        fill();
        return m_itemsVersion;
    }
    // The row chosen before the user's last pick.
    int rowBeforePick() const { return m_rowBeforePick; }
    // Rows from this one on are names the user gave: shown as they are,
    // never translated.
    int dataFromRow() const { return m_dataFromRow; }
    void setDataFromRow(int row) { m_dataFromRow = row; }

    std::function<void()> onChange;
    // Says whether the key was a shortcut, taken here rather than typed.
    std::function<bool(char key)> onKeyPress;

private:
    friend class Form;
    // The rows not asked for yet, if any, taken in.
    void fill() const;
    void take(std::vector<Item> items) const;

    mutable std::function<std::vector<Item>()> m_rows;
    mutable std::vector<std::string> m_items;
    mutable std::vector<std::string> m_ids;
    mutable std::vector<int> m_origins;
    mutable std::vector<core::Message> m_hints;
    int m_selected = -1;
    int m_rowBeforePick = -1;
    std::string m_text;
    int m_itemsVersion = 0;
    int m_dataFromRow = std::numeric_limits<int>::max();
};

class TrackBar : public Control {
public:
    TrackBar(std::string name, int minimum, int maximum, int position);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    int position() const { return m_position; }
    void setPosition(int position);

    std::function<void()> onChange;

private:
    int m_minimum;
    int m_maximum;
    int m_position;
};

// The tabbed notebook: a programmatic page change runs no handling.
class Notebook : public Control {
public:
    Notebook(std::string name, std::vector<std::string> pages);
    const std::vector<std::string>& pages() const { return m_pages; }
    int activePage() const { return m_activePage; }
    void setActivePage(int page);

    std::function<void()> onUserSwitch;

private:
    std::vector<std::string> m_pages;
    int m_activePage = 0;
};

// A month calendar limited to a range of dates.
struct CalendarDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    auto operator<=>(const CalendarDate&) const = default;
};

class Calendar : public Control {
public:
    Calendar(std::string name, CalendarDate minimum, CalendarDate maximum);
    CalendarDate date() const { return m_date; }
    void setDate(CalendarDate date);
    CalendarDate minimum() const { return m_minimum; }
    CalendarDate maximum() const { return m_maximum; }

private:
    CalendarDate m_minimum;
    CalendarDate m_maximum;
    CalendarDate m_date;
};

// A pop-up menu with check marks; it opens on the right button of its owner.
struct MenuItem {
    std::string name;
    std::string caption;
    bool checked = false;
};

class PopupMenu : public Control {
public:
    PopupMenu(std::string name, std::vector<MenuItem> items);
    const std::vector<MenuItem>& items() const { return m_items; }
    // Puts the check mark on one item and takes it off the others.
    void check(int index);
    int checkedIndex() const;

    std::function<void(int index)> onChoose;

private:
    std::vector<MenuItem> m_items;
};

// A multi-line text.
class Memo : public Control {
public:
    using Control::Control;
    const std::string& text() const { return m_text; }
    void setText(std::string text);

private:
    std::string m_text;
};

}  // namespace quarvel::ui::form
