// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/binding.h"

#include "ui/qt/night.h"
#include "ui/qt/translation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleOptionComboBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextDocument>
#include <QTextBlock>

#include <algorithm>
#include <functional>
#include <limits>

namespace quarvel::ui::qt {

namespace {

// Runs an action on some events of one widget.
class EventHook : public QObject {
public:
    EventHook(QObject* target, std::function<bool(QEvent*)> action) : QObject(target), m_action(std::move(action)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override { return m_action(event); }

private:
    std::function<bool(QEvent*)> m_action;
};

// Combo boxes drop down as a list of their own height (10 rows for the
// sensors) on every style: some styles' menu-like pop-ups ignore it and fill
// the screen.
class ListPopupStyle : public NightStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return NightStyle::styleHint(hint, option, widget, returnData);
    }
    // A name longer than the box shows its start and an ellipsis, never a
    // slice of its middle.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* box = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (element != CE_ComboBoxLabel || !box || box->editable) {
            return NightStyle::drawControl(element, option, painter, widget);
        }
        QStyleOptionComboBox shortened(*box);
        int room = subControlRect(CC_ComboBox, box, SC_ComboBoxEditField, widget).width() - 2;
        if (!box->currentIcon.isNull()) room -= box->iconSize.width() + 4;
        shortened.currentText = box->fontMetrics.elidedText(box->currentText, Qt::ElideRight, std::max(0, room));
        NightStyle::drawControl(element, &shortened, painter, widget);
    }
};

// A text edit that refuses a paste or a drop without text: on X, a paste
// before anything was copied hands Qt no data at all. Its paragraphs are
// kept short enough to lay out at once at every keystroke.
class TextEdit : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;
    static constexpr int kMaxParagraph = 2000;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source && source->hasText() && !source->text().isEmpty();
    }
    void insertFromMimeData(const QMimeData* source) override {
        if (!canInsertFromMimeData(source)) return;
        QStringList lines = source->text().split('\n');
        for (QString& line : lines) line.truncate(kMaxParagraph);
        insertPlainText(lines.join('\n'));
    }
    void keyPressEvent(QKeyEvent* event) override {
        const bool inserts = !event->text().isEmpty() && event->text().at(0).isPrint();
        if (inserts && textCursor().block().length() > kMaxParagraph && !textCursor().hasSelection()) return;
        QPlainTextEdit::keyPressEvent(event);
    }
};

// A line edit whose text cursor, by night, is a red line: Qt inverts the
// pixels under its own, which on black is white.
class LineEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (!nightMode() || !hasFocus() || isReadOnly()) return;
        QPainter painter(this);
        const QRect cursor = cursorRect();
        painter.fillRect(QRect(cursor.center().x(), cursor.top(), 1, cursor.height()), palette().color(QPalette::Text));
    }
};

// A list box that, unlike Qt's, leaves "no chosen entry" alone when it gets
// the focus instead of choosing its first row.
class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override {
        if (currentRow() >= 0) {
            QListWidget::focusInEvent(event);
        } else {
            QAbstractScrollArea::focusInEvent(event);
            viewport()->update();
        }
    }
};

void showState(const form::Control& control, QWidget* widget) {
    widget->setEnabled(control.enabled());
    widget->setVisible(control.visible());
    if (!control.hint().empty()) widget->setToolTip(tt(control.hint()));
}

}  // namespace

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setBuddy(buddy);
    return label;
}

void plain(QLabel* widget, const form::Label& label) {
    // A caption may hold a name, a path or typed text: never markup, which
    // could make Qt read any file an <img> names.
    widget->setTextFormat(Qt::PlainText);
    if (label.showsData()) widget->setProperty(kDataProperty, true);
}

Binder::~Binder() {
    for (const auto& watch : m_watches) watch->release();
}

void Binder::keep(form::Watch watch, QObject* widget) {
    auto kept = std::make_shared<form::Watch>(std::move(watch));
    m_watches.push_back(kept);
    QObject::connect(widget, &QObject::destroyed, [kept] { kept->release(); });
}

void Binder::watch(form::Control& control, QWidget* widget, std::function<void()> show) {
    keep(control.watch(std::move(show)), widget);
}

void Binder::follow(form::Control& control, QWidget* widget) {
    keep(control.watch([&control, widget] { showState(control, widget); }), widget);
    showState(control, widget);
}

