// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel::core {

// The fixed failures the user can be shown. Each carries one French text; the
// ones with a place for a value get it when the error is raised.
enum class ErrorCode {
    NotAReal,          // "'%s' n'est pas une valeur en virgule flottante correcte"
    NotAnInteger,      // "'%s' n'est pas une valeur entière correcte"
    DivisionByZero,    // "Division par zéro en virgule flottante"
    InvalidOperation,  // "Opération en virgule flottante incorrecte"
    RangeCheck,        // "Erreur de vérification d'étendue"
    IntegerOverflow,   // "Débordement d'entier"
    ListIndex,         // "Indice de liste hors limites (%d)"
    CannotWrite,       // "Impossible d'écrire dans %s"
    CannotOpen,        // "Impossible d'ouvrir le fichier "%s". %s"
    BadBitmap,         // "Image bitmap incorrecte"
    BadEquipment,      // "Équipement ignoré : %s"
    IncompleteSensor,  // "Le capteur sauvegardé est incomplet : nombre ou taille de pixels vide ou nul"
    NotReadWhole,      // "%s n'a pas pu être lu en entier et reste tel quel : déplacez-le pour en enregistrer un nouveau"
    // Last resorts of the event guard, for failures no calculation raises.
    OutOfMemory,  // "Mémoire insuffisante"
    Unexpected,   // "Erreur inattendue : %s"
};

class QuarvelError : public std::exception {
public:
    QuarvelError(ErrorCode code, std::string message);
    ErrorCode code() const noexcept { return m_code; }
    const std::string& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    ErrorCode m_code;
    std::string m_message;
};

// A message with its values put in. A typed text longer than 60 characters
// is quoted by its ends around "…".
std::string errorMessage(ErrorCode code, std::string_view first = {}, std::string_view second = {});

// Builders for each failure, with the offending text or path put in.
[[noreturn]] void throwNotAReal(std::string_view text);
[[noreturn]] void throwNotAnInteger(std::string_view text);
[[noreturn]] void throwDivisionByZero();
[[noreturn]] void throwInvalidOperation();
[[noreturn]] void throwRangeCheck();
[[noreturn]] void throwIntegerOverflow();
[[noreturn]] void throwListIndex(long long index);
[[noreturn]] void throwCannotWrite(std::string_view path);
[[noreturn]] void throwCannotOpen(std::string_view path, std::string_view reason);
[[noreturn]] void throwBadBitmap();
[[noreturn]] void throwIncompleteSensor();
[[noreturn]] void throwBadEquipment(std::string_view what);
[[noreturn]] void throwNotReadWhole(std::string_view path);

// The reason given for a file that is no regular file (a folder, a pipe, a device).
inline constexpr std::string_view kNotARegularFile = "n'est pas un fichier ordinaire";

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
