// SPDX-License-Identifier: GPL-3.0-or-later
// Lists every text the interface can show, for lupdate: the windows' captions,
// buttons, lists and menus with every page and dialog built, the tooltips, the
// fixed messages and the composed texts' patterns. Names of equipment are
// data and are left out. Writes QT_TRANSLATE_NOOP lines to the file given.
#include <QApplication>
#include <QFile>

#include <set>

#include "ui/program.h"
#include "ui/qt/dialog_views.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translation.h"
#include "ui/shown_texts.h"

namespace {

class NoDialogs : public quarvel::ui::form::ModalHost {
public:
    quarvel::ui::form::ModalResult showModal(quarvel::ui::form::Form&) override {
        return quarvel::ui::form::ModalResult::Close;
    }
};

bool hasLetters(const QString& text) {
    for (const QChar c : text) {
        if (c.isLetter()) return true;
    }
    return false;
}

// Equipment names are data, not texts, but for the user's own row.
bool equipmentName(const quarvel::catalogues::Catalogue& catalogue, const std::string& name) {
    if (name == quarvel::catalogues::kPersonalConfiguration) return false;
    return catalogue.findSensor(name) || catalogue.mapCamera(name) || catalogue.mapDslr(name) ||
           catalogue.findTelescopeRow(name);
}

void collectForm(const quarvel::ui::form::Form& form, const quarvel::catalogues::Catalogue& catalogue,
                 std::set<QString>& texts) {
    using namespace quarvel::ui::form;
    texts.insert(QString::fromStdString(form.caption()));
    for (const Control* control : form.controls()) {
        texts.insert(QString::fromStdString(control->caption()));
        texts.insert(QString::fromStdString(control->hint()));
        if (const auto* group = dynamic_cast<const RadioGroup*>(control)) {
            for (const auto& item : group->items()) texts.insert(QString::fromStdString(item));
        }
        if (const auto* menu = dynamic_cast<const PopupMenu*>(control)) {
            for (const auto& item : menu->items()) texts.insert(QString::fromStdString(item.caption));
        }
        if (const auto* notebook = dynamic_cast<const Notebook*>(control)) {
            for (const auto& page : notebook->pages()) texts.insert(QString::fromStdString(page));
        }
        if (const auto* list = dynamic_cast<const ListControl*>(control)) {
            for (const auto& item : list->items()) {
                if (!equipmentName(catalogue, item)) texts.insert(QString::fromStdString(item));
            }
        }
    }
}

void collectWidgets(QWidget* root, std::set<QString>& texts) {
    quarvel::ui::qt::forEachShownText(root, [&texts](const QString& text) {
        texts.insert(text);
        return text;
    });
}

QString literal(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == '\\' || c == '"') out += '\\';
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return '"' + out + '"';
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    quarvel::ui::form::RecordingReporter reporter;
    NoDialogs noDialogs;
    quarvel::ui::Program program(reporter, noDialogs, {"/nonexistent/Quarvel.ini", {}, {}, {}, {}, {}});
    std::set<QString> texts;
    for (const quarvel::ui::form::Form* form :
         std::initializer_list<const quarvel::ui::form::Form*>{&program.mainForm, &program.quitForm, &program.camerasForm,
                                                              &program.dslrsForm, &program.dateForm,
                                                              &program.telescopesForm, &program.nameForm,
                                                              &program.confirmForm}) {
        collectForm(*form, program.equipment.catalogue, texts);
    }
    quarvel::ui::qt::MainWindow window(program.mainForm);
    for (std::size_t page = 0; page < program.mainForm.TabbedNotebook1.pages().size(); ++page) {
        window.ensurePage(static_cast<int>(page));
    }
    collectWidgets(&window, texts);
    quarvel::ui::qt::QtModalHost host;
    quarvel::ui::qt::buildDialogs(program, host, &window);
    for (quarvel::ui::form::Form* form :
         std::initializer_list<quarvel::ui::form::Form*>{&program.quitForm, &program.camerasForm, &program.dslrsForm,
                                                        &program.dateForm, &program.telescopesForm, &program.nameForm,
                                                        &program.confirmForm}) {
        collectWidgets(host.view(*form), texts);
    }
    for (const auto& pattern : quarvel::ui::composedTextPatterns()) texts.insert(QString::fromStdString(pattern));
    for (const char* text : {"Fichier de plus de 1 Mo : valeurs par défaut utilisées", "exception inconnue"}) {
        texts.insert(QString::fromUtf8(text));
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 1;
    out.write("// Generated by shown_texts_dump for lupdate; not compiled.\n");
    for (const QString& text : texts) {
        if (!hasLetters(text)) continue;
        out.write(("QT_TRANSLATE_NOOP(\"Quarvel\", " + literal(text) + ");\n").toUtf8());
    }
    return 0;
}