QLineEdit* Binder::edit(form::EditField& field, QWidget* parent, int width, Display display) {
    if (!display.shown) display.shown = [](const std::string& text) { return qs(text); };
    if (!display.typed) display.typed = [](const QString& text) { return ss(text); };
    auto* edit = new LineEdit(parent);
    edit->setObjectName(qs(field.name()));
    // A disabled input keeps the text colour, by the program's palettes of
    // day and night: its mode shows in its ground.
    // Widths are the design's at a 9-point font (12 pixels) and grow with a larger one.
    if (width > 0) edit->setFixedWidth(std::max(width, width * QFontInfo(edit->font()).pixelSize() / 12));
    const auto show = [&field, edit, shown = display.shown] {
        if (edit->text() != shown(field.text())) {
            const QSignalBlocker block(edit);
            const int cursor = edit->cursorPosition();
            edit->setText(shown(field.text()));
            edit->setCursorPosition(std::min(cursor, static_cast<int>(edit->text().size())));
        }
        QFont font = edit->font();
        font.setItalic(field.italic());
        edit->setFont(font);
        edit->setReadOnly(field.readOnly());
        showState(field, edit);
        // A result is read-only, never greyed: it can be read, selected and
        // copied like any text.
        if (field.readOnly()) edit->setEnabled(field.visible());
    };
    keep(field.watch(show), edit);
    show();
    // No number or name needs more; a pasted page would only be slow to lay out.
    edit->setMaxLength(kMaxFieldLength);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [&form = m_form, &field, typed = display.typed](const QString& text) {
        form.userTypes(field, typed(text));
    });
    // Enter, unless a list of proposals open over the field takes it.
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [&form = m_form, &field] {
        if (!QApplication::activePopupWidget()) form.userPressesEnter(field);
    });
    new EventHook(edit, [&form = m_form, &field](QEvent* event) {
        // Only the left button clicks into the field; the right one opens
        // the field's own menu.
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            form.userClicksInto(field);
        }
        // Leaving the field completes what was typed; the field's own menu
        // and another window taking the keyboard (an error box, a dialog,
        // another program) do not, for a text still being typed.
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            const bool away = reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
            if (reason != Qt::PopupFocusReason && !(away && field.held())) form.userLeaves(field);
        }
        return false;
    });
    return edit;
}

QPushButton* Binder::button(form::Button& button, QWidget* parent) {
    auto* widget = new QPushButton(tt(button.caption()), parent);
    widget->setObjectName(qs(button.name()));
    widget->setAutoDefault(false);
    widget->setCheckable(button.checkable());
    const auto show = [&button, widget] {
        // A button shown by its icon keeps its words for its accessible name.
        if (!widget->property(kIconOnlyProperty).toBool()) widget->setText(tt(button.caption()));
        widget->setChecked(button.checked());
        showState(button, widget);
    };
    keep(button.watch(show), widget);
    show();
    QObject::connect(widget, &QPushButton::clicked, widget, [&form = m_form, &button] { form.userClicks(button); });
    new EventHook(widget, [&form = m_form, &button](QEvent* event) {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            form.userRightReleases(button);
        }
        return false;
    });
    return widget;
}

QGroupBox* Binder::radioGroup(form::RadioGroup& group, QWidget* parent, const std::vector<std::string>& buttonNames) {
    auto* box = new QGroupBox(tt(group.caption()), parent);
    box->setObjectName(qs(group.name()));
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setVerticalSpacing(1);
    auto* buttons = new QButtonGroup(box);
    const int count = static_cast<int>(group.items().size());
    const int rows = (count + group.columns() - 1) / group.columns();
    for (int i = 0; i < count; ++i) {
        auto* radio = new QRadioButton(tt(group.items()[static_cast<std::size_t>(i)]), box);
        if (static_cast<std::size_t>(i) < buttonNames.size()) radio->setObjectName(qs(buttonNames[i]));
        buttons->addButton(radio, i);
        layout->addWidget(radio, i % rows, i / rows);
        if (group.onMousePress || group.onMouseRelease) {
            // The mouse press and release reach the form around the click itself.
            new EventHook(radio, [&form = m_form, &group, i](QEvent* event) {
                if (event->type() == QEvent::MouseButtonRelease &&
                    static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                    form.userMouseClicks(group, i);
                    return true;
                }
                return event->type() == QEvent::MouseButtonPress;
            });
        }
    }
    const auto show = [&group, box, buttons] {
        const QSignalBlocker block(buttons);
        buttons->setExclusive(false);
        for (QAbstractButton* b : buttons->buttons()) b->setChecked(buttons->id(b) == group.selected());
        buttons->setExclusive(true);
        box->setTitle(tt(group.caption()));
        showState(group, box);
    };
    keep(group.watch(show), box);
    show();
    QObject::connect(buttons, &QButtonGroup::idClicked, box, [&form = m_form, &group](int id) { form.userSelects(group, id); });
    return box;
}

