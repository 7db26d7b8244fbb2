// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::core {

// The fixed failures the user can be shown. Each carries one French text; the
// ones with a place for a value ("%1", "%2") get it when the error is raised.
enum class ErrorCode {
    NotAReal,          // "'%1' n'est pas une valeur en virgule flottante correcte"
    NotAnInteger,      // "'%1' n'est pas une valeur entière correcte"
    DivisionByZero,    // "Division par zéro en virgule flottante"
    InvalidOperation,  // "Opération en virgule flottante incorrecte"
    RangeCheck,        // "Erreur de vérification d'étendue"
    IntegerOverflow,   // "Débordement d'entier"
    ListIndex,         // "Indice de liste hors limites (%1)"
    CannotWrite,       // "Impossible d'écrire dans %1"
    CannotOpen,        // "Impossible d'ouvrir le fichier "%1". %2"
    BadBitmap,         // "Image bitmap incorrecte"
    BadEquipment,      // "Équipement ignoré : %1"
    IncompleteSensor,  // "Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul"
    NotReadWhole,      // "%1 n'a pas pu être lu en entier et reste tel quel : déplacez-le pour en enregistrer un nouveau"
    BadSeeing,         // "« %1 » : la turbulence (FWHM) doit être supérieure à 0 et d'au plus 30 secondes d'arc"
    BadPanels,         // "« %1 » : le champ Mosaïque prend un nombre entier de panneaux de 1 à 5"
    BadOverlap,        // "« %1 » : le champ Recouvrement prend un pourcentage d'au moins 0 et de moins de 100"
    BadCoordinates,    // "« %1 » : coordonnées J2000 non reconnues ; taper par exemple 05h35m17s -05°23'28\" ou 83.82 -5.39"
    BadLatitude,       // "« %1 » : latitude non reconnue ; taper des degrés nord de -90 à 90, par exemple 48.85 ou 48°51'N"
    BadLongitude,      // "« %1 » : longitude non reconnue ; taper des degrés est de -180 à 180, par exemple 2.35 ou 2°21'E"
    BadSiteAltitude,   // "« %1 » : l'altitude du site se donne en mètres, de -500 à 9000"
    BadMinimumAltitude,  // "« %1 » : l'altitude minimale se donne en degrés, de 0 à 89"
    SolverMissing,       // "La résolution astrométrique demande les paquets astrometry.net et astrometry-data-tycho2 : installez-les"
    NotSolved,           // "« %1 » n'a pas pu être résolue : %2"
    // Last resorts of the event guard, for failures no calculation raises.
    OutOfMemory,  // "Mémoire insuffisante"
    Unexpected,   // "Erreur inattendue : %1"
};

// A text the program shows: a pattern with "%1" to "%9" and its values, in
// French. A value is data (a name, a path, something typed: shown as it is,
// never translated) or a text of the program's, itself a Message. A view
// translates the pattern and each program text, and puts the data in as it is.
class Message {
public:
    Message() = default;
    // A text of the program's, with its values.
    explicit Message(std::string_view pattern, std::vector<Message> values = {})
        : m_pattern(pattern), m_values(std::move(values)) {}
    // Data: shown exactly as it is.
    static Message data(std::string_view text) {
        Message m(text);
        m.m_data = true;
        return m;
    }
    const std::string& pattern() const { return m_pattern; }
    const std::vector<Message>& values() const { return m_values; }
    bool isData() const { return m_data; }
    bool empty() const { return m_pattern.empty() && m_values.empty(); }
    // The French text, the values put in.
    std::string text() const;

private:
    std::string m_pattern;
    std::vector<Message> m_values;
    bool m_data = false;
};

class QuarvelError : public std::exception {
public:
    QuarvelError(ErrorCode code, Message message);
    ErrorCode code() const noexcept { return m_code; }
    const std::string& message() const noexcept { return m_text; }
    const Message& shown() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_text.c_str(); }

private:
    ErrorCode m_code;
    Message m_message;
    std::string m_text;
};

// A failure's message, as the pattern and its values; the values as given.
Message errorMessageOf(ErrorCode code, Message first = {}, Message second = {});
// Messages one a line, as one: joined two by two by "%1\n%2", a pattern
// every language keeps as it is. Empty for none.
Message joinedLines(std::vector<Message> lines);

// A typed text as messages quote it: one longer than 60 characters by its
// ends around "…".
std::string quotedText(std::string_view text);
// How many characters a UTF-8 text holds.
std::size_t characterCount(std::string_view text);

// Builders for each failure, with the offending text or path put in.
[[noreturn]] void throwNotAReal(std::string_view text);
[[noreturn]] void throwNotAnInteger(std::string_view text);
[[noreturn]] void throwDivisionByZero();
[[noreturn]] void throwInvalidOperation();
[[noreturn]] void throwRangeCheck();
[[noreturn]] void throwIntegerOverflow();
[[noreturn]] void throwListIndex(long long index);
[[noreturn]] void throwCannotWrite(std::string_view path);
[[noreturn]] void throwCannotOpen(std::string_view path, Message reason);
[[noreturn]] void throwBadBitmap();
[[noreturn]] void throwIncompleteSensor();
[[noreturn]] void throwBadEquipment(Message what);
[[noreturn]] void throwNotReadWhole(std::string_view path);
[[noreturn]] void throwBadSeeing(std::string_view text);
[[noreturn]] void throwBadPanels(std::string_view text);
[[noreturn]] void throwBadOverlap(std::string_view text);
[[noreturn]] void throwBadCoordinates(std::string_view text);
[[noreturn]] void throwBadLatitude(std::string_view text);
[[noreturn]] void throwBadLongitude(std::string_view text);
[[noreturn]] void throwBadSiteAltitude(std::string_view text);
[[noreturn]] void throwBadMinimumAltitude(std::string_view text);
[[noreturn]] void throwSolverMissing();
[[noreturn]] void throwNotSolved(std::string_view path, Message reason);

// The reason given for a file that is no regular file (a folder, a pipe, a device).
inline constexpr std::string_view kNotARegularFile = "n'est pas un fichier ordinaire";
// The reason given for a file not read for its size, in megabytes.
inline constexpr std::string_view kFileTooLarge = "Fichier de plus de %1 Mo";

// A composed text: each "%1" to "%9" of the pattern replaced by its value,
// in one pass, so that a value holding "%1" stays as it is. The patterns are
// the keys of the texts' translations.
std::string compose(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string compose(std::string_view pattern, const std::vector<std::string>& values);

// The text of the error box: a "." is appended when the message's last
// character has a higher code than "." (letters, digits, accented letters),
// and not after ".", ")", a quote or a blank.
std::string errorBoxText(std::string_view message);

// Each fixed message with "%1" (and "%2") where its values go, for the views'
// translations.
std::vector<std::string> messagePatterns();

// True when the text is one of the fixed messages, with any value put in;
// not the guard's last resorts, which only a fault of the program raises.
bool isFixedMessage(std::string_view message);

}  // namespace quarvel::core
