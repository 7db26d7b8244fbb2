// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/dialogs.h"
#include "ui/results.h"
#include "ui/session.h"

namespace quarvel::ui {

// "Calculs": the separation of two points measured on an image, and the real
// focal length that a known separation implies.
class CalculsPage : public form::Part {
public:
    // `focal`: the focal length as typed on the parameter page.
    CalculsPage(Form& window, const Session& session);
    // "Effacer champs".
    void clear();
    // The results shown, as "Copier les résultats" gives them.
    std::vector<ResultLine> resultLines() const;

    EditField& eObjet1X;
    EditField& eObjet1Y;
    EditField& eObjet2X;
    EditField& eObjet2Y;
    RadioGroup& rgSaisieSep;
    EditField& eSepManuelle;
    EditField& eSepPx;
    EditField& eSepSec;
    EditField& eFocTh;
    EditField& eFocReel;

private:
    // The four coordinates read: a field that does not is said by its own handling.
    bool coordinatesRead() const;
    double measuredSeparation() const;
    void computeSeparation();
    void calibrateFocalLength();
    void clearResults();

    const Session& m_session;
};

}  // namespace quarvel::ui
