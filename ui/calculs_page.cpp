// SPDX-License-Identifier: GPL-3.0-or-later
// The "Calculs" page: the separation of two points measured on an image, and
// the real focal length that a known separation implies.
#include <cmath>

#include "core/checked.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/main_form.h"

namespace quarvel::ui {

namespace {

constexpr int kSeparationNo = 0;
constexpr int kSeparationYes = 1;

// Five significant digits and two decimals; a result of 100000 or more keeps
// all its whole digits rather than an exponent form.
std::string separationText(double value) {
    const std::string text = core::fixed(value, 5, 2);
    return text.find('E') == std::string::npos ? text : core::fixed(value, 15, 2);
}

}  // namespace

void MainForm::wireCalculsPage() {
    for (EditField* coordinate : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y}) {
        coordinate->onChange = [this] {
            if (coordinatesFilled()) computeSeparation();
        };
    }
    rgSaisieSep.onClick = [this] {
        eSepManuelle.setEnabled(rgSaisieSep.selected() == kSeparationYes);
        if (coordinatesFilled()) computeSeparation();
    };
    // A mouse click on "Oui" empties the results before and after its selection.
    rgSaisieSep.onMousePress = [this](int row) {
        if (row == kSeparationYes) clearSeparationResults();
    };
    rgSaisieSep.onMouseRelease = rgSaisieSep.onMousePress;
    eSepManuelle.onChange = [this] {
        if (coordinatesFilled()) calibrateFocalLength();
    };
}

bool MainForm::coordinatesFilled() const {
    return !eObjet1X.empty() && !eObjet1Y.empty() && !eObjet2X.empty() && !eObjet2Y.empty();
}

// The coordinates are read in this order: X2, X1, Y2, Y1. The differences and
// their squares are taken in 64 bits and doubles, so that points any distance
// apart give their true separation.
double MainForm::measuredSeparation() {
    const std::int64_t x2 = core::parseInteger(eObjet2X.text());
    const std::int64_t x1 = core::parseInteger(eObjet1X.text());
    const std::int64_t y2 = core::parseInteger(eObjet2Y.text());
    const std::int64_t y1 = core::parseInteger(eObjet1Y.text());
    return std::hypot(static_cast<double>(x2 - x1), static_cast<double>(y2 - y1));
}

void MainForm::computeSeparation() {
    separationPixels = measuredSeparation();
    separationArcsec = separationPixels * sampling;
    eSepPx.setText(separationText(separationPixels));
    eSepSec.setText(separationText(separationArcsec));
    eFocTh.setText(eFocale.text());
    eFocReel.setText(eFocale.text());
}

void MainForm::calibrateFocalLength() {
    separationPixels = measuredSeparation();
    separationArcsec = core::parseReal(eSepManuelle.text());
    eSepPx.setText(separationText(separationPixels));
    eSepSec.setText(eSepManuelle.text());
    eFocTh.setText(eFocale.text());
    const std::int32_t focal = core::parseInteger(eFocale.text());
    eFocReel.setText(separationText(core::divide(focal * separationPixels * sampling, separationArcsec)));
}

void MainForm::clearSeparationResults() {
    for (EditField* result : {&eSepPx, &eSepSec, &eFocTh, &eFocReel}) result->setText("");
}

}  // namespace quarvel::ui
