// SPDX-FileCopyrightText: 2026 The Solvane developers
// SPDX-License-Identifier: MIT
//
// What the dialog's buttons do, and the desktop's choosers they ask.

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QUrl>

#include "calendar_state_text.h"
#include "calendars_dialog.h"
#include "platform.h"
#include "subscription_url.h"
#include "user_calendars.h"

namespace solvane {
namespace {

// A subscription's name until the user gives one: the file name of its address without the
// ending, or its host.
QString nameOfAddress(const QUrl& url) {
    const QString file = QFileInfo(url.path()).completeBaseName();
    return file.isEmpty() ? url.host() : file;
}

}  // namespace

CalendarsDialogChoosers desktopChoosers() {
    CalendarsDialogChoosers choosers;
    choosers.file = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, CalendarsDialog::tr("Add a Calendar File"), QDir::homePath(),
            CalendarsDialog::tr("Calendars (*.ics *.ical *.icalendar *.ifb);;All files (*)"));
    };
    choosers.address = [](QWidget* parent) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, CalendarsDialog::tr("Subscribe to a Calendar"),
                                  CalendarsDialog::tr("Address (http, https or webcal):"),
                                  QLineEdit::Normal, QString(), &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    choosers.name = [](QWidget* parent, const QString& current) -> std::optional<QString> {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, CalendarsDialog::tr("Rename Calendar"),
                                  CalendarsDialog::tr("Name:"), QLineEdit::Normal, current, &ok);
        return ok ? std::optional(text) : std::nullopt;
    };
    choosers.colour = [](QWidget* parent, const QColor& current) -> std::optional<QColor> {
        const QColor chosen =
            QColorDialog::getColor(current, parent, CalendarsDialog::tr("Calendar Colour"));
        return chosen.isValid() ? std::optional(chosen) : std::nullopt;
    };
    return choosers;
}

void CalendarsDialog::addFile() {
    const QString path = choosers.file ? choosers.file(this) : QString();
    if (path.isEmpty())
        return;
    const bool known = std::any_of(
        calendars_.list().sources().begin(), calendars_.list().sources().end(),
        [&](const calendars::CalendarSource& s) { return s.location == QDir::cleanPath(path); });
    const QString id = calendars_.list().addFile(path, QFileInfo(path).completeBaseName(),
                                                 calendars_.list().unusedColour());
    if (id.isEmpty()) {
        boxes().warning(
            tr("\"%1\" cannot be added: give the whole path of a calendar file.").arg(path));
        return;
    }
    select(id);
    if (known)
        boxes().message(tr("%1 is already in the list.").arg(QDir::toNativeSeparators(path)));
}

// Only addresses Solvane can fetch are taken: http, https, and webcal, which means https.
void CalendarsDialog::addAddress() {
    const std::optional<QString> text = choosers.address ? choosers.address(this) : std::nullopt;
    if (!text || text->trimmed().isEmpty())
        return;
    const QUrl url = calendars::subscriptionUrl(*text);
    if (!url.isValid()) {
        boxes().warning(tr("\"%1\" is not an address Solvane can subscribe to. Give an address "
                           "that begins with http://, https:// or webcal://.")
                            .arg(text->trimmed()));
        return;
    }
    const bool known = std::any_of(
        calendars_.list().sources().begin(), calendars_.list().sources().end(),
        [&](const calendars::CalendarSource& s) { return s.location == text->trimmed(); });
    const QString id =
        calendars_.list().addUrl(*text, nameOfAddress(url), calendars_.list().unusedColour());
    if (id.isEmpty())
        return;
    select(id);
    if (known)
        boxes().message(tr("%1 is already in the list.").arg(text->trimmed()));
}

// The calendar leaves the list; its file, or the server's copy, is not touched.
void CalendarsDialog::removeSelected() {
    const std::optional<calendars::CalendarSource> source = calendars_.list().source(selectedId());
    if (!source)
        return;
    if (!boxes().question(tr("Remove the calendar \"%1\" from the list? Its events are no "
                             "longer shown; the file or the subscription itself is left as it "
                             "is.")
                              .arg(source->name)))
        return;
    calendars_.list().remove(source->id);
}

void CalendarsDialog::renameSelected() {
    const std::optional<calendars::CalendarSource> source = calendars_.list().source(selectedId());
    if (!source || !choosers.name)
        return;
    const std::optional<QString> name = choosers.name(this, source->name);
    // An empty name would leave an empty row: the old name stays.
    if (!name || name->trimmed().isEmpty())
        return;
    calendars_.list().rename(source->id, name->trimmed());
}

void CalendarsDialog::recolourSelected() {
    const std::optional<calendars::CalendarSource> source = calendars_.list().source(selectedId());
    if (!source || !choosers.colour)
        return;
    const std::optional<QColor> colour = choosers.colour(this, QColor::fromRgb(source->rgb));
    if (!colour || !colour->isValid())
        return;
    calendars_.list().recolour(source->id, colour->rgb() & 0xffffffu);
}

void CalendarsDialog::refreshSelected() {
    const QString id = selectedId();
    if (id.isEmpty())
        return;
    calendars_.refresh(id);
    showRows();
}

void CalendarsDialog::saveFailed() {
    boxes().warning(tr("The list of calendars could not be saved to %1. %2")
                        .arg(QDir::toNativeSeparators(calendars_.list().filePath()),
                             CalendarStateText::error(calendars_.list().saveError())));
}

}  // namespace solvane
