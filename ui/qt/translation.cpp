// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/translation.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/errors.h"
#include "ui/shown_texts.h"

namespace quarvel::ui::qt {

namespace {

constexpr const char* kContext = "Quarvel";

QTranslator* g_translator = nullptr;  // owned by the application
QLocale g_locale(QLocale::French, QLocale::France);

struct Pattern {
    QString text;
    QRegularExpression expression;
};

// The composed texts' patterns as expressions, "%1" and "%2" matching anything.
const std::vector<Pattern>& patterns() {
    static const std::vector<Pattern> compiled = [] {
        std::vector<Pattern> out;
        for (const auto& pattern : composedTextPatterns()) {
            const QString text = QString::fromStdString(pattern);
            // The fixed pieces matched as they stand, each "%n" as anything.
            static const QRegularExpression placeholder("%[1-9]");
            QString expression;
            qsizetype from = 0;
            for (auto it = placeholder.globalMatch(text); it.hasNext();) {
                const auto match = it.next();
                expression += QRegularExpression::escape(text.mid(from, match.capturedStart() - from)) + "(.*)";
                from = match.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(from));
            out.push_back({text, QRegularExpression("\\A" + expression + "\\z",
                                                    QRegularExpression::DotMatchesEverythingOption)});
        }
        return out;
    }();
    return compiled;
}

// Qt's own texts (a field's context menu, the standard buttons) in the
// interface's language, from Qt's translations where Debian installs them:
// one language in the whole window.
void installQtTranslation(const QLocale& locale) {
    static bool installed = false;
    if (installed) return;
    installed = true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

// The program's translation for the desktop's language, if it has one.
QTranslator* programTranslation(const QLocale& system) {
    const QString name = system.name();  // "en_US"
    for (const auto& translation : kTranslations) {
        const QString language = QString::fromLatin1(translation.language);
        if (name != language && name.section('_', 0, 0) != language) continue;
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(translation.data, static_cast<int>(translation.size))) return translator;
        delete translator;
        return nullptr;
    }
    return nullptr;
}

}  // namespace

void installTranslation() {
    if (!g_translator) {
        const QLocale system = QLocale::system();
        if (QTranslator* translator = programTranslation(system)) {
            QCoreApplication::installTranslator(translator);
            g_translator = translator;
            g_locale = system;
        }
    }
    installQtTranslation(g_locale);
}

namespace {

QString translatedByPattern(const QString& text);

// A value put in a composed text: translated only where it is itself a text
// of the program's (a composed text, a reason of the message table); a name,
// a path or anything typed stays exactly as it is.
QString translatedValue(const QString& value) {
    const QString translated = translatedByPattern(value);
    return translated.isNull() ? value : translated;
}

// The text translated by the pattern it was composed from, its values put in
// one pass (a value holding "%2" stays as it is); null when no pattern fits.
QString translatedByPattern(const QString& text) {
    for (const auto& pattern : patterns()) {
        const auto match = pattern.expression.match(text);
        if (!match.hasMatch()) continue;
        const QString translation = QCoreApplication::translate(kContext, pattern.text.toUtf8().constData());
        std::vector<std::string> values;
        for (int i = 1; i <= match.lastCapturedIndex(); ++i) {
            values.push_back(translatedValue(match.captured(i)).toStdString());
        }
        return QString::fromStdString(core::compose(translation.toStdString(), values));
    }
    return {};
}

}  // namespace

QString tt(const QString& text) {
    if (!g_translator || text.isEmpty()) return text;
    const QByteArray key = text.toUtf8();
    const QString exact = QCoreApplication::translate(kContext, key.constData());
    if (exact != text) return exact;
    const QString composed = translatedByPattern(text);
    return composed.isNull() ? text : composed;
}

QString tt(const std::string& text) { return tt(QString::fromStdString(text)); }

namespace {

std::string translatedText(const core::Message& message) {
    if (message.isData()) return message.pattern();
    std::vector<std::string> values;
    values.reserve(message.values().size());
    for (const auto& value : message.values()) values.push_back(translatedText(value));
    const std::string pattern =
        g_translator ? QCoreApplication::translate(kContext, message.pattern().c_str()).toStdString() : message.pattern();
    return core::compose(pattern, values);
}

}  // namespace

QString translate(const core::Message& message) { return QString::fromStdString(translatedText(message)); }

QLocale interfaceLocale() { return g_locale; }

void forEachShownText(QWidget* root, const std::function<QString(const QString&)>& visit) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        bool inCalendar = false;
        for (QWidget* up = w; up; up = up->parentWidget()) inCalendar = inCalendar || up->inherits("QCalendarWidget");
        if (inCalendar) continue;  // the calendar speaks its locale's language itself
        if (w->property(kDataProperty).toBool()) continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) label->setText(visit(label->text()));
        if (auto* button = qobject_cast<QAbstractButton*>(w)) button->setText(visit(button->text()));
        if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(visit(group->title()));
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, visit(tabs->tabText(i)));
        }
        if (!w->toolTip().isEmpty()) w->setToolTip(visit(w->toolTip()));
    }
    root->setWindowTitle(visit(root->windowTitle()));
}

void translateWidgets(QWidget* root) {
    if (g_translator) forEachShownText(root, [](const QString& text) { return tt(text); });
}

}  // namespace quarvel::ui::qt
