#include "entry/EditDialog.h"

#include "entry/CommentEditor.h"
#include "entry/EntryForm.h"
#include "entry/EntryRules.h"
#include "entry/EntrySave.h"
#include "entry/MovieEntry.h"
#include "entry/Thumbnail.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"
#include "ui/AppContext.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace korvel::entry {

EditDialog::EditDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
                       QWidget* mainWindow, Host host)
    : EntryDialog(context, store, numbers, mainWindow, int(EntryForm::Variant::Edit),
                  {"TForm3", QStringLiteral("Infos zur DVD ändern"), QStringLiteral("Änderung"),
                   SubtitleIncompleteText,
                   QStringLiteral("Jpeg-Dateien (*.jpg; *,jpeg) (*.jpg *.jpeg);;Bitmap-Dateien (*.bmp) (*.bmp);;"
                                  "Alle Bilddateien (*.jpg, *,bmp) (*.jpg *.jpeg *.bmp)"),
                   "form3x", "form3y"}),
      m_host(std::move(host))
{
    setWindowModality(Qt::ApplicationModal);
    ui::TaskBox* strip = taskPanel()->addBox(QStringLiteral("XPTask5"), QString());
    ui::TaskSection* stepping = strip->addSection(QString());
    m_back = addLink(stepping, "XPHoverLabel10", QStringLiteral("Zurück"), [this] { step(false); });
    m_forward = addLink(stepping, "XPHoverLabel11", QStringLiteral("Weiter"), [this] { step(true); });
    form()->setChangeTracking(true);
    connect(form(), &EntryForm::edited, this, [this] { m_changed = true; });
    connect(form(), &EntryForm::mediaCountChanged, this, [this] { m_changed = true; });
    connect(form(), &EntryForm::eanRefused, this, [this] { m_changed = false; });
    form()->cover()->installEventFilter(this);
    resize(865, 494);
}

void EditDialog::openForRow(int row, bool stepping)
{
    m_store.haupt().close();
    m_store.sprachen().close();
    m_store.untertitel().close();
    loadEntry(row);
    m_back->setEnabled(stepping);
    m_forward->setEnabled(stepping);
    show();
    raise();
    activateWindow();
}

void EditDialog::editRow(int row, bool stepping)
{
    openForRow(row, stepping);
    QEventLoop loop;
    connect(this, &EditDialog::finished, &loop, &QEventLoop::quit);
    if (isVisible())
        loop.exec();
}

void EditDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    command([this] { loadGenres(); });
    resetQuicklinkScroll();
    command([this] { rebuildQuicklinks(); });
    command([this] { placeWindow(); });
    form()->showPage(0);
    form()->title()->setFocus();
    form()->resetSnapshots();
}

void EditDialog::loadEntry(int row)
{
    m_changed = false;
    m_coverChanged = false;
    if (row < 0)
        return;
    m_row = row;
    m_key = m_host.keyOfRow(row);
    MovieEntry e;
    {
        store::BorrowedQuery q(m_store.haupt(), {QStringLiteral("select *from haupt where nummer = :nummer")},
                               {{QStringLiteral("nummer"), m_key}});
        if (q->atEnd())
            return;
        e = readEntry(*q);
        m_oldVisible = int(q->integer(QStringLiteral("visiblenr")));
    }
    e.audio = readAudioTracks(m_store.sprachen(), m_key);
    e.subtitles = readSubtitleTracks(m_store.untertitel(), m_key);
    // setEntry leaves the lines for new tracks as the user typed them
    form()->setEntry(e);
    if (e.cover.isEmpty())
        form()->cover()->setText(kCoverOnOpening);
    form()->setEanSnapshot(e.ean);
    commentEditor()->setText(QString());
    form()->resetSnapshots();
    m_changed = false;
}

void EditDialog::save()
{
    EntryForm* f = form();
    if (f->title()->text().isEmpty())
        return;
    f->title()->setFocus(); // the leaving rule of the field being edited runs first
    f->resetSnapshots();
    m_changed = false;
    MovieEntry entry = f->entry();
    if (!EntryRules::storedPrice(entry.preis)) {
        m_ctx.boxes->error(this, EntryRules::kPriceError);
        f->price()->clear();
        return;
    }
    const int newVisible = entry.visibleNumber().value_or(m_oldVisible);
    entry.nummer = QString::number(newVisible);
    {
        ui::WaitCursor wait;
        m_store.haupt().close();
        m_store.sprachen().close();
        m_store.untertitel().close();
        saveEditedEntry(m_store, m_numbers, entry, m_key, m_oldVisible, m_coverChanged, Thumbnail::fromFile);
    }
    m_oldVisible = newVisible;
    showSavedNotice();
    if (m_host.rowSaved)
        m_host.rowSaved(m_row, entry.nummer);
}

void EditDialog::discard() { loadEntry(m_row); }

bool EditDialog::settleChanges()
{
    form()->title()->setFocus();
    if (!m_changed)
        return true;
    switch (m_ctx.boxes->show(this, ui::MessageBoxes::Kind::Confirmation, ChangedQuestion,
                              ui::MessageBoxes::Yes | ui::MessageBoxes::No | ui::MessageBoxes::Cancel)) {
    case ui::MessageBoxes::Yes:
        save();
        return true;
    case ui::MessageBoxes::No:
        return true;
    default:
        return false;
    }
}

void EditDialog::closeEvent(QCloseEvent* event)
{
    bool settled = true;
    command([&] { settled = settleChanges(); });
    if (!settled) {
        event->ignore();
        return;
    }
    event->accept();
    command([this] { savePosition(); });
    emit finished();
}

void EditDialog::step(bool forward)
{
    if (m_host.infoPanelBusy && m_host.infoPanelBusy())
        return;
    if (!settleChanges())
        return;
    const QList<int> selected = m_host.selectedRows();
    if (selected.size() < 2)
        return;
    int target = -1;
    if (forward) {
        for (int r : selected)
            if (r > m_row) {
                target = r;
                break;
            }
    } else {
        for (int r : selected)
            if (r < m_row)
                target = r;
    }
    if (target < 0)
        target = selected.first();
    loadEntry(target);
    if (m_host.rowShown)
        m_host.rowShown(target);
}

bool EditDialog::handleKey(QKeyEvent* event)
{
    // the stepping keys act on release; swallow their presses
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == (Qt::ControlModifier | Qt::AltModifier)
        && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down))
        return true;
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && QApplication::focusWidget() == form()->title()) {
        command([this] { lookup(); });
        return true;
    }
    return EntryDialog::handleKey(event);
}

bool EditDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && isVisible() && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if (mods == (Qt::ControlModifier | Qt::AltModifier) && !key->isAutoRepeat()
            && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            const bool forward = key->key() == Qt::Key_Down;
            command([this, forward] { step(forward); });
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonPress && watched == form()->cover()) {
        m_coverChanged = true;
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            form()->cover()->setText(kCoverOnOpening); // the next save removes the cover
    }
    return EntryDialog::eventFilter(watched, event);
}

} // namespace korvel::entry
