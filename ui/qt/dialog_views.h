// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>
#include <map>
#include <memory>

#include "ui/form/form.h"
#include "ui/form/guard.h"
#include "ui/program.h"
#include "ui/qt/binding.h"

namespace quarvel::ui::qt {

// A dialog window for one dialog form: its buttons close it with their result.
class DialogView : public QDialog {
public:
    DialogView(form::Form& form, QWidget* parent);
    // The form no longer closes a view that is gone.
    ~DialogView() override;
    form::Form& form() const { return m_form; }
    Binder& binder() { return m_binder; }
    // The widget that has the keyboard each time the dialog opens; a list
    // when none is given.
    void setFirstFocus(QWidget* widget) { m_firstFocus = widget; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    form::Form& m_form;
    Binder m_binder;
    QWidget* m_firstFocus = nullptr;
};

// Shows the dialogs modally in a nested event loop, centred on the screen.
// A dialog's window is made the first time it is shown; its form, which holds
// its state, lives from start-up on.
class QtModalHost : public form::ModalHost {
public:
    using Builder = std::function<void(DialogView*)>;
    void add(form::Form& dialog, QWidget* parent, Builder build);
    form::ModalResult showModal(form::Form& dialog) override;
    DialogView* view(form::Form& dialog);

private:
    struct Entry {
        QWidget* parent;
        Builder build;
        DialogView* view = nullptr;
    };
    std::map<form::Form*, Entry> m_dialogs;
};

// The error box: titled "Quarvel", with the error icon and one OK button.
class QtErrorReporter : public form::ErrorReporter {
public:
    void report(const core::Message& message) override;
};

// The program's dialogs, each made once, when first shown.
void buildDialogs(Program& program, QtModalHost& host, QWidget* parent);

}  // namespace quarvel::ui::qt
