// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/calculs_page.h"

#include <cmath>

#include "core/checked.h"
#include "core/number_format.h"
#include "core/parse.h"
#include "ui/messages.h"
#include "ui/names.h"

namespace quarvel::ui {

namespace {

// Five significant digits and two decimals; a result of 100000 or more keeps
// all its whole digits rather than an exponent form.
std::string separationText(double value) {
    const std::string text = core::fixed(value, 5, 2);
    return text.find('E') == std::string::npos ? text : core::fixed(value, 15, 2);
}

}  // namespace

CalculsPage::CalculsPage(Form& window, const Session& session)
    : Part(window),
      eObjet1X(add<EditField>("eObjet1X")),
      eObjet1Y(add<EditField>("eObjet1Y")),
      eObjet2X(add<EditField>("eObjet2X")),
      eObjet2Y(add<EditField>("eObjet2Y")),
      rgSaisieSep(add<RadioGroup>("rgSaisieSep", "Saisie séparation", std::vector<std::string>{"Non", "Oui"}, 2)),
      eSepManuelle(add<EditField>("eSepManuelle")),
      eSepPx(add<EditField>("eSepPx")),
      eSepSec(add<EditField>("eSepSec")),
      eFocTh(add<EditField>("eFocTh")),
      eFocReel(add<EditField>("eFocReel")),
      m_session(session) {
    showsResults({&eSepPx, &eSepSec, &eFocTh, &eFocReel});
    rgSaisieSep.select(kSeparationNoRow);
    eSepManuelle.setEnabled(false);
    eSepManuelle.acceptDecimalComma();
    eSepManuelle.takesNumbers(core::NumberDomain::reals());
    // A coordinate says what is wrong with its own text; while another one
    // does not read, the results stay as they were.
    for (EditField* coordinate : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y}) {
        coordinate->setHint("Saisir les coordonnées X et Y relevées sur l'image");
        coordinate->takesNumbers(core::NumberDomain::wholeNumbers());
        coordinate->onChange = [this, coordinate] {
            if (!coordinate->empty()) core::parseInteger(coordinate->text());
            if (coordinatesRead()) computeSeparation();
        };
    }
    rgSaisieSep.onClick = [this] {
        eSepManuelle.setEnabled(rgSaisieSep.selected() == kSeparationYesRow);
        if (coordinatesRead()) computeSeparation();
    };
    // A mouse click on "Oui" empties the results before and after its selection.
    rgSaisieSep.onMousePress = [this](int row) {
        if (row == kSeparationYesRow) clearResults();
    };
    rgSaisieSep.onMouseRelease = rgSaisieSep.onMousePress;
    eSepManuelle.onChange = [this] {
        if (coordinatesRead()) calibrateFocalLength();
    };
}

bool CalculsPage::coordinatesRead() const {
    for (const EditField* field : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y}) {
        if (!core::tryParseInteger(field->text())) return false;
    }
    return true;
}

// The coordinates are read in this order: X2, X1, Y2, Y1. The differences and
// their squares are taken in 64 bits and doubles, so that points any distance
// apart give their true separation.
double CalculsPage::measuredSeparation() const {
    const std::int64_t x2 = core::parseInteger(eObjet2X.text());
    const std::int64_t x1 = core::parseInteger(eObjet1X.text());
    const std::int64_t y2 = core::parseInteger(eObjet2Y.text());
    const std::int64_t y1 = core::parseInteger(eObjet1Y.text());
    return std::hypot(static_cast<double>(x2 - x1), static_cast<double>(y2 - y1));
}

void CalculsPage::computeSeparation() {
    const double pixels = measuredSeparation();
    eSepPx.setText(separationText(pixels));
    eSepSec.setText(separationText(pixels * m_session.samplingArcsec));
    eFocTh.setText(m_session.focalText);
    eFocReel.setText(m_session.focalText);
}

void CalculsPage::calibrateFocalLength() {
    const double pixels = measuredSeparation();
    const double arcsec = core::parseReal(eSepManuelle.text());
    eSepPx.setText(separationText(pixels));
    eSepSec.setText(eSepManuelle.text());
    eFocTh.setText(m_session.focalText);
    const std::int32_t focal = core::parseInteger(m_session.focalText);
    eFocReel.setText(separationText(core::divide(focal * pixels * m_session.samplingArcsec, arcsec)));
}

std::vector<ResultLine> CalculsPage::resultLines() const {
    std::vector<ResultLine> lines;
    for (const auto& [caption, field, unit] : {std::tuple{messages::kSeparationPixels, &eSepPx, "pixels"},
                                               {messages::kSeparationArcsec, &eSepSec, "\""},
                                               {messages::kTheoreticalFocal, &eFocTh, "mm"},
                                               {messages::kRealFocal, &eFocReel, "mm"}}) {
        if (field->empty() || !field->visible()) continue;
        lines.push_back({core::Message(caption), {core::Message::data(field->text())}, core::Message(unit)});
    }
    return lines;
}

void CalculsPage::clearResults() {
    for (EditField* result : {&eSepPx, &eSepSec, &eFocTh, &eFocReel}) result->setText("");
}

void CalculsPage::clear() {
    for (EditField* field : {&eObjet1X, &eObjet1Y, &eObjet2X, &eObjet2Y}) field->setText("");
    clearResults();
}

}  // namespace quarvel::ui
