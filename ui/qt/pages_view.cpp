// SPDX-License-Identifier: GPL-3.0-or-later
// The pages beside "Paramètrage": drawings, separation, imaging, help.
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/qt/main_window.h"

namespace quarvel::ui::qt {

namespace {

constexpr int kFieldWidth = 70;

QWidget* page(const char* name) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    return widget;
}

// "Caption [field] unit" as one row of a form layout.
void formRow(QFormLayout* layout, const QString& text, QLineEdit* field, const QString& unit = {}) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    if (!unit.isEmpty()) row->addWidget(new QLabel(unit, layout->parentWidget()));
    row->addStretch(1);
    layout->addRow(caption(text, field, layout->parentWidget()), row);
}

QHBoxLayout* sensorListRow(Binder& b, form::ListControl& list, QWidget* parent) {
    auto* row = new QHBoxLayout;
    QWidget* combo = b.combo(list, parent, 10);
    combo->setFixedWidth(169);
    row->addStretch(1);
    row->addWidget(caption("Capteur", combo, parent));
    row->addWidget(combo);
    row->addStretch(1);
    return row;
}

}  // namespace

QWidget* buildDessinCapteurPage(Binder& b, MainForm& f) {
    QWidget* p = page("tsDessinCapteur");
    auto* layout = new QVBoxLayout(p);
    layout->addStretch(1);
    layout->addLayout(sensorListRow(b, f.cbCapteursPict, p));
    return p;
}

QWidget* buildCalculsPage(Binder& b, MainForm& f) {
    QWidget* p = page("tsCalculs");
    auto* layout = new QVBoxLayout(p);
    auto* objects = new QGroupBox(" Objets ", p);
    objects->setObjectName("gbObjets");
    auto* grid = new QGridLayout(objects);
    const std::pair<form::EditField*, form::EditField*> coordinates[] = {{&f.eObjet1X, &f.eObjet1Y},
                                                                        {&f.eObjet2X, &f.eObjet2Y}};
    for (int i = 0; i < 2; ++i) {
        QLineEdit* x = b.edit(*coordinates[i].first, objects, kFieldWidth);
        QLineEdit* y = b.edit(*coordinates[i].second, objects, kFieldWidth);
        grid->addWidget(new QLabel(QString("Objet %1").arg(i + 1), objects), i, 0);
        grid->addWidget(caption("X", x, objects), i, 1);
        grid->addWidget(x, i, 2);
        grid->addWidget(caption("Y", y, objects), i, 3);
        grid->addWidget(y, i, 4);
    }
    grid->addWidget(b.radioGroup(f.rgSaisieSep, objects, {"rbSepNon", "rbSepOui"}), 2, 0, 1, 3);
    QLineEdit* known = b.edit(f.eSepManuelle, objects, kFieldWidth);
    known->setAccessibleName("Séparation connue en secondes d'arc");
    grid->addWidget(known, 2, 3, 1, 2);
    grid->addWidget(caption("\"", known, objects), 2, 5);
    grid->setColumnStretch(6, 1);
    layout->addWidget(objects);
    auto* data = new QGroupBox(" Données ", p);
    data->setObjectName("gbDonnees");
    auto* results = new QGridLayout(data);
    QLineEdit* pixels = b.edit(f.eSepPx, data, kFieldWidth);
    QLineEdit* arcsec = b.edit(f.eSepSec, data, kFieldWidth);
    QLineEdit* theoretical = b.edit(f.eFocTh, data, kFieldWidth);
    QLineEdit* real = b.edit(f.eFocReel, data, kFieldWidth);
    results->addWidget(new QLabel("Séparation :", data), 0, 0);
    results->addWidget(caption("Pixels", pixels, data), 0, 1);
    results->addWidget(pixels, 0, 2);
    results->addWidget(caption("Secondes d'arc", arcsec, data), 0, 3);
    results->addWidget(arcsec, 0, 4);
    results->addWidget(new QLabel("Focale (mm) :", data), 1, 0);
    results->addWidget(caption("Théorique", theoretical, data), 1, 1);
    results->addWidget(theoretical, 1, 2);
    results->addWidget(caption("Réelle", real, data), 1, 3);
    results->addWidget(real, 1, 4);
    results->setColumnStretch(5, 1);
    layout->addWidget(data);
    layout->addStretch(1);
    return p;
}

