// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// Notes on days, as on a paper calendar: the N key on a month's selected day, or the day's
// menu (the right mouse button, or the menu key on the selected day), opens a small editor;
// the note is kept in the user's own notes calendar and shows on its day like any event.

#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <algorithm>

#include "guard.h"
#include "note_editor.h"
#include "notes_calendar.h"
#include "shortcuts.h"
#include "tcalendar.h"
#include "tmonthcalendar.h"
#include "user_calendars.h"

namespace solvane {
namespace {

// The day a context menu is for: the one under the pointer, or for the keyboard's menu key,
// the selected day.
class DayMenuRequests final : public QObject {
public:
    using Open = std::function<void(const QDate&, const QPoint&)>;
    DayMenuRequests(TMonthCalendar* month, Open open)
        : QObject(month), month_(month), open_(std::move(open)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != month_ || event->type() != QEvent::ContextMenu)
            return false;
        auto* request = static_cast<QContextMenuEvent*>(event);
        QDate day = month_->Date();
        QPoint at = month_->dayRect(day).center();
        if (request->reason() == QContextMenuEvent::Mouse) {
            day = month_->dateAt(request->pos());
            at = request->pos();
        }
        if (!day.isValid())
            return false;
        open_(day, month_->mapToGlobal(at));
        return true;
    }

private:
    TMonthCalendar* month_;
    Open open_;
};

QString shortened(const QString& text) {
    constexpr int kMenuChars = 40;
    return text.size() <= kMenuChars ? text : text.left(kMenuChars - 1) + QChar(0x2026);
}

}  // namespace

void TCalendar::createDayMenus() {
    dayMenu_ = new QMenu(this);
    dayMenu_->setObjectName(QStringLiteral("DayMenu"));
    for (int k = 1; k <= 12; ++k) {
        TMonthCalendar* month = MonthCalendar(k);
        month->installEventFilter(
            new DayMenuRequests(month, [this](const QDate& day, const QPoint& at) {
                guarded([&] { popUpDayMenu(day, at); });
            }));
        // On the month that has the focus only: the letter types nothing anywhere else.
        auto* key =
            new QShortcut(QKeySequence(kNoteKey), month, nullptr, nullptr, Qt::WidgetShortcut);
        key->setObjectName(QStringLiteral("NoteKey%1").arg(k));
        connect(key, &QShortcut::activated, this,
                [this, month] { guarded([&] { editNote(month->Date()); }); });
    }
}

// The menu is rebuilt for each day: its notes, and what can be done with them.
void TCalendar::popUpDayMenu(const QDate& day, const QPoint& globalPos) {
    events::NotesCalendar* notes = calendars_ ? calendars_->notes() : nullptr;
    dayMenu_->clear();
    if (notes) {
        dayMenu_
            ->addAction(tr("Add Note..."), this,
                        [this, day] { guarded([&] { openNoteEditor(day, QString()); }); })
            ->setObjectName(QStringLiteral("DayAddNote"));
        const std::vector<events::Note> onDay = notes->notesOn(day);
        const bool several = onDay.size() > 1;
        for (const events::Note& note : onDay) {
            const QString uid = note.uid;
            const QString text = note.text;
            QAction* edit = dayMenu_->addAction(
                several ? tr("Edit Note \"%1\"...").arg(shortened(text)) : tr("Edit Note..."), this,
                [this, day, uid] { guarded([&] { openNoteEditor(day, uid); }); });
            edit->setObjectName(QStringLiteral("DayEditNote"));
            QAction* remove = dayMenu_->addAction(
                several ? tr("Remove Note \"%1\"").arg(shortened(text)) : tr("Remove Note"), this,
                [this, uid, text] { guarded([&] { removeNote(uid, text); }); });
            remove->setObjectName(QStringLiteral("DayRemoveNote"));
        }
        dayMenu_->addSeparator();
    }
    if (calendars_) {
        dayMenu_->addAction(tr("Calendars..."), this, [this] { guarded([&] { showCalendars(); }); })
            ->setObjectName(QStringLiteral("DayCalendars"));
    }
    if (!dayMenu_->isEmpty())
        dayMenu_->popup(globalPos);
}

void TCalendar::editNote(const QDate& day) {
    events::NotesCalendar* notes = calendars_ ? calendars_->notes() : nullptr;
    if (!notes || !day.isValid())
        return;
    const std::vector<events::Note> onDay = notes->notesOn(day);
    openNoteEditor(day, onDay.empty() ? QString() : onDay.front().uid);
}

// One editor at a time; it opens over the window and the window goes on meanwhile.
void TCalendar::openNoteEditor(const QDate& day, const QString& uid) {
    events::NotesCalendar* notes = calendars_ ? calendars_->notes() : nullptr;
    if (!notes)
        return;
    if (noteEditor_)
        noteEditor_->close();
    const auto& all = notes->notes();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const events::Note& note) { return note.uid == uid; });
    const bool existing = found != all.end();
    // An existing note is edited from its first day, whichever of its days was chosen.
    const QDate first = existing ? found->day : day;
    noteEditor_ = new NoteEditor(first, existing ? found->text : QString(),
                                 existing ? found->days : 1, existing, this);
    noteEditor_->setAttribute(Qt::WA_DeleteOnClose);
    noteEditor_->setWindowFlag(Qt::Dialog);
    NoteEditor* editor = noteEditor_;
    connect(editor, &QObject::destroyed, this, [this, editor] {
        if (noteEditor_ == editor)
            noteEditor_ = nullptr;
    });
    const QString kept = existing ? uid : QString();
    connect(editor, &NoteEditor::saveRequested, this,
            [this, editor, kept](const QString& text, int days) {
                guarded([&] {
                    if (saveNote(kept, editor->day(), text, days))
                        editor->accept();
                });
            });
    connect(editor, &NoteEditor::removeRequested, this, [this, editor, kept] {
        guarded([&] {
            if (removeNote(kept, editor->text()))
                editor->accept();
        });
    });
    editor->open();
}

// The editor closes once the note is written; a note that cannot be written stays in it,
// with the reason in a message, and the file keeps what it held.
bool TCalendar::saveNote(const QString& uid, const QDate& day, const QString& text, int days) {
    events::NotesCalendar* notes = calendars_ ? calendars_->notes() : nullptr;
    if (!notes)
        return false;
    // A note removed from the day's menu while its editor was open is written again as new.
    const auto& all = notes->notes();
    const bool known = std::any_of(all.begin(), all.end(),
                                   [&](const events::Note& note) { return note.uid == uid; });
    const bool saved =
        known ? notes->change(uid, day, text, days) : !notes->add(day, text, days).isEmpty();
    if (!saved) {
        boxes().error(tr("The note could not be saved. %1").arg(notes->error()));
        return false;
    }
    return true;
}

bool TCalendar::removeNote(const QString& uid, const QString& text) {
    events::NotesCalendar* notes = calendars_ ? calendars_->notes() : nullptr;
    if (!notes || uid.isEmpty())
        return false;
    if (!boxes().question(tr("Remove the note \"%1\"?").arg(text)))
        return false;
    if (!notes->remove(uid)) {
        boxes().error(tr("The note could not be removed. %1").arg(notes->error()));
        return false;
    }
    return true;
}

}  // namespace solvane
