// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

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
    form::Form& form() const { return m_form; }
    Binder& binder() { return m_binder; }

private:
    form::Form& m_form;
    Binder m_binder;
};

// Shows the dialogs modally in a nested event loop, centred on the screen.
class QtModalHost : public form::ModalHost {
public:
    void add(DialogView* view) { m_views[&view->form()] = view; }
    form::ModalResult showModal(form::Form& dialog) override;

private:
    std::map<form::Form*, DialogView*> m_views;
};

// The error box: titled "Quarvel", with the error icon and one OK button.
class QtErrorReporter : public form::ErrorReporter {
public:
    void report(const std::string& message) override;
};

// The five dialogs of the program, made once.
void buildDialogs(Program& program, QtModalHost& host, QWidget* parent);

}  // namespace quarvel::ui::qt