QComboBox* Binder::combo(form::ListControl& list, QWidget* parent, int visibleRows) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(qs(list.name()));
    combo->setMaxVisibleItems(visibleRows);
    auto* style = new ListPopupStyle;
    style->setParent(combo);
    combo->setStyle(style);
    // A list of the user's names keeps its width whatever they are: the box
    // shows a name's start and the whole name as its tooltip.
    const bool names = list.dataFromRow() < std::numeric_limits<int>::max();
    if (names) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(12);
    }
    // The drop-down list is as wide as its longest entry, not the box, and
    // never wider than the screen.
    const auto fill = [&list, combo] {
        combo->clear();
        const auto& items = list.items();
        for (int row = 0; row < static_cast<int>(items.size()); ++row) {
            const std::string& item = items[static_cast<std::size_t>(row)];
            combo->addItem(row >= list.dataFromRow() ? qs(item) : tt(item));
            if (row >= list.dataFromRow()) combo->setItemData(row, qs(item), Qt::ToolTipRole);
        }
        const int screen = combo->screen() ? combo->screen()->availableGeometry().width() : 1024;
        combo->view()->setMinimumWidth(std::min(screen, combo->view()->sizeHintForColumn(0) +
                                                            combo->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8));
    };
    fill();
    auto show = [&list, combo, fill, names, version = list.itemsVersion()]() mutable {
        const QSignalBlocker block(combo);
        if (version != list.itemsVersion()) {
            version = list.itemsVersion();
            fill();
        }
        combo->setCurrentIndex(list.selected());
        showState(list, combo);
        if (names) combo->setToolTip(list.selected() >= list.dataFromRow() ? combo->currentText() : tt(list.Control::hint()));
    };
    keep(list.watch(show), combo);
    show();
    QObject::connect(combo, &QComboBox::activated, combo, [&form = m_form, &list](int row) { form.userPicks(list, row); });
    // A shortcut key is the list's alone: the combo's own type-ahead never
    // follows it to another row.
    new EventHook(combo, [&form = m_form, &list](QEvent* event) {
        if (event->type() != QEvent::KeyPress) return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        return text.size() == 1 && text[0].unicode() < 128 &&
               form.userPresses(list, static_cast<char>(text[0].unicode()));
    });
    return combo;
}

