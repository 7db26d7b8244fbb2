// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/dialog_views.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTableWidget>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "core/errors.h"
#include "ui/qt/night.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

QPushButton* dialogButton(Binder& b, form::Button& model, QWidget* parent, QStyle::StandardPixmap icon) {
    QPushButton* button = b.button(model, parent);
    button->setIcon(parent->style()->standardIcon(icon));
    return button;
}

// Enter anywhere in the dialog, the list included, presses OK.
QPushButton* okButton(Binder& b, form::Button& ok, QWidget* parent) {
    QPushButton* button = dialogButton(b, ok, parent, QStyle::SP_DialogOkButton);
    button->setDefault(true);
    return button;
}

QHBoxLayout* okCancelRow(Binder& b, form::Button& ok, form::Button& cancel, QWidget* parent) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(okButton(b, ok, parent));
    row->addWidget(dialogButton(b, cancel, parent, QStyle::SP_DialogCancelButton));
    row->addStretch(1);
    return row;
}

void buildQuit(QuitForm& form, DialogView* view) {
    auto* layout = new QVBoxLayout(view);
    layout->addWidget(view->binder().radioGroup(form.rgSauveConfig, view, {"rbSauveOui", "rbSauveNon"}));
    layout->addLayout(okCancelRow(view->binder(), form.bbQuitOK, form.bbQuitCancel, view));
}

// The list dialogs have the sizes and places of their design.
void buildModelList(ModelListForm& form, DialogView* view, int width, int listLeft, int listHeight) {
    view->setFixedSize(width, 528);
    // The filter above the list, which keeps the dialog's size.
    QLineEdit* filter = view->binder().edit(form.eFiltre, view);
    QLabel* filterCaption = caption("Filtre :", filter, view);
    filterCaption->setGeometry(listLeft, 16, 60, 24);
    filter->setGeometry(listLeft + 60, 16, 393 - 60, 24);
    QListWidget* list = view->binder().listBox(form.list, view);
    list->setGeometry(listLeft, 48, 393, listHeight - 32);
    QPushButton* ok = okButton(view->binder(), form.bbOK, view);
    ok->setGeometry(40, 456, 153, 25);
    QPushButton* cancel = dialogButton(view->binder(), form.bbCancel, view, QStyle::SP_DialogCancelButton);
    cancel->setGeometry(248, 456, 153, 25);
    view->binder().button(form.bbAjouter, view)->setGeometry(40, 490, 153, 25);
    view->binder().button(form.bbSupprimer, view)->setGeometry(248, 490, 153, 25);
    // A double-click chooses the model as OK does.
    QObject::connect(list, &QListWidget::itemDoubleClicked, view, [&form] { form.userClicks(form.bbOK); });
}

void buildDate(DateForm& form, DialogView* view) {
    auto* layout = new QVBoxLayout(view);
    QCalendarWidget* calendar = view->binder().calendar(form.MonthCalendar1, view);
    calendar->setLocale(interfaceLocale());
    calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    layout->addWidget(calendar);
    // The calendar keeps Enter for itself and says so with `activated`.
    QObject::connect(calendar, &QCalendarWidget::activated, view, [&form] { form.userClicks(form.bbDateOK); });
    auto* row = okCancelRow(view->binder(), form.bbDateOK, form.bbDateCancel, view);
    row->insertWidget(row->count() - 1, view->binder().button(form.bbNow, view));
    layout->addLayout(row);
}

void buildTelescopes(TelescopesForm& form, DialogView* view) {
    auto* layout = new QVBoxLayout(view);
    auto* telescopes = new QGroupBox("Telescopes", view);
    auto* list = new QVBoxLayout(telescopes);
    auto* filterRow = new QHBoxLayout;
    QLineEdit* filter = view->binder().edit(form.eFiltreTel, telescopes);
    filterRow->addWidget(caption("Filtre :", filter, telescopes));
    filterRow->addWidget(filter, 1);
    list->addLayout(filterRow);
    QListWidget* rows = view->binder().listBox(form.lbTelescopes, telescopes);
    telescopes->setFocusProxy(rows);
    rows->setMinimumSize(300, 320);
    list->addWidget(rows);
    layout->addWidget(telescopes);
    auto* factors = new QGroupBox("Réducteur / Multiplicateur de focale", view);
    auto* factorRow = new QHBoxLayout(factors);
    QComboBox* combo = view->binder().combo(form.cbRedMult, factors, 14);
    factorRow->addWidget(combo);
    QLineEdit* other = view->binder().edit(form.eAutreRM, factors, 80);
    QLabel* otherCaption = caption("Facteur :", other, factors);
    view->binder().follow(form.eAutreRM, otherCaption);
    factorRow->addWidget(otherCaption);
    factorRow->addWidget(other);
    factorRow->addStretch(1);
    layout->addWidget(factors);
    auto* own = new QHBoxLayout;
    own->addStretch(1);
    own->addWidget(view->binder().button(form.bbAjouterTel, view));
    own->addWidget(view->binder().button(form.bbSupprimerTel, view));
    own->addStretch(1);
    layout->addLayout(own);
    layout->addLayout(okCancelRow(view->binder(), form.bbOK, form.bbCancel, view));
    QObject::connect(rows, &QListWidget::itemDoubleClicked, view, [&form] { form.userClicks(form.bbOK); });
}

