// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
#include "accessibility.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

#include "tcalendar.h"
#include "tjpaneltexture.h"
#include "tmoon.h"
#include "tpanel.h"

namespace solvane {
namespace {

constexpr const char* kMeaning = "solvaneAccessibleMeaning";
constexpr const char* kMoon = "solvaneAccessibleMoon";

// Shown on screen: not hidden and not lying wholly outside its parent.
bool inSight(const QWidget* widget) {
    const QWidget* parent = widget->parentWidget();
    return widget->isVisible() && (!parent || parent->rect().intersects(widget->geometry()));
}

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
            return QStringLiteral("Moon phase");
        if (kind == QAccessible::Description)
            return static_cast<const TMoon*>(widget())->PhaseDescription();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.invisible = !inSight(widget());
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
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.invisible = shown.invisible || isDecoration();
        return shown;
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
    if (className == QLatin1String("solvane::TMoon"))
        return new MoonControl(widget);
    if (className == QLatin1String("solvane::TPanel"))
        return new Panel(widget);
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