QTableWidget* Binder::table(form::Table& table, QWidget* parent) {
    auto* view = new QTableWidget(parent);
    view->setObjectName(qs(table.name()));
    view->setColumnCount(static_cast<int>(table.headings().size()));
    QStringList headings;
    for (const core::Message& heading : table.headings()) headings << translate(heading);
    view->setHorizontalHeaderLabels(headings);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->verticalHeader()->setVisible(false);
    view->horizontalHeader()->setSectionsClickable(true);
    // A line a row; the first column takes the room the others leave.
    view->setWordWrap(false);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    view->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->horizontalHeader()->setSortIndicatorShown(true);
    auto show = [&table, view] {
        const QSignalBlocker block(view);
        const auto& rows = table.rows();
        view->setRowCount(static_cast<int>(rows.size()));
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            for (int c = 0; c < static_cast<int>(rows[static_cast<std::size_t>(r)].size()); ++c) {
                // A cell is data: plain text, never markup.
                auto* item = new QTableWidgetItem(QString::fromStdString(rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
                view->setItem(r, c, item);
            }
        }
        if (table.sortColumn() >= 0) {
            view->horizontalHeader()->setSortIndicator(table.sortColumn(), table.descending() ? Qt::DescendingOrder
                                                                                               : Qt::AscendingOrder);
        }
        showState(table, view);
    };
    keep(table.watch(show), view);
    show();
    QObject::connect(view->horizontalHeader(), &QHeaderView::sectionClicked, view,
                     [&form = m_form, &table](int column) { form.userSorts(table, column); });
    QObject::connect(view, &QTableWidget::cellDoubleClicked, view,
                     [&form = m_form, &table](int row, int) { form.userActivates(table, row); });
    return view;
}

QListWidget* Binder::listBox(form::ListControl& list, QWidget* parent) {
    auto* box = new ListBox(parent);
    box->setObjectName(qs(list.name()));
    // Each row with its hint, which holds numbers and names: plain text.
    const auto fill = [&list, box] {
        box->clear();
        for (int row = 0; row < list.count(); ++row) {
            box->addItem(tt(list.items()[static_cast<std::size_t>(row)]));
            if (const auto& hint = list.hint(row); !hint.empty()) {
                box->item(row)->setToolTip(Qt::convertFromPlainText(translate(hint), Qt::WhiteSpaceNormal));
            }
        }
    };
    fill();
    auto show = [&list, box, fill, version = list.itemsVersion()]() mutable {
        const QSignalBlocker block(box);
        if (version != list.itemsVersion()) {
            version = list.itemsVersion();
            fill();
        }
        box->setCurrentRow(list.selected());
        if (list.selected() < 0) box->clearSelection();
        // Only a row that code chose out of view is brought into it: the row
        // the user clicked stays under the pointer.
        if (list.selected() >= 0) box->scrollToItem(box->item(list.selected()), QAbstractItemView::EnsureVisible);
        showState(list, box);
    };
    keep(list.watch(show), box);
    show();
    QObject::connect(box, &QListWidget::currentRowChanged, box, [&form = m_form, &list](int row) {
        if (row != list.selected()) form.userPicks(list, row);
    });
    return box;
}

namespace {

// What a label shows: a composed caption by its pattern and values, a name as
// it is, any other caption translated.
QString shownCaption(const form::Label& label) {
    if (label.message() && label.message()->text() == label.caption()) return translate(*label.message());
    return label.showsData() ? qs(label.caption()) : tt(label.caption());
}

}  // namespace

QLabel* Binder::label(form::Label& label, QWidget* parent) {
    auto* widget = new QLabel(shownCaption(label), parent);
    widget->setObjectName(qs(label.name()));
    plain(widget, label);
    keep(label.watch([&label, widget] {
        widget->setText(shownCaption(label));
        showState(label, widget);
    }), widget);
    showState(label, widget);
    new EventHook(widget, [&form = m_form, &label](QEvent* event) {
        if (event->type() == QEvent::MouseButtonDblClick) form.userDoubleClicks(label);
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            form.userClicks(label);
        }
        return false;
    });
    return widget;
}

QSlider* Binder::trackBar(form::TrackBar& bar, QWidget* parent) {
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(qs(bar.name()));
    slider->setRange(bar.minimum(), bar.maximum());
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setPageStep(1);
    const auto show = [&bar, slider] {
        const QSignalBlocker block(slider);
        slider->setValue(bar.position());
        showState(bar, slider);
    };
    keep(bar.watch(show), slider);
    show();
    QObject::connect(slider, &QSlider::valueChanged, slider, [&form = m_form, &bar](int value) { form.userMoves(bar, value); });
    return slider;
}

QPlainTextEdit* Binder::memo(form::Memo& memo, QWidget* parent) {
    auto* edit = new TextEdit(tt(memo.text()), parent);
    edit->setObjectName(qs(memo.name()));
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    follow(memo, edit);
    return edit;
}

QCalendarWidget* Binder::calendar(form::Calendar& calendar, QWidget* parent) {
    auto* widget = new QCalendarWidget(parent);
    widget->setObjectName(qs(calendar.name()));
    const auto toQ = [](form::CalendarDate d) { return QDate(d.year, d.month, d.day); };
    widget->setDateRange(toQ(calendar.minimum()), toQ(calendar.maximum()));
    const auto show = [&calendar, widget, toQ] {
        const QSignalBlocker block(widget);
        widget->setSelectedDate(toQ(calendar.date()));
        showState(calendar, widget);
    };
    keep(calendar.watch(show), widget);
    show();
    QObject::connect(widget, &QCalendarWidget::selectionChanged, widget, [&form = m_form, &calendar, widget] {
        const QDate d = widget->selectedDate();
        form.guard().runUserAction([&] { calendar.setDate({d.year(), d.month(), d.day()}); });
    });
    return widget;
}

