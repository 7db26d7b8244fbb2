// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <cstdlib>

namespace quarvel::ui {

namespace {

constexpr std::string_view kHelpFrench =
    "Usage : quarvel [--help] [--version]\n"
    "        quarvel --mesurer IMAGE [--echantillonnage X]\n"
    "Calculateur d'imagerie pour l'astronome amateur : rapport f/D, pouvoirs résolvant et séparateur,\n"
    "taille du capteur, échantillonnage, champ, diamètres apparents et temps de pose limite.\n"
    "\n"
    "  --help     affiche cette aide et quitte\n"
    "  --version  affiche la version et quitte\n"
    "  --mesurer IMAGE\n"
    "             résout l'image avec astrometry.net et affiche son centre, son échantillonnage,\n"
    "             sa rotation, son miroir et la FWHM de ses étoiles\n"
    "  --echantillonnage X\n"
    "             l'échantillonnage attendu (\"/pixel), cherché à 15 % près\n"
    "\n"
    "La configuration est enregistrée dans Quarvel.ini et les équipements personnels dans\n"
    "Quarvel-equipements.ini, à côté du programme pour une installation portable, sinon dans\n"
    "$XDG_CONFIG_HOME/quarvel (par défaut ~/.config/quarvel). Voir quarvel(1).\n";

constexpr std::string_view kHelpEnglish =
    "Usage: quarvel [--help] [--version]\n"
    "       quarvel --measure IMAGE [--sampling X]\n"
    "Imaging calculator for amateur astronomers: focal ratio, resolving and separating power,\n"
    "sensor size, sampling, field of view, apparent diameters and exposure limits.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --measure IMAGE\n"
    "             solve the image with astrometry.net and print its centre, sampling,\n"
    "             rotation, mirror and its stars' FWHM\n"
    "  --sampling X\n"
    "             the expected sampling (\"/pixel), searched within 15 %\n"
    "\n"
    "The configuration is saved in Quarvel.ini and the user's own equipment in\n"
    "Quarvel-equipements.ini, beside the program for a portable install, otherwise in\n"
    "$XDG_CONFIG_HOME/quarvel (by default ~/.config/quarvel). See quarvel(1).\n";

}  // namespace

std::optional<std::string> commandLineAnswer(int argc, const char* const* argv, std::string_view locale) {
    const bool english = locale.starts_with("en");
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return std::string(english ? kHelpEnglish : kHelpFrench);
        if (argument == "--version") return "Quarvel " + std::string(kVersion) + "\n";
    }
    return std::nullopt;
}

std::string messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value && *value) return value;
    }
    return {};
}

}  // namespace quarvel::ui