// The name, then the numbers of the kind added, each with its caption.
void buildName(NameForm& form, DialogView* view) {
    auto* layout = new QVBoxLayout(view);
    auto* grid = new QGridLayout;
    QLineEdit* name = view->binder().edit(form.eNomEquipement, view, 260);
    view->setFirstFocus(name);
    QLabel* label = view->binder().label(form.labNomEquipement, view);
    label->setBuddy(name);
    grid->addWidget(label, 0, 0);
    grid->addWidget(name, 0, 1, 1, 2);
    const std::pair<form::EditField*, const char*> numbers[] = {
        {&form.eDiamEquipement, "Diamètre (mm) :"},
        {&form.eFocaleEquipement, "Focale (mm) :"},
        {&form.eNbPixelsXEquipement, "Nombre de pixels en largeur :"},
        {&form.eNbPixelsYEquipement, "Nombre de pixels en hauteur :"},
        {&form.eTaillePixelsXEquipement, "Largeur des pixels (µ) :"},
        {&form.eTaillePixelsYEquipement, "Hauteur des pixels (µ) :"},
    };
    int row = 1;
    for (const auto& [field, text] : numbers) {
        QLineEdit* edit = view->binder().edit(*field, view, 90);
        QLabel* fieldCaption = caption(text, edit, view);
        view->binder().follow(*field, fieldCaption);
        grid->addWidget(fieldCaption, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addLayout(okCancelRow(view->binder(), form.bbNomOK, form.bbNomCancel, view));
}

void buildConfirm(ConfirmForm& form, DialogView* view) {
    auto* layout = new QVBoxLayout(view);
    layout->addWidget(view->binder().label(form.labConfirmation, view));
    layout->addLayout(okCancelRow(view->binder(), form.bbOui, form.bbNon, view));
}

}  // namespace

DialogView::DialogView(form::Form& form, QWidget* parent) : QDialog(parent), m_form(form), m_binder(form) {
    setObjectName(qs(form.name()));
    setWindowTitle(tt(form.caption()));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    form.onClose = [this](form::ModalResult result) { done(static_cast<int>(result)); };
}

DialogView::~DialogView() { m_form.onClose = nullptr; }

void DialogView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Typing goes where the dialog asks first, whatever had the keyboard the
    // last time; type-ahead in a list works as soon as its dialog opens.
    if (m_firstFocus && m_firstFocus->isVisible()) {
        m_firstFocus->setFocus(Qt::OtherFocusReason);
    } else if (auto* list = findChild<QListWidget*>()) {
        list->setFocus(Qt::OtherFocusReason);
    }
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    // Escape is the dialog's own cancel button, with its handling.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        for (form::Control* control : m_form.controls()) {
            auto* button = dynamic_cast<form::Button*>(control);
            if (button && button->modalResult() == form::ModalResult::Cancel) {
                m_form.userClicks(*button);
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

void QtModalHost::add(form::Form& dialog, QWidget* parent, Builder build) {
    m_dialogs[&dialog] = Entry{parent, std::move(build)};
}

DialogView* QtModalHost::view(form::Form& dialog) {
    Entry& entry = m_dialogs.at(&dialog);
    if (!entry.view) {
        entry.view = new DialogView(dialog, entry.parent);
        entry.build(entry.view);
        translateWidgets(entry.view);
        applyNightMode(entry.view);
    }
    return entry.view;
}

form::ModalResult QtModalHost::showModal(form::Form& dialog) {
    DialogView* view = this->view(dialog);
    dialog.setModalResult(form::ModalResult::None);
    view->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = view->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        view->move(frame.topLeft());
    }
    view->exec();
    return dialog.modalResult() == form::ModalResult::None ? form::ModalResult::Close : dialog.modalResult();
}

// A message may quote a name, a path or typed text: plain text only, so that
// no markup in them is rendered (an <img> would make Qt read any file).
void QtErrorReporter::report(const core::Message& message) {
    QMessageBox box(QMessageBox::Critical, "Quarvel",
                    QString::fromStdString(core::errorBoxText(translate(message).toStdString())), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (nightMode()) box.setIconPixmap(QPixmap::fromImage(shownImage(box.iconPixmap().toImage())));
    box.exec();
}

// "Cibles de la nuit": the filters above, the table, its count and buttons under.
void buildTargets(TargetsForm& form, DialogView* view) {
    auto& b = view->binder();
    view->setWindowTitle(tt(std::string("Cibles de la nuit")));
    auto* layout = new QVBoxLayout(view);
    auto* filters = new QGridLayout;
    const auto field = [&](const char* text, form::EditField& edit, int row, int column) {
        QLineEdit* shown = b.edit(edit, view, 60);
        filters->addWidget(caption(text, shown, view), row, column);
        filters->addWidget(shown, row, column + 1);
    };
    QComboBox* kind = b.combo(form.cbTypeCibles, view);
    filters->addWidget(caption("Type :", kind, view), 0, 0);
    filters->addWidget(kind, 0, 1, 1, 3);
    QComboBox* catalogue = b.combo(form.cbCatalogueCibles, view);
    filters->addWidget(caption("Catalogue :", catalogue, view), 0, 4);
    filters->addWidget(catalogue, 0, 5, 1, 3);
    field("Nuit (h) :", form.eHeuresCibles, 1, 0);
    field("Remplissage de (%) :", form.eRemplissageMin, 1, 2);
    field("à (%) :", form.eRemplissageMax, 1, 4);
    field("Mosaïque (côté) :", form.eMosaiqueCibles, 2, 0);
    field("Lune à (°) :", form.eLuneCibles, 2, 2);
    layout->addLayout(filters);
    QTableWidget* table = b.table(form.tabCibles, view);
    table->setMinimumSize(760, 380);
    layout->addWidget(table, 1);
    QLabel* count = b.label(form.labCibles, view);
    count->setWordWrap(true);
    layout->addWidget(count);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(b.button(form.bbCopierCibles, view));
    buttons->addWidget(b.button(form.bbExporterCibles, view));
    buttons->addStretch(1);
    buttons->addWidget(dialogButton(b, form.bbFermerCibles, view, QStyle::SP_DialogCloseButton));
    layout->addLayout(buttons);
    view->setFirstFocus(table);
    form.copyText = [](const std::string& text) { QGuiApplication::clipboard()->setText(QString::fromStdString(text)); };
    form.askCsvPath = [view](const std::string& name) -> std::optional<std::string> {
        QFileDialog dialog(view, tt(std::string("Exporter…")), QDir::home().filePath(QString::fromStdString(name)), "CSV (*.csv)");
        dialog.setOptions(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("csv");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().front().toStdString();
    };
}

void buildDialogs(Program& program, QtModalHost& host, QWidget* parent) {
    host.add(program.quitForm, parent, [&program](DialogView* view) { buildQuit(program.quitForm, view); });
    host.add(program.camerasForm, parent,
             [&program](DialogView* view) { buildModelList(program.camerasForm, view, 444, 16, 421); });
    host.add(program.dslrsForm, parent,
             [&program](DialogView* view) { buildModelList(program.dslrsForm, view, 445, 24, 417); });
    host.add(program.dateForm, parent, [&program](DialogView* view) { buildDate(program.dateForm, view); });
    host.add(program.telescopesForm, parent,
             [&program](DialogView* view) { buildTelescopes(program.telescopesForm, view); });
    host.add(program.nameForm, parent, [&program](DialogView* view) { buildName(program.nameForm, view); });
    host.add(program.confirmForm, parent, [&program](DialogView* view) { buildConfirm(program.confirmForm, view); });
    host.add(program.targetsForm, parent, [&program](DialogView* view) { buildTargets(program.targetsForm, view); });
}

}  // namespace quarvel::ui::qt
