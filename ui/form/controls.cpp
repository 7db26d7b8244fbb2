// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form/controls.h"

#include <algorithm>
#include <utility>

#include "ui/form/guard.h"

namespace quarvel::ui::form {

Control::Control(std::string name) : m_name(std::move(name)) {}

void Control::changed() {
    // By index, each held while it runs: a watcher may start or end watches.
    for (std::size_t i = 0; i < m_watchers.size(); ++i) {
        const std::shared_ptr<const std::function<void()>> watcher = m_watchers[i].second;
        (*watcher)();
    }
}

Watch Control::watch(std::function<void()> watcher) {
    m_watchers.emplace_back(++m_lastWatch, std::make_shared<const std::function<void()>>(std::move(watcher)));
    return Watch(m_self, m_lastWatch);
}

void Control::unwatch(int id) {
    std::erase_if(m_watchers, [id](const auto& watcher) { return watcher.first == id; });
}

Watch::Watch(Watch&& other) noexcept : m_control(std::move(other.m_control)), m_id(other.m_id) {
    other.m_control.reset();
}

Watch& Watch::operator=(Watch&& other) noexcept {
    if (this != &other) {
        release();
        m_control = std::move(other.m_control);
        m_id = other.m_id;
        other.m_control.reset();
    }
    return *this;
}

void Watch::release() {
    if (const auto control = m_control.lock()) (*control)->unwatch(m_id);
    m_control.reset();
}

void Control::runHandler(const std::function<void()>& handler) {
    if (!handler) return;
    if (m_guard) {
        m_guard->run(handler);
    } else {
        handler();
    }
}

void Label::setMessage(core::Message message) {
    m_message = std::move(message);
    std::string text = m_message->text();
    // The same words again (a second save) are shown again too.
    if (text == caption()) {
        changed();
    } else {
        setCaption(std::move(text));
    }
}

void EditField::acceptDecimalComma() {
    inputFilter = [](std::string text) {
        std::replace(text.begin(), text.end(), ',', '.');
        return text;
    };
}

void Control::setEnabled(bool enabled) {
    if (m_enabled == enabled) return;
    m_enabled = enabled;
    changed();
}

void Control::setVisible(bool visible) {
    if (m_visible == visible) return;
    m_visible = visible;
    changed();
}

void Control::setCaption(std::string caption) {
    if (m_caption == caption) return;
    m_caption = std::move(caption);
    changed();
}

void EditField::setText(std::string text) {
    // A text held while typed is not yet taken: written again, it is.
    if (m_text == text && !m_held) return;
    m_text = std::move(text);
    m_held = false;
    changed();
    runHandler(onChange);
}

void EditField::hold(std::string text) {
    if (m_text == text) return;
    m_text = std::move(text);
    m_held = true;
    changed();
}

void EditField::setItalic(bool italic) {
    if (m_italic == italic) return;
    m_italic = italic;
    changed();
}

void EditField::setReadOnly(bool readOnly) {
    if (m_readOnly == readOnly) return;
    m_readOnly = readOnly;
    changed();
}

void Label::setBounds(int left, int top, int width, int height) {
    if (m_placed && left == m_left && top == m_top && width == m_width && height == m_height) return;
    m_placed = true;
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    changed();
}

void Button::setChecked(bool checked) {
    if (m_checked == checked) return;
    m_checked = checked;
    changed();
}

Button::Button(std::string name, std::string caption, ModalResult result)
    : Control(std::move(name)), m_result(result) {
    setCaption(std::move(caption));
    // A dialog's closing buttons say what they do.
    if (result == ModalResult::Ok) setHint("Valider et fermer");
    if (result == ModalResult::Cancel) setHint("Fermer sans rien changer");
}

RadioGroup::RadioGroup(std::string name, std::string caption, std::vector<std::string> items, int columns)
    : Control(std::move(name)), m_items(std::move(items)), m_columns(columns) {
    setCaption(std::move(caption));
}

void RadioGroup::select(int row) {
    if (row < -1 || row >= static_cast<int>(m_items.size())) row = -1;
    if (row == m_selected) return;
    m_selected = row;
    changed();
    runHandler(onClick);
}

namespace {

std::vector<ListControl::Item> itemsOf(std::vector<std::string> texts) {
    std::vector<ListControl::Item> items;
    for (auto& text : texts) items.push_back({text, std::move(text), 0, {}});
    return items;
}

}  // namespace

ListControl::ListControl(std::string name, std::vector<std::string> items)
    : ListControl(std::move(name), itemsOf(std::move(items))) {}

ListControl::ListControl(std::string name, std::vector<Item> items) : Control(std::move(name)) {
    take(std::move(items));
}

ListControl::ListControl(std::string name, std::function<std::vector<Item>()> rows)
    : Control(std::move(name)), m_rows(std::move(rows)) {}

void ListControl::fill() const {
    if (m_rows) take(std::exchange(m_rows, nullptr)());
}

void ListControl::take(std::vector<Item> items) const {
    m_items.clear();
    m_ids.clear();
    m_origins.clear();
    m_hints.clear();
    for (auto& item : items) {
        m_items.push_back(std::move(item.text));
        m_ids.push_back(std::move(item.id));
        m_origins.push_back(item.origin);
        m_hints.push_back(std::move(item.hint));
    }
}

std::string_view ListControl::id(int row) const {
    if (row < 0 || row >= count()) return {};
    return m_ids[static_cast<std::size_t>(row)];
}

int ListControl::origin(int row) const {
    if (row < 0 || row >= count()) return 0;
    return m_origins[static_cast<std::size_t>(row)];
}

const core::Message& ListControl::hint(int row) const {
    static const core::Message none;
    if (row < 0 || row >= count()) return none;
    return m_hints[static_cast<std::size_t>(row)];
}

std::optional<int> ListControl::rowOf(std::string_view id) const {
    fill();
    const auto found = std::find(m_ids.begin(), m_ids.end(), id);
    if (found == m_ids.end()) return std::nullopt;
    return static_cast<int>(found - m_ids.begin());
}

void ListControl::select(int row) {
    if (row < -1 || row >= count()) row = -1;
    if (row == m_selected) return;
    m_selected = row;
    m_text = row >= 0 ? m_items[static_cast<std::size_t>(row)] : std::string();
    changed();
}

void ListControl::setText(std::string text) {
    fill();
    if (m_text == text) return;
    m_text = std::move(text);
    const auto found = std::find(m_items.begin(), m_items.end(), m_text);
    m_selected = found == m_items.end() ? -1 : static_cast<int>(found - m_items.begin());
    changed();
}

void ListControl::setItems(std::vector<std::string> items) { setItems(itemsOf(std::move(items))); }

void ListControl::setItems(std::vector<Item> items) {
    const std::string chosen(selectedId());
    m_rows = nullptr;
    take(std::move(items));
    ++m_itemsVersion;
    m_selected = chosen.empty() ? -1 : rowOf(chosen).value_or(-1);
    m_text = m_selected >= 0 ? m_items[static_cast<std::size_t>(m_selected)] : std::string();
    changed();
}

TrackBar::TrackBar(std::string name, int minimum, int maximum, int position)
    : Control(std::move(name)), m_minimum(minimum), m_maximum(maximum), m_position(position) {}

void TrackBar::setPosition(int position) {
    position = std::clamp(position, m_minimum, m_maximum);
    if (position == m_position) return;
    m_position = position;
    changed();
    runHandler(onChange);
}

Notebook::Notebook(std::string name, std::vector<std::string> pages)
    : Control(std::move(name)), m_pages(std::move(pages)) {}

void Notebook::setActivePage(int page) {
    if (page < 0 || page >= static_cast<int>(m_pages.size()) || page == m_activePage) return;
    m_activePage = page;
    changed();
}

Calendar::Calendar(std::string name, CalendarDate minimum, CalendarDate maximum)
    : Control(std::move(name)), m_minimum(minimum), m_maximum(maximum), m_date(minimum) {}

void Calendar::setDate(CalendarDate date) {
    date = std::clamp(date, m_minimum, m_maximum);
    if (date == m_date) return;
    m_date = date;
    changed();
}

PopupMenu::PopupMenu(std::string name, std::vector<MenuItem> items)
    : Control(std::move(name)), m_items(std::move(items)) {}

void PopupMenu::check(int index) {
    for (std::size_t i = 0; i < m_items.size(); ++i) m_items[i].checked = static_cast<int>(i) == index;
    changed();
}

int PopupMenu::checkedIndex() const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].checked) return static_cast<int>(i);
    }
    return -1;
}

void Memo::setText(std::string text) {
    if (m_text == text) return;
    m_text = std::move(text);
    changed();
}

}  // namespace quarvel::ui::form
