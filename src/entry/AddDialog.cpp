#include "entry/AddDialog.h"

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
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace korvel::entry {

AddDialog::AddDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
                     QWidget* mainWindow)
    : EntryDialog(context, store, numbers, mainWindow, int(EntryForm::Variant::Add),
                  {"TForm2", QStringLiteral("DVD der Sammlung hinzufügen"), QStringLiteral("Änderungen"),
                   SubtitleIncompleteText,
                   QStringLiteral("Jpeg-Dateien (*.jpg, *.jpeg) (*.jpg *.jpeg);;Bitmap-Dateien (*.bmp) (*.bmp);;"
                                  "Alle Bilddateien (*.jpg,*.bmp) (*.jpg *.jpeg *.bmp)"),
                   "form2x", "form2y"})
{
    resize(864, 495);
}

void AddDialog::openForAdd()
{
    m_store.haupt().close();
    m_store.sprachen().close();
    m_store.untertitel().close();
    m_presetDiscFolder.clear();
    form()->clearFields();
    commentEditor()->setText(QString());
    m_savedListQuery = m_store.haupt().sql();
    m_nextKey = store::EntryNumbers::nextEntryKey(m_store.haupt());
    form()->cover()->setText(kCoverOnOpening);
    m_openingMode = 1;
    show();
    raise();
    activateWindow();
}

void AddDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    command([this] { loadGenres(); });
    resetQuicklinkScroll();
    command([this] { rebuildQuicklinks(); });
    form()->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    if (m_openingMode == 1)
        form()->mastering()->setCurrentIndex(0);
    command([this] { placeWindow(); });
    form()->showPage(0);
    form()->title()->setFocus();
}

void AddDialog::save()
{
    EntryForm* f = form();
    if (f->title()->text().isEmpty())
        return;
    // a save by keyboard runs before the field holding the focus was left
    if (QWidget* focused = QApplication::focusWidget())
        f->applyLeavingRule(focused == f->rating()->lineEdit()   ? f->rating()
                            : focused == f->region()->lineEdit() ? f->region()
                                                                 : focused);
    MovieEntry entry = f->entry();
    if (!EntryRules::storedPrice(entry.preis)) {
        m_ctx.boxes->error(this, EntryRules::kPriceError);
        f->price()->clear();
        return;
    }
    if (!entry.visibleNumber())
        entry.nummer = QString::number(m_numbers.getnextfreenumber());

    {
        ui::WaitCursor wait;
        m_store.haupt().close();
        m_store.sprachen().close();
        m_store.untertitel().close();
        if (titleExists(m_store.haupt(), entry.titel) && !m_ctx.boxes->confirm(this, DuplicateQuestion))
            return;
        saveNewEntry(m_store, m_numbers, entry, m_nextKey, m_ctx.today(), Thumbnail::fromFile);
    }
    emit entrySaved();
    ++m_nextKey;
    f->clearFields();
    commentEditor()->setText(QString());
    f->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    f->title()->setFocus();
    showSavedNotice();
    f->title()->setFocus();
}

void AddDialog::discard()
{
    form()->clearFields();
    commentEditor()->setText(QString());
    form()->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    if (isActiveWindow())
        form()->title()->setFocus();
}

void AddDialog::closeEvent(QCloseEvent* event)
{
    if (!form()->title()->text().isEmpty()
        && m_ctx.boxes->show(this, ui::MessageBoxes::Kind::Warning, CloseWarning,
                             ui::MessageBoxes::Ok | ui::MessageBoxes::Cancel)
               != ui::MessageBoxes::Ok) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed(m_savedListQuery);
    command([this] { savePosition(); });
}

bool AddDialog::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == (Qt::ControlModifier | Qt::AltModifier) && event->key() == Qt::Key_A)
        return true; // the drive scan comes with the disc handling
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && QApplication::focusWidget() == form()->title()) {
        form()->costumes()->clear();
        command([this] { lookup(); });
        return true;
    }
    return EntryDialog::handleKey(event);
}

} // namespace korvel::entry
