// SPDX-License-Identifier: GPL-3.0-or-later
// The "Paramètrage" page: instrument on the left, sensor on the right.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/qt/glyphs.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

constexpr int kFieldWidth = 64;

// "Caption [field] unit" on one row of a grid.
void fieldRow(QGridLayout* grid, int row, const QString& text, QLineEdit* field, const QString& unit = {},
              const char* unitName = nullptr) {
    QWidget* parent = grid->parentWidget();
    grid->addWidget(caption(text, field, parent), row, 0);
    grid->addWidget(field, row, 1);
    if (!unit.isEmpty()) {
        auto* label = new QLabel(unit, parent);
        if (unitName) label->setObjectName(unitName);
        grid->addWidget(label, row, 2);
    }
}

QGroupBox* group(const QString& title, QWidget* parent, const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox* instrumentGroup(Binder& b, ParametragePage& f, QWidget* page) {
    auto* box = group(" Instrument ", page, "gbInstrument");
    auto* layout = new QVBoxLayout(box);
    auto* fields = new QGridLayout;
    fieldRow(fields, 0, "Diamètre", b.edit(f.eDiam, box, kFieldWidth), "mm");
    fieldRow(fields, 1, "Focale", b.edit(f.eFocale, box, kFieldWidth), "mm");
    fields->setColumnStretch(3, 1);
    layout->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    auto* telescopes = b.button(f.bbTelescopes, box);
    telescopes->setIcon(box->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    buttons->addWidget(telescopes);
    buttons->addWidget(b.button(f.bRetablir, box));
    layout->addLayout(buttons);
    layout->addWidget(b.radioGroup(f.rgFiltre, box));
    auto* results = new QGridLayout;
    fieldRow(results, 0, "Rapport f/D", b.edit(f.eFD, box, kFieldWidth));
    fieldRow(results, 1, "Pouvoir Résolvant", b.edit(f.ePR, box, kFieldWidth), "\"", "labPRSec");
    fieldRow(results, 2, "Pouvoir Séparateur", b.edit(f.ePS, box, kFieldWidth), "\"", "labPSSec");
    results->setColumnStretch(3, 1);
    layout->addLayout(results);
    layout->addStretch(1);
    return box;
}

QGroupBox* pairGroup(Binder& b, const QString& title, const char* name, QWidget* parent, form::EditField& width,
                     form::EditField& height, form::EditField* diagonal = nullptr) {
    auto* box = group(title, parent, name);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    const auto addField = [&](int column, const QString& text, form::EditField& model) {
        QLineEdit* field = b.edit(model, box, kFieldWidth);
        grid->addWidget(caption(text, field, box), 0, column);
        grid->addWidget(field, 1, column);
    };
    addField(0, "Largeur", width);
    addField(1, "Hauteur", height);
    if (diagonal) addField(2, "Diagonale", *diagonal);
    return box;
}

QGroupBox* sensorGroup(Binder& b, ParametragePage& f, QWidget* page) {
    auto* box = group(" Capteur ", page, "gbCapteur");
    auto* layout = new QVBoxLayout(box);
    auto* choice = new QHBoxLayout;
    QComboBox* sensors = b.combo(f.cbCapteurs, box, 10);
    sensors->setMinimumWidth(150);
    choice->addWidget(sensors, 1);
    auto* cameras = b.button(f.bbCameras, box);
    cameras->setText("");
    cameras->setIcon(glyph(Glyph::Camera));
    auto* dslrs = b.button(f.bbAPN, box);
    dslrs->setText("");
    dslrs->setIcon(glyph(Glyph::Dslr));
    choice->addWidget(cameras);
    choice->addWidget(dslrs);
    layout->addLayout(choice);
    auto* camera = new QHBoxLayout;
    // "Inconnu", the program's word for no camera, in the interface's
    // language; the file keeps the word itself.
    const Binder::Display unknownInLanguage{
        [](const std::string& text) { return text == kUnknown ? tt(text) : qs(text); },
        [](const QString& text) { return text == tt(std::string(kUnknown)) ? std::string(kUnknown) : ss(text); }};
    QLineEdit* cameraName = b.edit(f.eNomCamera, box, 0, unknownInLanguage);
    camera->addWidget(caption("Imageur :", cameraName, box));
    camera->addWidget(cameraName, 1);
    layout->addLayout(camera);
    layout->addWidget(b.radioGroup(f.rgPixelC, box, {"rbPixelCOui", "rbPixelCNon"}));
    layout->addWidget(pairGroup(b, " Nombre de pixels ", "gbNbPixels", box, f.eNbPixelsX, f.eNbPixelsY));
    layout->addWidget(pairGroup(b, " Taille des pixels (en µ) ", "gbTaillePixels", box, f.eTaillePixelsX,
                                f.eTaillePixelsY));
    layout->addWidget(pairGroup(b, "Taille du capteur (en mm)", "gbTailleCapteur", box, f.eTaillePixelsMMX,
                                f.eTaillePixelsMMY, &f.eTaillePixelsMMD));
    auto* results = new QGridLayout;
    fieldRow(results, 0, "Echantillonnage", b.edit(f.eEchant, box, kFieldWidth), "\"/pixel", "labEchSecPix");
    auto* field = new QHBoxLayout;
    QLineEdit* across = b.edit(f.eChampHor, box, kFieldWidth);
    field->addWidget(across);
    QLineEdit* down = b.edit(f.eChampVer, box, kFieldWidth);
    field->addWidget(named(caption("x", down, box), "labChampX"));
    field->addWidget(down);
    field->addWidget(named(new QLabel("'", box), "labChampMinute"));
    results->addWidget(caption("Champ", across, box), 1, 0);
    results->addLayout(field, 1, 1, 1, 2);
    results->setColumnStretch(3, 1);
    layout->addLayout(results);
    layout->addStretch(1);
    return box;
}

}  // namespace

QWidget* buildParametragePage(Binder& binder, ParametragePage& form) {
    auto* page = new QWidget;
    page->setObjectName("tsParametrage");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* groups = new QHBoxLayout;
    groups->addWidget(instrumentGroup(binder, form, page), 0);
    groups->addWidget(sensorGroup(binder, form, page), 1);
    layout->addLayout(groups, 1);
    // The named setups, under both.
    auto* setups = new QHBoxLayout;
    QComboBox* names = binder.combo(form.cbMontages, page, 12);
    setups->addWidget(caption("Montage :", names, page));
    setups->addWidget(names, 1);
    setups->addWidget(binder.button(form.bbMontage, page));
    setups->addWidget(binder.button(form.bbSupprMontage, page));
    layout->addLayout(setups);
    return page;
}

}  // namespace quarvel::ui::qt
