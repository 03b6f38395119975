#include "entry/AddDialog.h"

#include "app/WindowGeometry.h"
#include "entry/CommentEditor.h"
#include "entry/EntryForm.h"
#include "entry/EntryRules.h"
#include "entry/MovieEntry.h"
#include "entry/Thumbnail.h"
#include "entry/TrackRows.h"
#include "store/CatalogStore.h"
#include "store/EntryNumbers.h"
#include "ui/AppContext.h"
#include "ui/FileChooser.h"
#include "ui/MessageBoxes.h"
#include "ui/TaskPanel.h"
#include "ui/WaitCursor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace korvel::entry {

namespace {
const QString kCoverFilter = QStringLiteral(
    "Jpeg-Dateien (*.jpg, *.jpeg) (*.jpg *.jpeg);;Bitmap-Dateien (*.bmp) (*.bmp);;"
    "Alle Bilddateien (*.jpg,*.bmp) (*.jpg *.jpeg *.bmp)");

bool isPictureFile(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toUpper();
    return ext == QLatin1String("JPG") || ext == QLatin1String("JPEG") || ext == QLatin1String("BMP");
}

// TForm12: the small notice after a save that closes itself.
class SavedNotice : public QDialog
{
public:
    SavedNotice(QWidget* parent, int ms) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
    {
        setObjectName(QStringLiteral("TForm12"));
        setFixedSize(115, 72);
        setModal(true);
        QTimer::singleShot(ms, this, &QDialog::accept);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 150, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygon({QPoint(40, 30), QPoint(52, 42), QPoint(75, 16)}));
        p.setPen(Qt::black);
        p.drawText(QRect(0, 46, width(), 20), Qt::AlignCenter, QStringLiteral("Gespeichert"));
        p.setPen(QColor(180, 180, 180));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};
} // namespace

