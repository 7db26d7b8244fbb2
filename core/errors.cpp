// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/errors.h"

#include <algorithm>
#include <array>

namespace quarvel::core {

namespace {

struct Template {
    ErrorCode code;
    std::string_view pattern;  // "%1" and "%2" where the values go
};

// The fixed messages.
constexpr std::array<Template, 25> kTemplates{{
    {ErrorCode::NotAReal, "'%1' n'est pas une valeur en virgule flottante correcte"},
    {ErrorCode::NotAnInteger, "'%1' n'est pas une valeur entière correcte"},
    {ErrorCode::DivisionByZero, "Division par zéro en virgule flottante"},
    {ErrorCode::InvalidOperation, "Opération en virgule flottante incorrecte"},
    {ErrorCode::RangeCheck, "Erreur de vérification d'étendue"},
    {ErrorCode::IntegerOverflow, "Débordement d'entier"},
    {ErrorCode::ListIndex, "Indice de liste hors limites (%1)"},
    {ErrorCode::CannotWrite, "Impossible d'écrire dans %1"},
    {ErrorCode::CannotOpen, "Impossible d'ouvrir le fichier \"%1\". %2"},
    {ErrorCode::BadBitmap, "Image bitmap incorrecte"},
    {ErrorCode::BadEquipment, "Équipement ignoré : %1"},
    {ErrorCode::IncompleteSensor, "Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul"},
    {ErrorCode::NotReadWhole,
     "%1 n'a pas pu être lu en entier et reste tel quel : déplacez-le pour en enregistrer un nouveau"},
    {ErrorCode::BadSeeing, "« %1 » : la turbulence (FWHM) doit être supérieure à 0 et d'au plus 30 secondes d'arc"},
    {ErrorCode::BadPanels, "« %1 » : le champ Mosaïque prend un nombre entier de panneaux de 1 à 5"},
    {ErrorCode::BadOverlap, "« %1 » : le champ Recouvrement prend un pourcentage d'au moins 0 et de moins de 100"},
    {ErrorCode::BadCoordinates,
     "« %1 » : coordonnées J2000 non reconnues ; taper par exemple 05h35m17s -05°23'28\" ou 83.82 -5.39"},
    {ErrorCode::BadLatitude,
     "« %1 » : latitude non reconnue ; taper des degrés nord de -90 à 90, par exemple 48.85 ou 48°51'N"},
    {ErrorCode::BadLongitude,
     "« %1 » : longitude non reconnue ; taper des degrés est de -180 à 180, par exemple 2.35 ou 2°21'E"},
    {ErrorCode::BadSiteAltitude, "« %1 » : l'altitude du site se donne en mètres, de -500 à 9000"},
    {ErrorCode::BadMinimumAltitude, "« %1 » : l'altitude minimale se donne en degrés, de 0 à 89"},
    {ErrorCode::SolverMissing,
     "La résolution astrométrique demande les paquets astrometry.net et astrometry-data-tycho2 : installez-les"},
    {ErrorCode::NotSolved, "« %1 » n'a pas pu être résolue : %2"},
    {ErrorCode::OutOfMemory, "Mémoire insuffisante"},
    {ErrorCode::Unexpected, "Erreur inattendue : %1"},
}};

// A typed text is quoted in a message up to this many characters: a box that
// quotes a pasted page would take ages to lay out and fill the screen.
constexpr std::size_t kMaxQuotedCharacters = 60;

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The text's first and last characters around an ellipsis, never cutting a
// UTF-8 character in two.
std::string elided(std::string_view text) {
    if (characterCount(text) <= kMaxQuotedCharacters) return std::string(text);
    const std::size_t keep = (kMaxQuotedCharacters - 1) / 2;
    std::size_t head = 0;
    for (std::size_t seen = 0; head < text.size(); ++head) {
        if (!continuationByte(text[head]) && seen++ == keep) break;
    }
    std::size_t tail = text.size();
    for (std::size_t seen = 0; tail > 0;) {
        --tail;
        if (!continuationByte(text[tail]) && ++seen == keep) break;
    }
    return std::string(text.substr(0, head)) + "…" + std::string(text.substr(tail));
}

const Template& templateFor(ErrorCode code) {
    for (const auto& t : kTemplates) {
        if (t.code == code) return t;
    }
    return kTemplates.front();
}

// A message's fixed text around its values, and how many values it takes.
struct Parts {
    std::string_view prefix;  // before the first value
    std::string_view middle;  // between the first and second
    std::string_view suffix;  // after the last
    int values = 0;
};

Parts partsOf(std::string_view pattern) {
    const std::size_t first = pattern.find("%1");
    if (first == std::string_view::npos) return {pattern, {}, {}, 0};
    const std::string_view rest = pattern.substr(first + 2);
    const std::size_t second = rest.find("%2");
    if (second == std::string_view::npos) return {pattern.substr(0, first), {}, rest, 1};
    return {pattern.substr(0, first), rest.substr(0, second), rest.substr(second + 2), 2};
}

[[noreturn]] void raise(ErrorCode code, std::string_view first = {}, std::string_view second = {}) {
    const bool quotesInput = code == ErrorCode::NotAReal || code == ErrorCode::NotAnInteger;
    throw QuarvelError(code, errorMessageOf(code, Message::data(quotesInput ? elided(first) : std::string(first)),
                                            Message::data(second)));
}

}  // namespace

std::string quotedText(std::string_view text) { return elided(text); }

std::size_t characterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !continuationByte(c); }));
}

