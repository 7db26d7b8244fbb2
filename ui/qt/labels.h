// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QObject>
#include <QHash>
#include <QLabel>
#include <QMargins>

#include <tuple>

namespace quarvel::ui::qt {

// A label whose text wraps, laid out once for each width it is asked about:
// a plain label lays its whole text out again at each of its layout's
// questions, several times while a page is first shown.
class WrappedLabel : public QLabel {
public:
    explicit WrappedLabel(const QString& text = {}, QWidget* parent = nullptr) : QLabel(text, parent) {
        setWordWrap(true);
    }

    int heightForWidth(int width) const override {
        // What the height depends on, besides the width.
        const auto now = std::make_tuple(text(), font(), contentsMargins(), margin(), indent(), textFormat());
        if (now != m_measured) {
            m_heights.clear();
            m_measured = now;
        }
        const auto known = m_heights.constFind(width);
        if (known != m_heights.constEnd()) return *known;
        return m_heights[width] = QLabel::heightForWidth(width);
    }

protected:
    void changeEvent(QEvent* event) override {
        if (event->type() == QEvent::StyleChange) m_heights.clear();
        QLabel::changeEvent(event);
    }

private:
    mutable std::tuple<QString, QFont, QMargins, int, int, Qt::TextFormat> m_measured;
    mutable QHash<int, int> m_heights;
};

// Makes the label's text selectable with the mouse from the moment the
// pointer first comes over it: a selectable label lays its text out as a
// document, several times the cost of a plain one, and most are only read.
inline void selectableByMouse(QLabel* label) {
    struct Arm : QObject {
        using QObject::QObject;
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress ||
                event->type() == QEvent::MouseButtonDblClick) {
                static_cast<QLabel*>(watched)->setTextInteractionFlags(Qt::TextSelectableByMouse);
                watched->removeEventFilter(this);
                deleteLater();
            }
            return false;
        }
    };
    label->installEventFilter(new Arm(label));
}

}  // namespace quarvel::ui::qt
