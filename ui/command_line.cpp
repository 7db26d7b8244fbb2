// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/command_line.h"

#include <cstdlib>

#include "core/errors.h"
#include "core/parse.h"

namespace quarvel::ui {

namespace {

constexpr std::string_view kHelpFrench =
    "Usage : quarvel [--help] [--version]\n"
    "        quarvel --mesurer IMAGE [--echantillonnage X] [--resoudre]\n"
    "Calculateur d'imagerie pour l'astronome amateur : rapport f/D, pouvoirs résolvant et séparateur,\n"
    "taille du capteur, échantillonnage, champ, diamètres apparents et temps de pose limite.\n"
    "\n"
    "  --help     affiche cette aide et quitte\n"
    "  --version  affiche la version et quitte\n"
    "  --mesurer IMAGE\n"
    "             résout l'image avec astrometry.net et affiche son centre, son échantillonnage,\n"
    "             son champ, sa rotation, son miroir et la FWHM de ses étoiles ; une image FITS\n"
    "             qui porte déjà sa solution (WCS) est mesurée sur celle-ci\n"
    "  --echantillonnage X\n"
    "             l'échantillonnage attendu (\"/pixel), cherché à 15 % près\n"
    "  --resoudre résout l'image même quand elle porte sa solution\n"
    "\n"
    "La configuration est enregistrée dans Quarvel.ini et les équipements personnels dans\n"
    "Quarvel-equipements.ini, à côté du programme pour une installation portable, sinon dans\n"
    "$XDG_CONFIG_HOME/quarvel (par défaut ~/.config/quarvel). Voir quarvel(1).\n";

constexpr std::string_view kHelpEnglish =
    "Usage: quarvel [--help] [--version]\n"
    "       quarvel --measure IMAGE [--sampling X] [--solve]\n"
    "Imaging calculator for amateur astronomers: focal ratio, resolving and separating power,\n"
    "sensor size, sampling, field of view, apparent diameters and exposure limits.\n"
    "\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --measure IMAGE\n"
    "             solve the image with astrometry.net and print its centre, sampling,\n"
    "             field, rotation, mirror and its stars' FWHM; a FITS image that already\n"
    "             holds its solution (WCS) is measured on it\n"
    "  --sampling X\n"
    "             the expected sampling (\"/pixel), searched within 15 %\n"
    "  --solve    solve the image even when it holds its solution\n"
    "\n"
    "The configuration is saved in Quarvel.ini and the user's own equipment in\n"
    "Quarvel-equipements.ini, beside the program for a portable install, otherwise in\n"
    "$XDG_CONFIG_HOME/quarvel (by default ~/.config/quarvel). See quarvel(1).\n";

// The usage lines of the help, and where the rest is.
std::string usageOf(bool english) {
    const std::string_view help = english ? kHelpEnglish : kHelpFrench;
    const std::size_t end = help.find('\n', help.find('\n') + 1) + 1;
    return std::string(help.substr(0, end)) + (english ? "See quarvel --help.\n" : "Voir quarvel --help.\n");
}

// Qt's own options, which the window takes: those followed by a value, then the others.
constexpr std::string_view kQtOptionsWithValue[] = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger"};
constexpr std::string_view kQtOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The Qt option the argument names ("-style", "--style", "-style=fusion"),
// and whether a value follows it as the next argument.
std::optional<bool> qtOption(std::string_view argument) {
    if (!argument.starts_with('-')) return std::nullopt;
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    const auto equals = argument.find('=');
    const std::string_view name = argument.substr(0, equals);
    for (const std::string_view option : kQtOptionsWithValue) {
        if (name == option) return equals == std::string_view::npos;
    }
    for (const std::string_view option : kQtOptions) {
        if (argument == option) return false;
    }
    return std::nullopt;
}

CommandLine refused(std::string_view why, std::string_view argument, bool english) {
    CommandLine line;
    line.kind = CommandLine::Kind::Answer;
    line.exitCode = 2;
    line.text = "quarvel : " + core::compose(why, {core::quotedText(argument)}) + "\n" + usageOf(english);
    return line;
}

constexpr std::string_view kUnknownOption = "l'option « %1 » n'existe pas";
constexpr std::string_view kMissingValue = "l'option « %1 » demande une valeur";
constexpr std::string_view kUnexpected = "argument inattendu « %1 »";
constexpr std::string_view kBadSampling =
    "« %1 » : l'échantillonnage se donne en secondes d'arc par pixel, de plus de 0 à 3600";
constexpr std::string_view kSamplingAlone = "l'option « %1 » accompagne --mesurer IMAGE";

}  // namespace

CommandLine readCommandLine(int argc, const char* const* argv, std::string_view locale) {
    const bool english = locale.starts_with("en");
    CommandLine line;
    std::optional<std::string> sampling;
    std::string samplingOption;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return {CommandLine::Kind::Answer, std::string(english ? kHelpEnglish : kHelpFrench), 0, {}, {}};
        }
        if (argument == "--version") return {CommandLine::Kind::Answer, "Quarvel " + std::string(kVersion) + "\n", 0, {}, {}};
        if (argument == "--resoudre" || argument == "--solve") {
            line.solve = true;
            continue;
        }
        const bool measure = argument == "--mesurer" || argument == "--measure";
        const bool hint = argument == "--echantillonnage" || argument == "--sampling";
        if (measure || hint) {
            if (i + 1 >= argc || std::string_view(argv[i + 1]).empty()) return refused(kMissingValue, argument, english);
            if (measure) {
                line.kind = CommandLine::Kind::Measure;
                line.imagePath = argv[++i];
            } else {
                samplingOption = argument;
                sampling = argv[++i];
            }
            continue;
        }
        if (const auto takesValue = qtOption(argument)) {
            if (*takesValue) ++i;
            continue;
        }
        return refused(argument.starts_with('-') ? kUnknownOption : kUnexpected, argument, english);
    }
    if (sampling) {
        if (line.kind != CommandLine::Kind::Measure) return refused(kSamplingAlone, samplingOption, english);
        const auto value = core::tryParseReal(*sampling);
        if (!value || !(*value > 0) || *value > 3600) return refused(kBadSampling, *sampling, english);
        line.arcsecPerPixel = *value;
    }
    return line;
}

std::string messagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = std::getenv(name); value && *value) return value;
    }
    return {};
}

}  // namespace quarvel::ui
