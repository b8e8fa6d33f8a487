// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// The dialog by keyboard and for every eye: Tab through the fields in reading order, Return
// or Space on the focused Save frame saves, the offset is read (not typed) when reached by
// Tab, and the fields that draw navy text keep a light background whatever the desktop's
// colours, so that the text stays readable on a dark desktop.

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "tcolorcombobox.h"
#include "tcurrencyedit.h"
#include "thome.h"
#include "tpanel.h"

namespace solvane {
namespace {

// Return, Enter or Space on the Save frame press its button; the frame shows that it has
// the focus by a sunken border.
class SaveFrameKeys final : public QObject {
public:
    SaveFrameKeys(TPanel* frame, QToolButton* button)
        : QObject(frame), frame_(frame), button_(button) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != frame_)
            return false;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            frame_->setBevelOuter(frame_->hasFocus() ? TPanel::bvLowered : TPanel::bvNone);
            return false;
        }
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)
            return false;
        button_->click();
        return true;
    }

private:
    TPanel* frame_;
    QToolButton* button_;
};

// The offset field passes a click on to the offset list, where the offset is chosen. Reached
// by Tab it keeps the focus, so that the offset can be read, and refuses typing.
class OffsetFieldByTab final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::FocusIn)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    }
};

}  // namespace

void THome::createKeyboardAccess() {
    QWidget* const readingOrder[] = {Edit1,       Edit2,       CurrencyEditGMT3, ComboBox1,
                                     CheckBox1,   CheckBox2,   CheckBox3,        colorBox(1),
                                     colorBox(2), colorBox(3), colorBox(4),      colorBox(5),
                                     colorBox(6), Panel2,      CalendarsButton};
    for (QWidget* control : readingOrder)
        control->setFocusPolicy(Qt::StrongFocus);
    for (size_t i = 1; i < std::size(readingOrder); ++i)
        setTabOrder(readingOrder[i - 1], readingOrder[i]);

    CurrencyEditGMT3->setReadOnly(true);
    CurrencyEditGMT3->installEventFilter(new OffsetFieldByTab(CurrencyEditGMT3));
    Panel2->installEventFilter(new SaveFrameKeys(Panel2, SpeedButton54));

    Panel3->setAccessibleName(tr("Place and time"));
    Panel4->setAccessibleName(tr("Colours"));
    Panel1->setAccessibleName(tr("Save"));
    ComboBox1->lineEdit()->setAccessibleName(ComboBox1->accessibleName());
    keepFieldsReadable();
}

void THome::keepFieldsReadable() {
    // Navy on white, as the fields were drawn for; the desktop's base colour may be dark.
    QWidget* const navyText[] = {CurrencyEditGMT3, ComboBox1, ComboBox1->view(), CheckBox1,
                                 CheckBox2,        CheckBox3, CurrencyEditN1,    CurrencyEditW2};
    for (QWidget* field : navyText) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, toQColor(cl::Navy));
        field->setPalette(palette);
    }
}

}  // namespace solvane
