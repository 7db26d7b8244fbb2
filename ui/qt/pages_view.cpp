// SPDX-License-Identifier: GPL-3.0-or-later
// The pages beside "Paramètrage": drawings, separation, imaging, help.
#include <QDate>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include "ui/qt/labels.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translation.h"

namespace quarvel::ui::qt {

namespace {

constexpr int kFieldWidth = 70;

QWidget* page(const char* name) {
    auto* widget = new QWidget;
    widget->setObjectName(name);
    return widget;
}

// "Caption [field] unit" as one row of a form layout.
void formRow(QFormLayout* layout, const QString& text, QLineEdit* field, const QString& unit = {},
             const char* unitName = nullptr) {
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    if (!unit.isEmpty()) {
        auto* label = new QLabel(unit, layout->parentWidget());
        if (unitName) label->setObjectName(unitName);
        row->addWidget(label);
    }
    row->addStretch(1);
    layout->addRow(caption(text, field, layout->parentWidget()), row);
}


}  // namespace


QWidget* buildCalculsPage(Binder& b, CalculsPage& f) {
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

namespace {

QLabel* redLabel(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(255, 0, 0));
    label->setPalette(palette);
    return label;
}

QGroupBox* planetaryPanel(Binder& b, ImageriePage& f, QWidget* parent) {
    auto* panel = new QGroupBox(parent);
    panel->setObjectName("pImaPla");
    b.follow(f.pImaPla, panel);
    auto* grid = new QGridLayout(panel);
    int row = 0;
    // "Caption [field] unit" where each part follows its own model.
    const auto line = [&](QLabel* caption, QLineEdit* field, QWidget* unit) {
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        if (unit) grid->addWidget(unit, row, 2);
        ++row;
    };
    QLabel* diameterCaption = b.label(f.labCompoDiamApp, panel);
    diameterCaption->setCursor(Qt::PointingHandCursor);
    diameterCaption->setToolTip("Cliquer pour passer des secondes aux minutes d'arc (Soleil et Lune)");
    line(diameterCaption, b.edit(f.eDiamApp, panel, kFieldWidth), b.label(f.labDiamAppSec, panel));
    line(redLabel(b.label(f.labDateDiam, panel)), b.edit(f.eDate, panel, 84, localDateDisplay()), b.button(f.bbDate, panel));
    // The rings' size, and their tilt towards the Earth beside it.
    auto* rings = new QWidget(panel);
    auto* ringsRow = new QHBoxLayout(rings);
    ringsRow->setContentsMargins(0, 0, 0, 0);
    ringsRow->addWidget(b.label(f.labDiamAppSec2, rings));
    ringsRow->addWidget(b.label(f.labInclinaison, rings), 1);
    line(b.label(f.labAnneaux, panel), b.edit(f.eDiamAnnSat, panel, kFieldWidth), rings);
    auto* pixels = new QHBoxLayout;
    pixels->addWidget(named(new QLabel("Pixels /", panel), "labDiamCaptPx"));
    pixels->addWidget(b.label(f.labPixCapt, panel));
    line(named(new QLabel("Diamètre sur le capteur", panel), "labDiamCapt"), b.edit(f.eDiamCapt, panel, kFieldWidth),
         nullptr);
    pixels->addStretch(1);
    grid->addLayout(pixels, row - 1, 2);
    line(b.label(f.labTolerance, panel), b.edit(f.eTolBouge, panel, kFieldWidth), b.label(f.labPixelB, panel));
    line(b.label(f.labTps, panel), b.edit(f.eTps, panel, kFieldWidth), b.label(f.labTpsSec, panel));
    QLabel* advice = redLabel(b.label(f.labConseilTPL, panel));
    advice->setWordWrap(true);
    grid->addWidget(advice, row++, 0, 1, 3);
    line(named(new QLabel("f/d actuel", panel), "labFDActu"), b.edit(f.eFDAct, panel, kFieldWidth), nullptr);
    QLineEdit* optimal = b.edit(f.eFDOpti, panel, kFieldWidth);
    optimal->setToolTip("Pour un échantillonnage = 1/2 pouvoir séparateur théorique ");
    line(named(new QLabel("f/d optimal", panel), "labFDOpti"), optimal, nullptr);
    auto* coefficient = named(new QLabel("Coef. multiplicateur à appliquer", panel), "labCoefMulti");
    coefficient->setWordWrap(true);
    line(coefficient, b.edit(f.eCoefMulti, panel, kFieldWidth), nullptr);
    QComboBox* overSampling = b.combo(f.cbSurEch, panel);
    grid->addWidget(named(caption("Facteur de suréchantillonnage", overSampling, panel), "labSurEch"), row, 0);
    grid->itemAtPosition(row, 0)->widget()->setVisible(false);
    grid->addWidget(overSampling, row, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(row + 1, 1);
    return panel;
}

// The wanted sampling: two bands naming the halves of the scale, the slider,
// and its six scale labels from 0.5" to 3.0".
QWidget* samplingScale(Binder& b, ImageriePage& f, QWidget* parent) {
    auto* scale = new QWidget(parent);
    auto* layout = new QVBoxLayout(scale);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* bands = new QHBoxLayout;
    bands->setSpacing(0);
    const std::tuple<const char*, const char*, QPalette::ColorRole, int> kBands[] = {
        {"pTurbuF", "Turbulence faible", QPalette::Highlight, 10},
        {"pTurbuN", "Turbulence normale", QPalette::Mid, 15},
    };
    for (const auto& [name, text, role, stretch] : kBands) {
        auto* band = new QLabel(text, scale);
        band->setObjectName(name);
        band->setAlignment(Qt::AlignCenter);
        // Roles rather than colours, so that the bands follow the palette
        // into night mode and back.
        band->setAutoFillBackground(true);
        band->setBackgroundRole(role);
        band->setForegroundRole(role == QPalette::Highlight ? QPalette::HighlightedText : QPalette::WindowText);
        bands->addWidget(band, stretch);
    }
    layout->addLayout(bands);
    layout->addWidget(b.trackBar(f.TrackBar1, scale));
    auto* marks = new QHBoxLayout;
    const char* names[] = {"lab05", "lab10", "lab15", "lab20", "lab25", "lab30"};
    for (int i = 0; i < 6; ++i) {
        auto* mark = new QLabel(QString::number(0.5 * (i + 1), 'f', 1) + "\"", scale);
        mark->setObjectName(names[i]);
        if (i > 0) marks->addStretch(1);
        marks->addWidget(mark);
    }
    layout->addLayout(marks);
    return scale;
}

QGroupBox* deepSkyPanel(Binder& b, ImageriePage& f, QWidget* parent) {
    auto* panel = new QGroupBox(parent);
    panel->setObjectName("pImaCP");
    b.follow(f.pImaCP, panel);
    auto* rows = new QFormLayout(panel);
    formRow(rows, "Echantillonnage actuel", b.edit(f.eEchCP, panel, kFieldWidth), "\" / pixel", "labSecPix");
    formRow(rows, "Focale actuelle", b.edit(f.eFocAct2, panel, kFieldWidth), "mm");
    formRow(rows, "Echantillonnage maxi", b.edit(f.eEchConsCP, panel, kFieldWidth), "\" / pixel", "labSecPix2");
    formRow(rows, "Focale maxi", b.edit(f.eFocConsCP, panel, kFieldWidth), "mm");
    QWidget* scale = samplingScale(b, f, panel);
    rows->addRow(caption("Echantillonnage souhaité", scale->findChild<QSlider*>(), panel), scale);
    formRow(rows, "Focale à appliquer", b.edit(f.eFocCalcCP, panel, kFieldWidth));
    formRow(rows, "Coef. multiplicateur", b.edit(f.eCoefCP, panel, kFieldWidth), "x");
    // The user's sky: the seeing and the binning, and what they make of the sampling.
    formRow(rows, "Turbulence (FWHM)", b.edit(f.eFWHM, panel, kFieldWidth), "\"", "labFWHMSec");
    QComboBox* binning = b.combo(f.cbBinning, panel);
    auto* binningRow = new QHBoxLayout;
    binningRow->addWidget(binning);
    binningRow->addStretch(1);
    rows->addRow(caption("Binning", binning, panel), binningRow);
    formRow(rows, "Echantillonnage avec binning", b.edit(f.eEchBinning, panel, kFieldWidth), "\" / pixel",
            "labSecPix3");
    QLabel* verdict = b.label(f.labVerdict, panel);
    QFont bold = verdict->font();
    bold.setBold(true);
    verdict->setFont(bold);
    rows->addRow(verdict);
    QLabel* rule = b.label(f.labRegleEch, panel);
    rule->setWordWrap(true);
    rows->addRow(rule);
    return panel;
}

}  // namespace

// A date the form writes DD/MM/YYYY, in the interface's own date format
// with the year in full.
Binder::Display localDateDisplay() {
    return {[](const std::string& text) {
                const QDate date = QDate::fromString(qs(text), "dd/MM/yyyy");
                if (!date.isValid()) return qs(text);
                QString format = interfaceLocale().dateFormat(QLocale::ShortFormat);
                if (!format.contains("yyyy")) format.replace("yy", "yyyy");
                return interfaceLocale().toString(date, format);
            },
            {}};
}

QWidget* buildImageriePage(Binder& b, ImageriePage& f) {
    QWidget* p = page("tsImagerie");
    auto* layout = new QVBoxLayout(p);
    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(b.radioGroup(f.rgPlaCP, p));
    left->addWidget(b.radioGroup(f.rgPlanetes, p));
    left->addStretch(1);
    top->addLayout(left);
    top->addWidget(planetaryPanel(b, f, p), 1);
    layout->addLayout(top);
    layout->addWidget(deepSkyPanel(b, f, p));
    layout->addStretch(1);
    return p;
}



QWidget* buildComparerPage(Binder& b, ComparerPage& f) {
    QWidget* p = page("tsComparer");
    auto* layout = new QVBoxLayout(p);
    // The setups to compare, one box a line, as wide as the page: a name shows
    // whole up to the page's width, and the window keeps its own.
    auto* choices = new QFormLayout;
    for (int column = 1; column < ComparerPage::kColumns; ++column) {
        QComboBox* choice = b.combo(*f.cbMontage[column], p, 12);
        choice->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        choices->addRow(caption(column == 1 ? tt(std::string("Comparer avec :")) : QString(), choice, p), choice);
    }
    layout->addLayout(choices);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    QFont bold = p->font();
    bold.setBold(true);
    for (int column = 0; column < ComparerPage::kColumns; ++column) {
        QLabel* head = b.label(*f.heads[column], p);
        head->setWordWrap(true);
        // A name of one long word is cut rather than widening the window.
        head->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        head->setFont(bold);
        grid->addWidget(head, 0, column + 1, Qt::AlignTop);
    }
    for (int row = 0; row < ComparerPage::kRowCount; ++row) {
        QLabel* cell = nullptr;
        for (int column = 0; column < ComparerPage::kColumns; ++column) {
            cell = b.label(*f.cells[row][column], p);
            // Names may wrap; numbers are short, and a label that cannot wrap
            // is laid out at once.
            const bool names = row == ComparerPage::kTelescope || row == ComparerPage::kCamera;
            cell->setWordWrap(names || row == ComparerPage::kVerdict);
            if (names) cell->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            selectableByMouse(cell);
            grid->addWidget(cell, row + 1, column + 1);
        }
        auto* rowCaption = new QLabel(tt(std::string(kComparedRows[row].caption)), p);
        rowCaption->setTextFormat(Qt::PlainText);
        rowCaption->setWordWrap(true);
        grid->addWidget(rowCaption, row + 1, 0);
        auto* unit = new QLabel(tt(std::string(kComparedRows[row].unit)), p);
        unit->setTextFormat(Qt::PlainText);
        grid->addWidget(unit, row + 1, ComparerPage::kColumns + 1);
    }
    for (int column = 1; column <= ComparerPage::kColumns; ++column) grid->setColumnStretch(column, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
    return p;
}

QWidget* buildAidePage(Binder& b, HelpPage& f) {
    QWidget* p = page("tsAide");
    auto* layout = new QVBoxLayout(p);
    layout->addWidget(b.memo(f.memoAide, p));
    return p;
}

}  // namespace quarvel::ui::qt
