// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

#include "on_screen.h"
#include "tcalendar.h"
#include "tjpaneltexture.h"
#include "tmoon.h"
#include "tpanel.h"

namespace solvane {
namespace {

constexpr const char* kMeaning = "solvaneAccessibleMeaning";
constexpr const char* kMoon = "solvaneAccessibleMoon";

class ValueLabel final : public QAccessibleWidget {
public:
    explicit ValueLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const QString meaning = widget()->property(kMeaning).toString();
        return meaning + QLatin1Char(' ') + static_cast<const QLabel*>(widget())->text();
    }
};

class MoonPicture final : public QAccessibleWidget {
public:
    explicit MoonPicture(QWidget* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        const auto* moon = qobject_cast<const TMoon*>(widget()->property(kMoon).value<QObject*>());
        if (kind == QAccessible::Description && moon)
            return moon->PhaseDescription();
        return QAccessibleWidget::text(kind);
    }
};

// The moon control itself: its phase in words, while it is seen.
class MoonControl final : public QAccessibleWidget {
public:
    explicit MoonControl(QWidget* moon) : QAccessibleWidget(moon, QAccessible::Graphic) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return TCalendar::tr("Moon phase");
        if (kind == QAccessible::Description)
            return static_cast<const TMoon*>(widget())->PhaseDescription();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.invisible = !withinWindow(widget());
        return shown;
    }
};

// A panel reads as its caption; one that takes the focus and carries a name is a button
// (the Parameters dialog's Save frame); one with neither caption nor controls is decoration.
class Panel final : public QAccessibleWidget {
public:
    explicit Panel(QWidget* panel) : QAccessibleWidget(panel) {}

    QAccessible::Role role() const override {
        if (isButton())
            return QAccessible::Button;
        if (!caption().isEmpty())
            return QAccessible::StaticText;
        return QAccessible::Grouping;
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return caption();
        return QAccessibleWidget::text(kind);
    }
    // A month title or number box beyond the edge of the compact window is not on screen.
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.invisible = shown.invisible || isDecoration() || !withinWindow(widget());
        return shown;
    }
    // A button is one node: the frame and caption inside it are the button itself, not
    // further "Save" nodes to step through. Controls that only hold values are left out.
    int childCount() const override { return int(exposedChildren().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = exposedChildren();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? int(exposedChildren().indexOf(child->object())) : -1;
    }
    QStringList actionNames() const override {
        return isButton() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isButton())
            return QAccessibleWidget::doAction(action);
        // The same road as the Space key on the focused frame.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(widget(), &press);
    }

private:
    QString caption() const { return static_cast<const TPanel*>(widget())->Caption().trimmed(); }
    QList<QWidget*> exposedChildren() const {
        QList<QWidget*> exposed;
        if (isButton())
            return exposed;
        for (QObject* child : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(child);
            if (control && !control->isWindow() && !qobject_cast<QMenu*>(control) &&
                !keptFromAssistiveTechnology(control)) {
                exposed << control;
            }
        }
        return exposed;
    }
    bool isButton() const {
        return (widget()->focusPolicy() & Qt::TabFocus) && !widget()->accessibleName().isEmpty();
    }
    bool isDecoration() const {
        if (!caption().isEmpty() || !widget()->accessibleName().isEmpty())
            return false;
        for (const QObject* child : widget()->children()) {
            if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isHidden())
                return false;
        }
        return true;
    }
};

// A colour box is named by its label ("Title Bar Color") and its colour is its value; Qt's
// own combo box on Linux reads its current text as its name, which says "Blue" for every
// box of that colour.
class ColourBox final : public QAccessibleWidget {
public:
    explicit ColourBox(QWidget* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        const QString colour = static_cast<const QComboBox*>(widget())->currentText();
        if (kind == QAccessible::Value)
            return colour;
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return colour;
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {showMenuAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            static_cast<QComboBox*>(widget())->showPopup();
    }
};

QAccessibleInterface* solvaneInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (className == QLatin1String("QLabel")) {
        if (widget->property(kMeaning).isValid())
            return new ValueLabel(widget);
        if (widget->property(kMoon).isValid())
            return new MoonPicture(widget);
        return nullptr;
    }
    // The year window is a plain widget, which Qt offers as a client area; a screen reader
    // looks for the application's windows among its frames and announces them by title.
    if (className == QLatin1String("solvane::TCalendar") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("solvane::TMoon"))
        return new MoonControl(widget);
    if (className == QLatin1String("solvane::TPanel"))
        return new Panel(widget);
    if (className == QLatin1String("solvane::TColorComboBox"))
        return new ColourBox(widget);
    return nullptr;
}

// Forgets the interface made for the object so far, so that the next question makes one that
// knows what was set since.
void forgetInterface(QObject* object) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(object))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void installAccessibleInterfaces() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(solvaneInterface);
}

void exposeAsValue(QLabel* label, const QString& meaning) {
    // The label's own name would hide its text, and Qt announces a changed text as a
    // changed name only for labels without one.
    label->setAccessibleName(QString());
    label->setProperty(kMeaning, meaning);
    forgetInterface(label);
}

void exposeAsMoonPicture(QLabel* picture, TMoon* moon) {
    picture->setProperty(kMoon, QVariant::fromValue<QObject*>(moon));
    forgetInterface(picture);
}

void TCalendar::createAccessibility() {
    exposeAsValue(Label3, tr("Sunrise"));
    exposeAsValue(Label4, tr("Sunset"));
    exposeAsMoonPicture(Image3, Moon1);
    toolStripFrame()->setAccessibleName(tr("Tool strip"));
    JPanelTexture1->setAccessibleName(tr("Tool strip"));
}

}  // namespace solvane