Message errorMessageOf(ErrorCode code, Message first, Message second) {
    const std::string_view pattern = templateFor(code).pattern;
    const int count = partsOf(pattern).values;
    std::vector<Message> values;
    if (count >= 1) values.push_back(std::move(first));
    if (count >= 2) values.push_back(std::move(second));
    return Message(std::string(pattern), std::move(values));
}

std::string Message::text() const {
    if (m_data) return m_pattern;
    std::vector<std::string> texts;
    texts.reserve(m_values.size());
    for (const Message& value : m_values) texts.push_back(value.text());
    return compose(m_pattern, texts);
}

QuarvelError::QuarvelError(ErrorCode code, Message message)
    : m_code(code), m_message(std::move(message)), m_text(m_message.text()) {}

void throwNotAReal(std::string_view text) { raise(ErrorCode::NotAReal, text); }
void throwNotAnInteger(std::string_view text) { raise(ErrorCode::NotAnInteger, text); }
void throwDivisionByZero() { raise(ErrorCode::DivisionByZero); }
void throwInvalidOperation() { raise(ErrorCode::InvalidOperation); }
void throwRangeCheck() { raise(ErrorCode::RangeCheck); }
void throwIntegerOverflow() { raise(ErrorCode::IntegerOverflow); }
void throwListIndex(long long index) { raise(ErrorCode::ListIndex, std::to_string(index)); }
void throwCannotWrite(std::string_view path) { raise(ErrorCode::CannotWrite, path); }
void throwCannotOpen(std::string_view path, Message reason) {
    throw QuarvelError(ErrorCode::CannotOpen, errorMessageOf(ErrorCode::CannotOpen, Message::data(path), std::move(reason)));
}
void throwBadBitmap() { raise(ErrorCode::BadBitmap); }
void throwIncompleteSensor() { raise(ErrorCode::IncompleteSensor); }
void throwBadEquipment(Message what) {
    throw QuarvelError(ErrorCode::BadEquipment, errorMessageOf(ErrorCode::BadEquipment, std::move(what)));
}
void throwNotReadWhole(std::string_view path) { raise(ErrorCode::NotReadWhole, path); }
void throwBadSeeing(std::string_view text) { raise(ErrorCode::BadSeeing, text); }
void throwBadPanels(std::string_view text) { raise(ErrorCode::BadPanels, text); }
void throwBadOverlap(std::string_view text) { raise(ErrorCode::BadOverlap, text); }
void throwBadCoordinates(std::string_view text) { raise(ErrorCode::BadCoordinates, text); }
void throwBadLatitude(std::string_view text) { raise(ErrorCode::BadLatitude, text); }
void throwBadLongitude(std::string_view text) { raise(ErrorCode::BadLongitude, text); }
void throwBadSiteAltitude(std::string_view text) { raise(ErrorCode::BadSiteAltitude, text); }
void throwBadMinimumAltitude(std::string_view text) { raise(ErrorCode::BadMinimumAltitude, text); }
void throwSolverMissing() { raise(ErrorCode::SolverMissing); }
void throwNotSolved(std::string_view path, Message reason) {
    throw QuarvelError(ErrorCode::NotSolved, errorMessageOf(ErrorCode::NotSolved, Message::data(path), std::move(reason)));
}

Message joinedLines(std::vector<Message> lines) {
    if (lines.empty()) return Message();
    Message joined = std::move(lines.back());
    for (auto line = lines.rbegin() + 1; line != lines.rend(); ++line) {
        joined = Message("%1\n%2", {std::move(*line), std::move(joined)});
    }
    return joined;
}

std::vector<std::string> messagePatterns() {
    std::vector<std::string> patterns;
    for (const auto& t : kTemplates) patterns.emplace_back(t.pattern);
    return patterns;
}

namespace {

template <typename Values>
std::string composeWith(std::string_view pattern, const Values& values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto index = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

}  // namespace

std::string compose(std::string_view pattern, std::initializer_list<std::string_view> values) {
    return composeWith(pattern, values);
}

std::string compose(std::string_view pattern, const std::vector<std::string>& values) {
    return composeWith(pattern, values);
}

std::string errorBoxText(std::string_view message) {
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
        text.push_back('.');
    }
    return text;
}

bool isFixedMessage(std::string_view message) {
    for (const auto& t : kTemplates) {
        // The guard's last resorts stand for faults of the program itself.
        if (t.code == ErrorCode::OutOfMemory || t.code == ErrorCode::Unexpected) continue;
        const Parts p = partsOf(t.pattern);
        const std::size_t fixedLength = p.prefix.size() + p.middle.size() + p.suffix.size();
        if (message.size() < fixedLength) continue;
        if (!message.starts_with(p.prefix) || !message.ends_with(p.suffix)) continue;
        if (p.values == 0) {
            if (message.size() == fixedLength) return true;
            continue;
        }
        if (p.values == 2) {
            const auto inner = message.substr(p.prefix.size(), message.size() - p.prefix.size() - p.suffix.size());
            if (inner.find(p.middle) != std::string_view::npos) return true;
            continue;
        }
        return true;
    }
    return false;
}

}  // namespace quarvel::core