void Binder::popupMenu(form::PopupMenu& menu, QWidget* owner, std::function<bool()> opens) {
    owner->setContextMenuPolicy(Qt::PreventContextMenu);
    new EventHook(owner, [&form = m_form, &menu, owner, opens](QEvent* event) {
        if (event->type() != QEvent::MouseButtonPress) return false;
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() != Qt::RightButton || (opens && !opens())) return false;
        QMenu popup(owner);
        popup.setObjectName(qs(menu.name()));
        const auto& items = menu.items();
        for (std::size_t i = 0; i < items.size(); ++i) {
            QAction* action = popup.addAction(tt(items[i].caption));
            action->setObjectName(qs(items[i].name));
            action->setCheckable(true);
            action->setChecked(items[i].checked);
            QObject::connect(action, &QAction::triggered, owner,
                             [&form, &menu, i] { form.userChooses(menu, static_cast<int>(i)); });
        }
        popup.exec(press->globalPosition().toPoint());
        return true;
    });
}

void Binder::place(form::Label& label, QWidget* widget) {
    widget->setObjectName(qs(label.name()));
    if (auto* text = qobject_cast<QLabel*>(widget)) plain(text, label);
    const auto show = [&label, widget] {
        if (label.placed()) {
            // A text given no height takes its own; a panel has exactly its size.
            const bool text = qobject_cast<QLabel*>(widget) && label.height() == 0;
            widget->setGeometry(label.left(), label.top(), label.width(),
                                text ? widget->sizeHint().height() : label.height());
        }
        if (auto* text = qobject_cast<QLabel*>(widget); text && !label.caption().empty()) {
            text->setText(shownCaption(label));
        }
        widget->setVisible(label.visible());
    };
    keep(label.watch(show), widget);
    show();
}

void Binder::notebook(form::Notebook& notebook, QTabWidget* tabs, form::Label& mask, QWidget* maskWidget,
                      std::function<void(int)> showing) {
    tabs->setObjectName(qs(notebook.name()));
    maskWidget->setObjectName(qs(mask.name()));
    const auto show = [&notebook, &mask, tabs, maskWidget, showing] {
        showing(notebook.activePage());
        const QSignalBlocker block(tabs);
        tabs->setCurrentIndex(notebook.activePage());
        tabs->tabBar()->setEnabled(notebook.enabled());
        maskWidget->setVisible(mask.visible());
        maskWidget->raise();
    };
    keep(notebook.watch(show), tabs);
    keep(mask.watch(show), tabs);
    show();
    // A click on a tab, also the one shown, and the arrow keys are the user's switches.
    QObject::connect(tabs, &QTabWidget::tabBarClicked, tabs, [&form = m_form, &notebook](int page) {
        if (page >= 0) form.userSwitches(notebook, page);
    });
    // Keys the tab widget handles itself (Ctrl+Tab, Ctrl+PgDown...) switch
    // first and ask afterwards: a switch the form refuses, behind the mask,
    // is undone.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [&form = m_form, &notebook, tabs](int page) {
        if (page != notebook.activePage()) form.userSwitches(notebook, page);
        if (tabs->currentIndex() != notebook.activePage()) {
            const QSignalBlocker block(tabs);
            tabs->setCurrentIndex(notebook.activePage());
        }
    });
    // The arrow keys move through the pages and wrap around at either end.
    new EventHook(tabs->tabBar(), [&form = m_form, &notebook](QEvent* event) {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        const int count = static_cast<int>(notebook.pages().size());
        int step = 0;
        if (key == Qt::Key_Left || key == Qt::Key_Up) step = -1;
        if (key == Qt::Key_Right || key == Qt::Key_Down) step = 1;
        if (step == 0) return false;
        form.userSwitches(notebook, (notebook.activePage() + step + count) % count);
        return true;
    });
}

void onResize(QWidget* widget, std::function<void()> action) {
    new EventHook(widget, [action = std::move(action)](QEvent* event) {
        if (event->type() == QEvent::Resize) action();
        return false;
    });
}

}  // namespace quarvel::ui::qt