AddDialog::AddDialog(ui::AppContext& context, store::CatalogStore& store, store::EntryNumbers& numbers,
                     QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_ctx(context), m_store(store), m_numbers(numbers)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("DVD der Sammlung hinzufügen"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAcceptDrops(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    auto* panel = new ui::TaskPanel(this);
    panel->setFixedWidth(170);
    ui::TaskBox* tasks = panel->addBox(QStringLiteral("XPTask1"), QStringLiteral("Aufgaben"));
    const auto link = [this](ui::TaskSection* s, const char* name, const QString& text,
                             std::function<void()> fn) {
        ui::HoverLink* l = s->addLink(QString::fromLatin1(name), text);
        if (fn)
            connect(l, &ui::HoverLink::clicked, this, [this, fn] { command(fn); });
        else
            l->setEnabled(false); // comes with the disc read-in
        return l;
    };
    ui::TaskSection* changes = tasks->addSection(QStringLiteral("Änderungen"));
    link(changes, "XPHoverLabel1", QStringLiteral("Speichern"), [this] { save(); });
    link(changes, "XPHoverLabel2", QStringLiteral("Verwerfen"), [this] { discard(); });
    ui::TaskSection* dvd = tasks->addSection(QStringLiteral("DVD"));
    link(dvd, "XPHoverLabel8", QStringLiteral("Einlesen"), {});
    link(dvd, "XPHoverLabel9", QStringLiteral("MovieDB"), [this] { lookup(); });
    ui::TaskSection* window = tasks->addSection(QStringLiteral("Fenster"));
    link(window, "XPHoverLabel3", QStringLiteral("Schließen"), [this] { close(); });
    m_quicklinks = panel->addBox(QStringLiteral("XPTask2"), QStringLiteral("Favoriten"));
    auto* quicklinkBox = new QWidget(m_quicklinks);
    quicklinkBox->setObjectName(QStringLiteral("favoriten"));
    quicklinkBox->setMinimumHeight(120);
    m_quicklinks->addWidget(quicklinkBox, 1);
    panel->addStretch();
    row->addWidget(panel);

    m_form = new EntryForm(EntryForm::Variant::Add, this);
    m_form->setMessageBoxes(m_ctx.boxes);
    row->addWidget(m_form, 1);
    m_commentEditor = new CommentEditor(*m_ctx.boxes, this);

    const auto wire = [this](const char* name, std::function<void()> fn) {
        connect(m_form->link(QString::fromLatin1(name)), &ui::HoverLink::clicked, this,
                [this, fn] { command(fn); });
    };
    wire("XPHoverLabel4", [this] { addAudioTrack(); });
    wire("XPHoverLabel5", [this] { addSubtitle(); });
    wire("XPHoverLabel6", [this] { removeSelected(m_form->audioList()); });
    wire("XPHoverLabel7", [this] { removeSelected(m_form->subtitleList()); });
    wire("XPHoverLabel10", [this] { removeDuplicates(m_form->audioList()); });
    wire("XPHoverLabel11", [this] { removeDuplicates(m_form->subtitleList()); });
    connect(m_form->commentButton(), &QToolButton::clicked, this, [this] { command([this] { editComment(); }); });
    m_form->cover()->installEventFilter(this);
    m_form->removeCover()->installEventFilter(this);
    for (QTreeWidget* list : {m_form->audioList(), m_form->subtitleList()})
        list->viewport()->installEventFilter(this);
    quicklinkBox->installEventFilter(this);
    qApp->installEventFilter(this);
    resize(864, 495);
}

AddDialog::~AddDialog() { qApp->removeEventFilter(this); }

void AddDialog::command(const std::function<void()>& fn) { ui::guarded(*m_ctx.boxes, this, fn); }

void AddDialog::openForAdd()
{
    m_store.haupt().close();
    m_store.sprachen().close();
    m_store.untertitel().close();
    m_presetDiscFolder.clear();
    m_form->clearFields();
    m_commentEditor->setText(QString());
    m_savedListQuery = m_store.haupt().sql();
    m_nextKey = store::EntryNumbers::nextEntryKey(m_store.haupt());
    m_form->cover()->setText(kCoverOnOpening);
    m_openingMode = 1;
    show();
    raise();
    activateWindow();
}

void AddDialog::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    command([this] {
        QStringList genres;
        store::BorrowedQuery q(m_store.genres(), {QStringLiteral("select *from genres order by genre_name")});
        for (; !q->atEnd(); q->next())
            genres << q->text(QStringLiteral("genre_name"));
        m_form->setGenres(genres);
    });
    m_quicklinkScroll = 0;
    m_form->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    if (m_openingMode == 1)
        m_form->mastering()->setCurrentIndex(0);
    command([this] { placeWindow(); });
    m_form->showPage(0);
    m_form->title()->setFocus();
}

void AddDialog::placeWindow()
{
    const QPoint stored = app::GeometryRow::dialogPosition(m_store.prg(), QStringLiteral("form2x"),
                                                           QStringLiteral("form2y"));
    const QSize desktop = screen() ? screen()->geometry().size() : QSize(1024, 768);
    move(stored.x() == -1 ? desktop.width() / 2 - width() / 2 : stored.x(),
         stored.y() == -1 ? desktop.height() / 2 - height() / 2 : stored.y());
}

void AddDialog::save()
{
    if (m_form->title()->text().isEmpty())
        return;
    // a save by keyboard runs before the field holding the focus was left
    if (QWidget* focused = QApplication::focusWidget())
        m_form->applyLeavingRule(focused == m_form->rating()->lineEdit() ? m_form->rating()
                                 : focused == m_form->region()->lineEdit() ? m_form->region()
                                                                          : focused);
    MovieEntry entry = m_form->entry();
    if (!EntryRules::storedPrice(entry.preis)) {
        m_ctx.boxes->error(this, EntryRules::kPriceError);
        m_form->price()->clear();
        return;
    }
    if (!entry.visibleNumber())
        entry.nummer = QString::number(m_numbers.getnextfreenumber());

    {
        ui::WaitCursor wait;
        m_store.haupt().close();
        m_store.sprachen().close();
        m_store.untertitel().close();
        store::BorrowedQuery q(m_store.haupt(), {QStringLiteral("select *from haupt where titel = :titel")},
                               {{QStringLiteral("titel"), entry.titel}});
        if (!q->atEnd() && !m_ctx.boxes->confirm(this, DuplicateQuestion))
            return;
        // the entry with its audio and subtitle rows and thumbnail lands whole or not at all
        store::Transaction t(m_store.database());
        q->append();
        SaveOptions options;
        options.entryKey = m_nextKey;
        options.today = m_ctx.today();
        if (writeEntry(entry, *q, options).makeThumbnail)
            q->writePicture(QStringLiteral("cover_thumb"), Thumbnail::fromFile(entry.cover));
        writeAudioTracks(m_store.sprachen(), m_nextKey, entry.audio);
        writeSubtitleTracks(m_store.untertitel(), m_nextKey, entry.subtitles);
        q->post();
        t.commit();
        m_numbers.addnumber(*entry.visibleNumber());
    }
    emit entrySaved();
    ++m_nextKey;
    m_form->clearFields();
    m_commentEditor->setText(QString());
    m_form->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    m_form->title()->setFocus();
    showSavedNotice();
    m_form->title()->setFocus();
}

void AddDialog::showSavedNotice()
{
    SavedNotice notice(this, m_noticeMs);
    notice.move(x() + width() - notice.width() - 10, y() + height() - notice.height() - 10);
    notice.exec();
}

void AddDialog::discard()
{
    m_form->clearFields();
    m_commentEditor->setText(QString());
    m_form->number()->setText(QString::number(m_numbers.getnextfreenumber()));
    if (isActiveWindow())
        m_form->title()->setFocus();
}

void AddDialog::closeEvent(QCloseEvent* event)
{
    if (!m_form->title()->text().isEmpty()
        && m_ctx.boxes->show(this, ui::MessageBoxes::Kind::Warning, CloseWarning,
                             ui::MessageBoxes::Ok | ui::MessageBoxes::Cancel)
               != ui::MessageBoxes::Ok) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed(m_savedListQuery);
    command([this] {
        app::GeometryRow::saveDialogPosition(m_store.prg(), QStringLiteral("form2x"),
                                             QStringLiteral("form2y"), pos());
    });
}

void AddDialog::lookup()
{
    const QString title = m_form->title()->text();
    if (title.isEmpty()) {
        m_ctx.boxes->information(this, NoTitleText);
        return;
    }
    if (title.trimmed().size() < 3) {
        m_ctx.boxes->information(this, ShortTitleText);
        return;
    }
    // the lookup dialog comes with the online lookup; until then a valid title leads nowhere
}

void AddDialog::addAudioTrack()
{
    QComboBox* lang = m_form->audioLanguage();
    QComboBox* format = m_form->audioFormat();
    QComboBox* channels = m_form->channels();
    if (lang->currentText().isEmpty() || format->currentText().isEmpty() || channels->currentText().isEmpty()) {
        m_ctx.boxes->information(this, AudioIncompleteText);
        return;
    }
    MovieEntry e = m_form->entry();
    e.audio.append({lang->currentText(), format->currentText(), channels->currentText()});
    m_form->setAudioTracks(e.audio);
    for (QComboBox* c : {lang, format, channels}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
}

void AddDialog::addSubtitle()
{
    QComboBox* lang = m_form->subtitleLanguage();
    QComboBox* attribute = m_form->subtitleAttribute();
    if (lang->currentText().isEmpty() || attribute->currentText().isEmpty()) {
        m_ctx.boxes->information(this, SubtitleIncompleteText);
        return;
    }
    MovieEntry e = m_form->entry();
    e.subtitles.append({lang->currentText(), attribute->currentText()});
    m_form->setSubtitleTracks(e.subtitles);
}

void AddDialog::removeSelected(QTreeWidget* list)
{
    QTreeWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return;
    delete item;
    MovieEntry e = m_form->entry();
    list == m_form->audioList() ? m_form->setAudioTracks(e.audio) : m_form->setSubtitleTracks(e.subtitles);
}

void AddDialog::removeDuplicates(QTreeWidget* list)
{
    QList<QStringList> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(i)->text(c);
        rows << cells;
    }
    TrackRows::removeDuplicates(rows);
    if (list == m_form->audioList()) {
        QList<AudioTrack> tracks;
        for (const QStringList& r : rows)
            tracks.append({r.value(0), r.value(1), r.value(2)});
        m_form->setAudioTracks(tracks);
    } else {
        QList<SubtitleTrack> tracks;
        for (const QStringList& r : rows)
            tracks.append({r.value(0), r.value(1)});
        m_form->setSubtitleTracks(tracks);
    }
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

void AddDialog::editComment()
{
    QLineEdit* field = m_form->comment();
    const QPoint anchor = field->mapToGlobal(QPoint(field->width() - 5, field->height() - 2));
    m_commentEditor->move(x() + width() / 2 - m_commentEditor->width() / 2,
                          anchor.y() - 40 - m_commentEditor->height());
    m_commentEditor->exec();
    field->setText(m_commentEditor->text());
}

void AddDialog::chooseCover()
{
    const QString path = m_ctx.files->openFile(this, QStringLiteral("Cover suchen"), kCoverFilter);
    if (!path.isEmpty() && isPictureFile(path))
        m_form->setCoverPath(path);
}

void AddDialog::takeDroppedFile(const QString& path)
{
    if (isPictureFile(path))
        m_form->setCoverPath(path);
}

void AddDialog::removeCover()
{
    if (m_form->cover()->text() != kCoverAfterClearing)
        m_form->setCoverPath(QString());
}

void AddDialog::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void AddDialog::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.first().isLocalFile())
        command([&] { takeDroppedFile(urls.first().toLocalFile()); });
}

