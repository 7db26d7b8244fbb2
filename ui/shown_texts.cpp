// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/shown_texts.h"

#include "core/errors.h"
#include "ui/help_text.h"

namespace quarvel::ui {

std::vector<std::string> composedTextPatterns() {
    std::vector<std::string> patterns = core::messagePatterns();
    const char* composed[] = {
        "%1, ligne %2, [%3] : %4",
        "%1, ligne(s) %2",
        "%1, colonne \"%2\" absente",
        "%1, fichier illisible",
        "capteur \"%1\" inconnu",
        "valeurs %1 absentes ou incorrectes",
        "« %1 » : nom incorrect",
        "« %1 » : nom déjà dans les listes",
        "« %1 » : diamètre ou focale manquant",
        "« %1 » : capteur incomplet",
        "Supprimer %1 de vos équipements ?",
        "la caméra « %1 »",
        "l'appareil photo « %1 »",
        "le télescope « %1 »",
    };
    patterns.insert(patterns.end(), std::begin(composed), std::end(composed));
    patterns.push_back(std::string(kHelpText) + "\n\nLa configuration est enregistrée dans le fichier %1.\n");
    return patterns;
}

}  // namespace quarvel::ui