QWidget* buildImageriePage(Binder& b, MainForm& f) {
    QWidget* p = page("tsImagerie");
    auto* layout = new QHBoxLayout(p);
    auto* left = new QVBoxLayout;
    left->addWidget(b.radioGroup(f.rgPlaCP, p));
    left->addWidget(b.radioGroup(f.rgPlanetes, p));
    left->addStretch(1);
    layout->addLayout(left);

    auto* planetary = new QGroupBox(p);
    planetary->setObjectName("pImaPla");
    b.follow(f.pImaPla, planetary);
    auto* planetaryRows = new QFormLayout(planetary);
    formRow(planetaryRows, "f/d actuel", b.edit(f.eFDAct, planetary, kFieldWidth));
    QLineEdit* optimal = b.edit(f.eFDOpti, planetary, kFieldWidth);
    optimal->setToolTip("Pour un échantillonnage = 1/2 pouvoir séparateur théorique ");
    formRow(planetaryRows, "f/d optimal", optimal);
    formRow(planetaryRows, "Coef. multiplicateur à appliquer", b.edit(f.eCoefMulti, planetary, kFieldWidth));

    auto* deepSky = new QGroupBox(p);
    deepSky->setObjectName("pImaCP");
    b.follow(f.pImaCP, deepSky);
    auto* deepRows = new QFormLayout(deepSky);
    formRow(deepRows, "Echantillonnage actuel", b.edit(f.eEchCP, deepSky, kFieldWidth), "\" / pixel");
    formRow(deepRows, "Focale actuelle", b.edit(f.eFocAct2, deepSky, kFieldWidth), "mm");
    formRow(deepRows, "Echantillonnage maxi", b.edit(f.eEchConsCP, deepSky, kFieldWidth), "\" / pixel");
    formRow(deepRows, "Focale maxi", b.edit(f.eFocConsCP, deepSky, kFieldWidth), "mm");
    QWidget* slider = b.trackBar(f.TrackBar1, deepSky);
    deepRows->addRow(caption("Echantillonnage souhaité", slider, deepSky), slider);
    formRow(deepRows, "Focale à appliquer", b.edit(f.eFocCalcCP, deepSky, kFieldWidth));
    formRow(deepRows, "Coef. multiplicateur", b.edit(f.eCoefCP, deepSky, kFieldWidth), "x");

    auto* right = new QVBoxLayout;
    right->addWidget(planetary);
    right->addWidget(deepSky);
    right->addStretch(1);
    layout->addLayout(right, 1);
    return p;
}

QWidget* buildDessinPlanetePage(Binder& b, MainForm& f) {
    QWidget* p = page("tsDessinPlanete");
    auto* layout = new QVBoxLayout(p);
    auto* fieldRow = new QHBoxLayout;
    QLineEdit* across = b.edit(f.eChampPlaH, p, kFieldWidth);
    fieldRow->addWidget(caption("Champ :", across, p));
    fieldRow->addWidget(across);
    QLineEdit* down = b.edit(f.eChampPlaV, p, kFieldWidth);
    fieldRow->addWidget(caption("x", down, p));
    fieldRow->addWidget(down);
    fieldRow->addWidget(new QLabel("'", p));
    fieldRow->addStretch(1);
    layout->addLayout(fieldRow);
    for (form::Label* name : {&f.labDessinPlaNom, &f.labDessinPlaCapteur, &f.labDessinPlaTelescope}) {
        QLabel* label = b.label(*name, p);
        label->setAlignment(Qt::AlignCenter);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        layout->addWidget(label);
    }
    layout->addStretch(1);
    layout->addLayout(sensorListRow(b, f.cbCapteursPla, p));
    return p;
}

QWidget* buildChampPhotoPage(Binder& b, MainForm& f) {
    QWidget* p = page("tsChampPhoto");
    auto* layout = new QVBoxLayout(p);
    layout->addStretch(1);
    layout->addLayout(sensorListRow(b, f.cbCapteursPhoto, p));
    return p;
}

QWidget* buildAidePage(Binder& b, MainForm& f) {
    QWidget* p = page("tsAide");
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(b.memo(f.memoAide, p));
    return p;
}

}  // namespace quarvel::ui::qt