bool AddDialog::handleKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_S) {
        command([this] { save(); });
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_M) {
        command([this] { lookup(); });
        return true;
    }
    if (mods == Qt::ControlModifier && event->key() == Qt::Key_E)
        return true; // the disc read-in comes with the disc handling
    if (mods == (Qt::ControlModifier | Qt::AltModifier) && event->key() == Qt::Key_A)
        return true;
    if (mods == Qt::NoModifier && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && QApplication::focusWidget() == m_form->title()) {
        m_form->costumes()->clear();
        command([this] { lookup(); });
        return true;
    }
    return false;
}

bool AddDialog::handleWheel(QObject* watched, QWheelEvent* event)
{
    const int steps = event->angleDelta().y();
    if (steps == 0)
        return false;
    for (QTreeWidget* list : {m_form->audioList(), m_form->subtitleList()}) {
        if (watched != list->viewport())
            continue;
        const int count = list->topLevelItemCount();
        if (count == 0)
            return true;
        QTreeWidgetItem* current = list->currentItem();
        const int row = current && current->isSelected() ? list->indexOfTopLevelItem(current) : -1;
        int next = row;
        if (steps < 0)
            next = row < 0 ? 0 : std::min(row + 1, count - 1);
        else if (row > 0)
            next = row - 1;
        if (next >= 0) {
            list->setCurrentItem(list->topLevelItem(next));
            list->scrollToItem(list->topLevelItem(next));
        }
        return true;
    }
    if (watched->objectName() == QLatin1String("favoriten")) {
        if (steps < 0)
            m_quicklinkScroll += 2;
        else if (m_quicklinkScroll > 0)
            m_quicklinkScroll -= 2;
        return true;
    }
    return false;
}

bool AddDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && isVisible() && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == this) {
        if (handleKey(static_cast<QKeyEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::Wheel) {
        if (handleWheel(watched, static_cast<QWheelEvent*>(event)))
            return true;
    } else if (event->type() == QEvent::MouseButtonRelease
               && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_form->cover()) {
            command([this] { chooseCover(); });
            return true;
        }
        if (watched == m_form->removeCover()) {
            command([this] { removeCover(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvel::entry
